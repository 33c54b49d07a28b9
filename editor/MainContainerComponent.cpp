#include "editor/MainContainerComponent.h"

#include "kit/Stylesheet.h"
#include "processor/ParameterIDs.h"
#include "processor/PluginProcessor.h"

#include <algorithm>
#include <initializer_list>

namespace
{
void fillWithStyleColour (juce::Graphics& g, int colourId)
{
    g.fillAll (styleColour (colourId));
}

constexpr int infoTimerIntervalMs = 100;

// Sections sit 10 pixels inside their panel on every side.
juce::Rectangle<int> sectionArea (const juce::Component& panel)
{
    return { 10, 10, std::max (0, panel.getWidth() - 20), std::max (0, panel.getHeight() - 20) };
}
} // namespace

//==============================================================================
Left::Left (QuindleAudioProcessor& processor)
    : inputSection (processor)
{
    addAndMakeVisible (inputSection);

    auto& s = inputSection;
    setControlParameterIndex (processor, s.msBox, ParameterIDs::inputMidSide);
    setControlParameterIndex (processor, s.msBox.mButton, ParameterIDs::inputMidSide);
    setControlParameterIndex (processor, s.msBox.sButton, ParameterIDs::inputMidSide);
    setControlParameterIndex (processor, s.lButton, ParameterIDs::leftEnabled);
    setControlParameterIndex (processor, s.rButton, ParameterIDs::rightEnabled);
    setControlParameterIndex (processor, s.lPhaseButton, ParameterIDs::phaseFlipLeft);
    setControlParameterIndex (processor, s.rPhaseButton, ParameterIDs::phaseFlipRight);
    setControlParameterIndex (processor, s.stereoSwapButton, ParameterIDs::stereoSwap);
    setControlParameterIndex (processor, s.inputMonoButton, ParameterIDs::inputMono);
}

Left::~Left() = default;

void Left::paint (juce::Graphics& g)
{
    fillWithStyleColour (g, Stylesheet::panelColourId);
}

void Left::resized()
{
    inputSection.setBounds (sectionArea (*this));
}

//==============================================================================
Middle::Middle (QuindleAudioProcessor& processor, float verticalMarginToUse)
    : balanceKnob (processor, "BALANCE", juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxAbove),
      widthKnob (processor, "WIDTH", juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxAbove),
      balanceAttachment (processor.apvts, ParameterIDs::balance, balanceKnob.slider),
      widthAttachment (processor.apvts, ParameterIDs::width, widthKnob.slider),
      monoFreqAttachment (processor.apvts, ParameterIDs::monoFreq, widthKnob.smallSlider.slider),
      stereoPanAttachment (processor.apvts, ParameterIDs::stereoPan, balanceKnob.stPanButton),
      verticalMargin (verticalMarginToUse)
{
    // The BALANCE knob lies over the WIDTH knob where they overlap.
    addAndMakeVisible (widthKnob);
    addAndMakeVisible (balanceKnob);

    for (auto* knob : std::initializer_list<NorvaneSliderComp*> { &balanceKnob, &widthKnob })
    {
        knob->labelOffsetX = -1;
        knob->resized();
    }

    // The attachments switched the framework's double-click and Alt-click reset on. The kit's own
    // Alt press does the reset, to the return value the attachments stored, which stays.
    for (auto* slider : { &balanceKnob.slider, &widthKnob.slider, &widthKnob.smallSlider.slider })
        slider->setDoubleClickReturnValue (false, slider->getDoubleClickReturnValue(), juce::ModifierKeys());

    setControlParameterIndex (processor, balanceKnob.slider, ParameterIDs::balance);
    setControlParameterIndex (processor, widthKnob.slider, ParameterIDs::width);
    setControlParameterIndex (processor, widthKnob.smallSlider.slider, ParameterIDs::monoFreq);
    setControlParameterIndex (processor, balanceKnob.stPanButton, ParameterIDs::stereoPan);
}

Middle::~Middle() = default;

void Middle::paint (juce::Graphics& g)
{
    fillWithStyleColour (g, Stylesheet::middlePanelColourId);
}

void Middle::resized()
{
    auto area = getLocalBounds().toFloat();
    area.removeFromTop (area.getHeight() * verticalMargin);
    area.removeFromBottom (area.getHeight() * verticalMargin);

    const auto margin = (float) getWidth() * 0.5f * (1.0f / 9.0f);
    area = area.reduced (margin, 0.0f);

    const auto halfWidth = area.getWidth() * 0.5f;
    widthKnob.setBounds (area.removeFromLeft (halfWidth).reduced (margin / 2.0f, 0.0f).toNearestInt());
    balanceKnob.setBounds (area.removeFromLeft (halfWidth).reduced (margin / 2.0f, 0.0f).toNearestInt());

    // The WIDTH knob keeps its own square and name in the area it got so far; the composite then
    // reaches 10 pixels under the BALANCE composite, where its small knob sits.
    widthKnob.knobArea = widthKnob.getLocalBounds();
    widthKnob.setBounds (widthKnob.getBounds().withRight (balanceKnob.getX() + 10));
}

//==============================================================================
Right::Right (QuindleAudioProcessor& processor, float verticalMargin)
    : outputSection (processor, verticalMargin)
{
    addAndMakeVisible (outputSection);
    lookAndFeelChanged();
}

Right::~Right() = default;

void Right::lookAndFeelChanged()
{
    sectionLook.update();
}

void Right::paint (juce::Graphics& g)
{
    fillWithStyleColour (g, Stylesheet::panelColourId);
}

void Right::resized()
{
    outputSection.setBounds (sectionArea (*this));
}

//==============================================================================
MainContainerComponent::MainContainerComponent (QuindleAudioProcessor& processor)
    : left (processor),
      middle (processor, verticalMargin),
      right (processor, verticalMargin),
      infoButton ({}, "?", 0, &showInfo, false, styleColour (Stylesheet::panelColourId))
{
    // The order is the z-order: the overlay lies over the panels, the toggle over the overlay, so
    // that the overlay can be hidden again.
    for (auto* child : std::initializer_list<juce::Component*> { &left, &middle, &right, &info, &infoButton })
        addAndMakeVisible (child);

    info.setVisible (false);
    startTimer (infoTimerIntervalMs);
}

MainContainerComponent::~MainContainerComponent() = default;

void MainContainerComponent::resized()
{
    const auto w = getWidth(), h = getHeight();
    const auto leftWidth = std::min (w, (int) (w * 0.23809523809523808 * 1.5217391304347827));
    const auto rightWidth = std::min (w - leftWidth, (int) (w * 0.13 * 1.5217391304347827));

    left.setBounds (0, 0, leftWidth, h);
    right.setBounds (w - rightWidth, 0, rightWidth, h);
    middle.setBounds (leftWidth, 0, w - leftWidth - rightWidth, h);

    const auto buttonHeight = std::min (h, 21);
    infoButton.setBounds (1, h - buttonHeight - 1, std::min (w, 17), buttonHeight);
    infoButton.setTextMargin (2);
    infoButton.repaint();

    info.setBounds (0, 0, w, h);
}

void MainContainerComponent::timerCallback()
{
    info.setVisible (showInfo.get());
    infoButton.setBackgroundColour (styleColour (Stylesheet::panelColourId));
    infoButton.repaint();
}
