#pragma once

// Helpers shared by the kit's tests: the process default look-and-feel, Stylesheet colours,
// pixel probes on images painted headless, and the folder for images a reviewer looks at.

#include "kit/CustomLookAndFeels.h"
#include "kit/Stylesheet.h"

#include <juce_gui_basics/juce_gui_basics.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace quindle::test::kit
{
/** Makes a look-and-feel the process default for as long as it lives, as the editor does.
    Text drawn with the default sans-serif font then resolves to the embedded typeface. */
class ScopedDefaultLookAndFeel
{
public:
    explicit ScopedDefaultLookAndFeel (juce::LookAndFeel& lookAndFeel)
    {
        juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
    }

    ~ScopedDefaultLookAndFeel() { juce::LookAndFeel::setDefaultLookAndFeel (nullptr); }

    JUCE_DECLARE_NON_COPYABLE (ScopedDefaultLookAndFeel)
};

using ::styleColour;

inline bool isEmbeddedTypeface (const juce::Font& font)
{
    return font.getTypefacePtr() == Stylesheet::getInstance()->typeface;
}

/** An opaque image filled with one colour, for drawing on a panel's background. */
inline juce::Image filledImage (int width, int height, juce::Colour background)
{
    juce::Image image (juce::Image::ARGB, width, height, true);
    juce::Graphics (image).fillAll (background);
    return image;
}

/** The pixel at `radius` from `centre`, `degrees` clockwise from 12 o'clock. */
inline juce::Point<int> pixelAt (juce::Point<float> centre, float radius, float degrees)
{
    return centre.getPointOnCircumference (radius, juce::degreesToRadians (degrees)).toInt();
}

inline ::testing::AssertionResult coloursMatch (juce::Colour actual, juce::Colour expected, int tolerance = 2)
{
    const auto near = [tolerance] (juce::uint8 a, juce::uint8 b) { return std::abs ((int) a - (int) b) <= tolerance; };

    if (near (actual.getAlpha(), expected.getAlpha()) && near (actual.getRed(), expected.getRed())
        && near (actual.getGreen(), expected.getGreen()) && near (actual.getBlue(), expected.getBlue()))
        return ::testing::AssertionSuccess();

    return ::testing::AssertionFailure() << "colour " << actual.toDisplayString (true)
                                         << ", expected " << expected.toDisplayString (true);
}

/** The smallest rectangle inside `area` holding every pixel that differs from `background`. */
inline juce::Rectangle<int> inkBounds (const juce::Image& image, juce::Rectangle<int> area, juce::Colour background)
{
    juce::Rectangle<int> ink;
    bool found = false;

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (! coloursMatch (image.getPixelAt (x, y), background, 24))
            {
                const juce::Rectangle<int> pixel (x, y, 1, 1);
                ink = found ? ink.getUnion (pixel) : pixel;
                found = true;
            }

    return ink;
}

/** Writes a PNG into the test output folder for a reviewer to look at. */
inline bool writeReviewImage (const juce::Image& image, const juce::String& fileName)
{
    const auto file = juce::File (QUINDLE_TEST_OUTPUT_DIR).getChildFile (fileName);
    file.deleteFile();
    juce::FileOutputStream stream (file);
    juce::PNGImageFormat png;
    return stream.openedOk() && png.writeImageToStream (image, stream);
}
} // namespace quindle::test::kit
