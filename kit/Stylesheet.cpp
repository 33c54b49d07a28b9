#include "kit/Stylesheet.h"

#include <BinaryData.h>

JUCE_IMPLEMENT_SINGLETON (Stylesheet)

Stylesheet::Stylesheet()
    : typeface (juce::Typeface::createSystemTypefaceFor (BinaryData::GothamBook_otf,
                                                         static_cast<size_t> (BinaryData::GothamBook_otfSize)))
{
    // Derived entries read their source from the entries added before them.
    addColour (baseColourId, juce::Colour (0xff0b335c));
    addColour (foregroundColourId, juce::Colour (0xfff1f3f9));
    addColour (dimmedColourId, juce::Colour (0xff62748e));
    addColour (highlightedColourId, getColour (dimmedColourId).brighter (0.3f));
    addColour (panelColourId, getColour (baseColourId).darker (0.15f));
    addColour (inputSectionColourId, getColour (baseColourId));
    addColour (middlePanelColourId, juce::Colour (0xff03497c));
    addColour (outputSectionColourId, getColour (baseColourId));
    addColour (alertColourId, juce::Colour (0xffac1c0c));
    addColour (trackColourId, juce::Colour (0xff65862c));
    addColour (greyColourId, juce::Colours::grey.darker (0.4f));
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
