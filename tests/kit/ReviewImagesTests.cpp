// Knobs and the fader as real sliders with their text boxes and name labels, painted headless
// and written as PNGs for a reviewer. The text must come out in the embedded font.

#include "tests/kit/KitTestSupport.h"

#include <functional>
#include <memory>
#include <vector>

namespace quindle::test::kit
{
namespace
{
// A panel of sliders, each with a look-and-feel of its own, painted on a Stylesheet colour.
class ControlSheet : public juce::Component
{
public:
    explicit ControlSheet (int backgroundColourId) : backgroundColour (backgroundColourId) {}

    ~ControlSheet() override
    {
        for (auto* child : getChildren())
            child->setLookAndFeel (nullptr);
    }

    juce::Slider& addSlider (NorvaneLookAndFeelOptions options, juce::Slider::SliderStyle style,
                             juce::Slider::TextEntryBoxPosition position, juce::Rectangle<int> bounds,
                             juce::Range<double> range, double value,
                             std::function<juce::String (double)> text = nullptr)
    {
        auto& slider = *sliders.emplace_back (std::make_unique<juce::Slider> (style, position));
        slider.setLookAndFeel (lookAndFeels.emplace_back (std::make_unique<NorvaneLookAndFeel> (options)).get());
        slider.setRange (range, 0.1);
        slider.textFromValueFunction = std::move (text);
        slider.setValue (value, juce::dontSendNotification);
        slider.updateText();
        slider.setBounds (bounds);
        addAndMakeVisible (slider);
        return slider;
    }

    juce::Label& addName (const juce::String& name, juce::Rectangle<int> bounds)
    {
        auto& label = *labels.emplace_back (std::make_unique<juce::Label> (juce::String(), name));
        label.setFont (label.getFont().withHeight (14.0f));
        label.setJustificationType (juce::Justification::centred);
        label.setBounds (bounds);
        addAndMakeVisible (label);
        return label;
    }

    juce::ToggleButton& addToggle (bool on, juce::Rectangle<int> bounds)
    {
        auto& toggle = *toggles.emplace_back (std::make_unique<juce::ToggleButton>());
        toggle.setToggleState (on, juce::dontSendNotification);
        toggle.setBounds (bounds);
        addAndMakeVisible (toggle);
        return toggle;
    }

    void paint (juce::Graphics& g) override { g.fillAll (styleColour (backgroundColour)); }

    /** Every text the sheet shows: name labels and slider text boxes. */
    std::vector<juce::Label*> texts()
    {
        std::vector<juce::Label*> found;

        for (auto& label : labels)
            found.push_back (label.get());

        for (auto& slider : sliders)
            for (auto* child : slider->getChildren())
                if (auto* label = dynamic_cast<juce::Label*> (child))
                    found.push_back (label);

        return found;
    }

private:
    const int backgroundColour;
    std::vector<std::unique_ptr<NorvaneLookAndFeel>> lookAndFeels;   // outlive the controls below
    std::vector<std::unique_ptr<juce::Slider>> sliders;
    std::vector<std::unique_ptr<juce::Label>> labels;
    std::vector<std::unique_ptr<juce::ToggleButton>> toggles;
};

NorvaneLookAndFeelOptions withOptions (std::function<void (NorvaneLookAndFeelOptions&)> change)
{
    NorvaneLookAndFeelOptions options;
    change (options);
    return options;
}

juce::String monoText (double hz) { return hz > 9.0 ? "Mono  " + juce::String (juce::roundToInt (hz)) + " Hz" : "Mono off"; }

void expectTextInTheEmbeddedFont (ControlSheet& sheet)
{
    const auto texts = sheet.texts();
    ASSERT_FALSE (texts.empty());

    for (auto* label : texts)
    {
        SCOPED_TRACE (label->getText().toStdString());
        EXPECT_TRUE (isEmbeddedTypeface (label->getFont()));
    }
}

constexpr float reviewScale = 3.0f;
} // namespace

TEST (ReviewImages, KnobsInTheirVariants)
{
    NorvaneLookAndFeel defaultLookAndFeel;
    const ScopedDefaultLookAndFeel installed (defaultLookAndFeel);

    ControlSheet sheet (6);
    sheet.setSize (660, 170);

    using S = juce::Slider;
    const auto knob = S::RotaryVerticalDrag;
    const juce::Range<double> percent (0.0, 200.0), balance (-100.0, 100.0);

    sheet.addName ("BALANCE", { 10, 8, 90, 18 });
    sheet.addSlider ({}, knob, S::TextBoxAbove, { 10, 30, 90, 90 }, balance, 35.0);
    sheet.addToggle (true, { 45, 126, 20, 20 });
    sheet.addToggle (false, { 70, 126, 20, 20 });

    sheet.addName ("WIDTH", { 120, 8, 90, 18 });
    sheet.addSlider ({}, knob, S::TextBoxAbove, { 120, 30, 90, 90 }, percent, 160.0);
    sheet.addSlider (withOptions ([] (auto& o) { o.knobStyle = 0; o.bipolar = false; o.arcOrigin = 1; o.wideTextBox = true; }),
                     knob, S::TextBoxBelow, { 215, 100, 30, 30 }, { 9.0, 999.0 }, 120.0, monoText);

    sheet.addName ("END LABELS", { 260, 8, 90, 18 });
    sheet.addSlider (withOptions ([] (auto& o) { o.leftEndLabel = "L"; o.rightEndLabel = "R"; o.raiseTextBox = true; }),
                     knob, S::TextBoxAbove, { 260, 30, 90, 90 }, balance, -60.0);

    sheet.addName ("TRACK", { 370, 8, 90, 18 });
    sheet.addSlider (withOptions ([] (auto& o) { o.showColouredTrack = true; }),
                     knob, S::TextBoxAbove, { 370, 30, 90, 90 }, percent, 100.0);

    sheet.addName ("HALF TURN", { 480, 8, 90, 18 });
    sheet.addSlider (withOptions ([] (auto& o) { o.arcOrigin = 2; }),
                     knob, S::TextBoxAbove, { 480, 30, 90, 90 }, percent, 150.0);
    sheet.addSlider (withOptions ([] (auto& o) { o.knobStyle = 0; o.bipolar = false; o.arcOrigin = 1; o.wideTextBox = true; }),
                     knob, S::TextBoxBelow, { 590, 60, 30, 30 }, { 9.0, 999.0 }, 9.0, monoText);

    expectTextInTheEmbeddedFont (sheet);

    const auto image = sheet.createComponentSnapshot (sheet.getLocalBounds(), true, reviewScale);
    EXPECT_TRUE (writeReviewImage (image, "kit-knobs.png"));

    // The small knob's value text lies below the knob, outside its bounds, and is still painted.
    const auto textArea = juce::Rectangle<int> (200, 135, 60, 12) * reviewScale;
    EXPECT_FALSE (inkBounds (image, textArea.toNearestInt(), styleColour (6)).isEmpty());
}

TEST (ReviewImages, OutputFader)
{
    NorvaneLookAndFeel defaultLookAndFeel;
    const ScopedDefaultLookAndFeel installed (defaultLookAndFeel);

    ControlSheet sheet (7);
    sheet.setSize (83, 209);

    const auto decibels = [] (double db) { return juce::String (db, 1) + " dB"; };
    sheet.addName ("OUT", { 0, 4, 83, 23 });
    sheet.addSlider (withOptions ([] (auto& o) { o.editorBackgroundColour = 4; }),
                     juce::Slider::LinearVertical, juce::Slider::TextBoxBelow, { 0, 27, 83, 170 },
                     { -18.0, 18.0 }, 4.5, decibels);

    expectTextInTheEmbeddedFont (sheet);

    const auto image = sheet.createComponentSnapshot (sheet.getLocalBounds(), true, reviewScale);
    EXPECT_TRUE (writeReviewImage (image, "kit-fader.png"));
}
} // namespace quindle::test::kit
