#include "editor/OutputSection.h"

#include "kit/Stylesheet.h"
#include "processor/ParameterIDs.h"
#include "processor/PluginProcessor.h"

#include <algorithm>

OutputSection::OutputSection (QuindleAudioProcessor& processor, float verticalMarginToUse)
    : gainFader (processor, "OUT", juce::Slider::LinearVertical, juce::Slider::TextBoxBelow),
      verticalMargin (verticalMarginToUse),
      gainAttachment (processor.apvts, ParameterIDs::outputGain, gainFader.slider),
      monoCheckAttachment (processor.apvts, ParameterIDs::monoCheck, monoCheckButton)
{
    addAndMakeVisible (gainFader);
    addAndMakeVisible (monoCheckButton);

    setControlParameterIndex (processor, gainFader.slider, ParameterIDs::outputGain);
    setControlParameterIndex (processor, monoCheckButton, ParameterIDs::monoCheck);

    lookAndFeelChanged();
}

OutputSection::~OutputSection() = default;

void OutputSection::lookAndFeelChanged()
{
    sectionLook.update();
}

void OutputSection::paint (juce::Graphics& g)
{
    g.fillAll (styleColour (Stylesheet::outputSectionColourId));
}

int OutputSection::referenceHeight() const
{
    if (auto* parent = getParentComponent())
        return parent->getHeight();

    // Component::getParentMonitorArea would dereference the missing display.
    if (auto* display = juce::Desktop::getInstance().getDisplays().getDisplayForRect (getScreenBounds()))
        return display->userArea.getHeight();

    return getHeight();
}

void OutputSection::resized()
{
    const auto w = (float) getWidth(), h = (float) getHeight();

    // The fader's top lines up with the tops of the knobs beside the section.
    const auto top = std::min (h, (float) referenceHeight() * verticalMargin - (float) getBoundsInParent().getY());
    const auto rest = h - top;
    const auto strip = std::min (rest, 16.0f);   // the button's row; a shorter one leaves it overhanging

    gainFader.setBounds (juce::Rectangle<float> (0.0f, top, w, rest - strip).toNearestInt());

    constexpr auto buttonHeight = 16.0f;
    const auto buttonWidth = 0.7f * w;
    monoCheckButton.setBounds (juce::Rectangle<float> ((w - buttonWidth) * 0.5f,
                                                       top + rest - strip + (strip - buttonHeight) * 0.5f,
                                                       buttonWidth, buttonHeight).toNearestInt());
}
