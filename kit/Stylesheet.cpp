#include "kit/Stylesheet.h"

#include <BinaryData.h>

JUCE_IMPLEMENT_SINGLETON (Stylesheet)

Stylesheet::Stylesheet()
    : typeface (juce::Typeface::createSystemTypefaceFor (BinaryData::GothamBook_otf,
                                                         static_cast<size_t> (BinaryData::GothamBook_otfSize)))
{
    // Derived entries read their source from the entries added before them.
    addColour (0, juce::Colour (0xff0b335c));
    addColour (1, juce::Colour (0xfff1f3f9));
    addColour (3, juce::Colour (0xff62748e));
    addColour (2, getColour (3).brighter (0.3f));
    addColour (4, getColour (0).darker (0.15f));
    addColour (5, getColour (0));
    addColour (6, juce::Colour (0xff03497c));
    addColour (7, getColour (0));
    addColour (8, juce::Colour (0xffac1c0c));
    addColour (9, juce::Colour (0xff65862c));
    addColour (10, juce::Colours::grey.darker (0.4f));
}

Stylesheet::~Stylesheet()
{
    clearSingletonInstance();
}

juce::Colour Stylesheet::getColour (int colourId) const
{
    const auto index = colours.indexOf ({ colourId, {} });
    return index >= 0 ? colours.getReference (index).colour : juce::Colours::black;
}

juce::Colour styleColour (int colourId)
{
    return Stylesheet::getInstance()->getColour (colourId);
}

void Stylesheet::addColour (int colourId, juce::Colour colour)
{
    colours.add ({ colourId, colour });
}
