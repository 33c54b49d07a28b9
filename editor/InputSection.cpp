#include "editor/InputSection.h"

#include "kit/Stylesheet.h"
#include "processor/ParameterIDs.h"
#include "processor/ParameterRanges.h"
#include "processor/PluginProcessor.h"

#include <algorithm>
#include <initializer_list>

namespace
{
constexpr float diagramFadeLength = 10.0f;

// The "ø" of the phase buttons.
const juce::String phaseFlipText = juce::String::charToString ((juce::juce_wchar) 0x00f8);

int centreX (const juce::Component& c) { return c.getX() + c.getWidth() / 2; }

void drawFadingLine (juce::Graphics& g, juce::Colour colour, int x1, int y1, int x2, int y2)
{
    NorvaneLookAndFeel::drawLineWithFadeOut (g, colour, { (float) x1, (float) y1, (float) x2, (float) y2 },
                                             diagramFadeLength, 0.0f);
}
} // namespace

//==============================================================================
MSLRButton::MSLRButton (juce::StringRef buttonName, juce::StringRef buttonText, int unused, bool defaultStateToUse)
    : InlinedTextButton (buttonName, buttonText, unused, nullptr, defaultStateToUse, juce::Colours::transparentBlack)
{
}

MSLRButton::~MSLRButton() = default;

void MSLRButton::addListener (Listener* listener)
{
    resetListeners.add (listener);
    juce::Button::addListener (listener);
}

void MSLRButton::removeListener (Listener* listener)
{
    resetListeners.remove (listener);
    juce::Button::removeListener (listener);
}

void MSLRButton::resetOnAltPress()
{
    resetListeners.call ([this] (Listener& l) { l.onReset (this); });
}

bool MSLRButton::ignoresRelease (const juce::MouseEvent& e) const
{
    return e.mods.isCtrlDown() || e.mods.isAltDown() || ToggleButtonWithAAXFix::ignoresRelease (e);
}

//==============================================================================
namespace
{
juce::RangedAudioParameter& inputMidSideOf (QuindleAudioProcessor& processor)
{
    auto* parameter = processor.apvts.getParameter (ParameterIDs::inputMidSide);
    jassert (parameter != nullptr);   // the processor's layout always has it
    return *parameter;
}
} // namespace

MsBox::MsBox (QuindleAudioProcessor& processor, InputSection& owner)
    : parameter (inputMidSideOf (processor)),
      inputSection (owner)
{
    addAndMakeVisible (mButton);
    addAndMakeVisible (sButton);

    mButton.addListener (this);
    sButton.addListener (this);

    parameter.addListener (this);
    parameterValueChanged (parameter.getParameterIndex(), parameter.getValue());
}

MsBox::~MsBox()
{
    mButton.removeListener (this);
    sButton.removeListener (this);

    // Once the parameter has let go of the box no other thread can post to it, so nothing is
    // left pending after the cancel.
    parameter.removeListener (this);
    cancelPendingUpdate();
}

void MsBox::paint (juce::Graphics& g)
{
    g.setColour (styleColour (Stylesheet::foregroundColourId));
    g.drawRect (getLocalBounds().toFloat(), 1.0f);
}

void MsBox::resized()
{
    const auto w = getWidth(), h = getHeight(), half = h / 2;
    mButton.setBounds (1, 1, std::max (0, w - 2), std::max (0, half - 2));
    sButton.setBounds (1, h - half + 1, std::max (0, w - 2), std::max (0, half - 2));
}

void MsBox::onReset (MSLRButton* button)
{
    inputSection.onReset (button);
}

void MsBox::buttonClicked (juce::Button* button)
{
    if (updatingFromParameter)
        return;

    using namespace ParameterRanges;
    InputMidSideChoice choice;

    if (button == &mButton)
        choice = mButton.getToggleState() ? midSolo : midAndSide;
    else if (button == &sButton)
        choice = sButton.getToggleState() ? sideSolo : midAndSide;
    else
        return;

    // The parameter tells the box at once, which brings the other button in line.
    parameter.beginChangeGesture();
    parameter.setValueNotifyingHost (parameter.convertTo0to1 (static_cast<float> (choice)));
    parameter.endChangeGesture();
}

void MsBox::parameterValueChanged (int, float)
{
    if (! juce::MessageManager::existsAndIsCurrentThread())
    {
        triggerAsyncUpdate();
        return;
    }

    // What is shown now is the latest value, also of a change still waiting from another thread.
    cancelPendingUpdate();
    showChoice();
}

void MsBox::handleAsyncUpdate()
{
    showChoice();
}

void MsBox::showChoice()
{
    if (updatingFromParameter)
        return;

    // The parameter as it stands, not the value a listener call was handed: another thread may
    // have set it since, and told the box before this call came.
    const juce::ScopedValueSetter<bool> following (updatingFromParameter, true);
    const auto choice = static_cast<int> (parameter.convertFrom0to1 (parameter.getValue()));

    mButton.setToggleState (choice == ParameterRanges::midSolo, juce::sendNotificationSync);
    sButton.setToggleState (choice == ParameterRanges::sideSolo, juce::sendNotificationSync);
}

//==============================================================================
InputSection::InputSection (QuindleAudioProcessor& processor)
    : msBox (processor, *this),
      lPhaseButton ("lPhaseButton", phaseFlipText, 0, nullptr, false, juce::Colours::transparentBlack),
      rPhaseButton ("rPhaseButton", phaseFlipText, 0, nullptr, false, juce::Colours::transparentBlack),
      stereoSwapButton ("stereoSwapButton", "STEREO SWAP", 0, nullptr, false, juce::Colours::transparentBlack)
{
    auto& state = processor.apvts;
    lEnabledAttachment   = std::make_unique<ButtonAttachment> (state, ParameterIDs::leftEnabled, lButton);
    rEnabledAttachment   = std::make_unique<ButtonAttachment> (state, ParameterIDs::rightEnabled, rButton);
    lPhaseAttachment     = std::make_unique<ButtonAttachment> (state, ParameterIDs::phaseFlipLeft, lPhaseButton);
    rPhaseAttachment     = std::make_unique<ButtonAttachment> (state, ParameterIDs::phaseFlipRight, rPhaseButton);
    stereoSwapAttachment = std::make_unique<ButtonAttachment> (state, ParameterIDs::stereoSwap, stereoSwapButton);
    inputMonoAttachment  = std::make_unique<ButtonAttachment> (state, ParameterIDs::inputMono, inputMonoButton);

    for (auto* child : std::initializer_list<juce::Component*> { &msBox, &lButton, &rButton, &lPhaseButton,
                                                                 &rPhaseButton, &stereoSwapButton, &inputMonoButton })
        addAndMakeVisible (child);

    lButton.addListener (this);
    rButton.addListener (this);
}

InputSection::~InputSection()
{
    lButton.removeListener (this);
    rButton.removeListener (this);
}

void InputSection::onReset (MSLRButton*)
{
    for (auto* button : { &msBox.mButton, &msBox.sButton, &lButton, &rButton })
        button->returnToDefaultState();
}

void InputSection::buttonClicked (juce::Button*)
{
    // The diagram shows whether L and R are on.
    repaint();
}

void InputSection::resized()
{
    const auto w = getWidth(), h = getHeight();

    msBox.setBounds ((w - 29) / 2, 10, 29, 50);
    lButton.setBounds (8, h / 2 + 3, 25, 25);
    rButton.setBounds (w - 32, h / 2 + 3, 25, 25);

    const auto underChannel = [] (juce::Rectangle<int> channel)
    {
        return juce::Rectangle<int> (channel.getX() + 5, channel.getY() + 25,
                                     std::max (0, channel.getWidth() - 10), std::max (0, channel.getHeight() - 10));
    };
    lPhaseButton.setBounds (underChannel (lButton.getBounds()));
    rPhaseButton.setBounds (underChannel (rButton.getBounds()));

    const auto gap = rButton.getX() - lButton.getRight();
    const auto swapWidth = std::max (gap, 10) - 10;
    stereoSwapButton.setBounds (w / 2 - swapWidth / 2, h - std::min (h, 40), swapWidth, std::min (h, 12));

    const auto monoWidth = std::max (0, (int) (0.75 * stereoSwapButton.getWidth()));
    inputMonoButton.setBounds (w / 2 - monoWidth / 2, h - std::min (h, 16), monoWidth, std::min (h, 16));
}

void InputSection::paint (juce::Graphics& g)
{
    g.fillAll (styleColour (Stylesheet::inputSectionColourId));

    // From the M/S box down to a bar that splits towards L and R.
    const auto lineColour = styleColour (Stylesheet::foregroundColourId).withAlpha ((juce::uint8) 0x99);
    const auto boxX = centreX (msBox), boxBottom = msBox.getBottom();
    const auto yMid = boxBottom + (lButton.getY() - boxBottom) / 2;
    const auto lX = centreX (lButton), rX = centreX (rButton);

    g.setColour (lineColour);
    g.drawLine ((float) boxX, (float) boxBottom, (float) boxX, (float) yMid, 1.0f);
    g.drawLine ((float) lX, (float) yMid, (float) rX, (float) yMid, 1.0f);
    drawFadingLine (g, lineColour, lX, yMid, lX, lButton.getY());
    drawFadingLine (g, lineColour, rX, yMid, rX, rButton.getY());

    // From each phase button into the swap; a channel that is off is drawn dim.
    const auto dim = styleColour (Stylesheet::dimmedColourId).withAlpha ((juce::uint8) 0xcc);
    const auto swapY = stereoSwapButton.getY() + stereoSwapButton.getHeight() / 2;

    const auto drawChannelPath = [&] (const juce::Button& channel, const juce::Component& phase, int swapEndX)
    {
        const auto colour = channel.getToggleState() ? lineColour : dim;
        drawFadingLine (g, colour, centreX (phase), swapY, centreX (phase), phase.getBottom() + 2);
        drawFadingLine (g, colour, centreX (phase), swapY, swapEndX, swapY);
    };
    drawChannelPath (lButton, lPhaseButton, stereoSwapButton.getX());
    drawChannelPath (rButton, rPhaseButton, stereoSwapButton.getRight());

    g.setColour (styleColour (Stylesheet::panelColourId));
    g.fillRect (inputMonoButton.getBounds());

    if (! lButton.getToggleState() && ! rButton.getToggleState())
    {
        g.setColour (styleColour (Stylesheet::alertColourId));
        g.setFont (15.0f);
        g.drawFittedText ("MUTED", 0, lButton.getY(), getWidth(), lButton.getHeight(),
                          juce::Justification::centred, 1, 0.0f);
    }
}
