#include "kit/CustomComponents.h"

#include "kit/Stylesheet.h"
#include "processor/ParameterRanges.h"
#include "processor/PluginProcessor.h"

#include <algorithm>
#include <utility>

namespace
{
// The modifier keys, with the mouse buttons removed, are exactly `flags`.
bool isExactly (juce::ModifierKeys mods, int flags) noexcept
{
    return mods.withoutMouseButtons() == juce::ModifierKeys (flags);
}

bool isFineDrag (juce::ModifierKeys mods) noexcept
{
    return isExactly (mods, juce::ModifierKeys::shiftModifier) || isExactly (mods, juce::ModifierKeys::ctrlModifier);
}

// Text of the flat buttons: bright when on, lighter grey while the mouse is over, else grey.
juce::Colour buttonTextColour (bool on, bool highlighted)
{
    if (on)
        return styleColour (Stylesheet::foregroundColourId);

    return styleColour (highlighted ? Stylesheet::highlightedColourId : Stylesheet::dimmedColourId);
}

void drawCentredLine (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> area)
{
    g.drawFittedText (text, area, juce::Justification::centred, 1, 0.0f);
}

// The same event with the modifier keys removed and the mouse buttons kept: the framework's
// slider must not read its own meaning (its Alt-click reset) into keys the kit has handled.
juce::MouseEvent withoutModifierKeys (const juce::MouseEvent& e)
{
    return { e.source, e.position, e.mods.withOnlyMouseButtons(), e.pressure, e.orientation, e.rotation,
             e.tiltX, e.tiltY, e.eventComponent, e.originalComponent, e.eventTime, e.mouseDownPosition,
             e.mouseDownTime, e.getNumberOfClicks(), e.mouseWasDraggedSinceMouseDown() };
}

// A press on the vertical fader lower than this (slider coordinates) lands on its value text.
constexpr int lowestFaderPressY = 145;

// Every connector line of the composites fades over this length.
constexpr float connectorFadeLength = 8.0f;
} // namespace

//==============================================================================
void CustomComponent::setControlParameterIndex (QuindleAudioProcessor& processor, juce::Component& component,
                                                const juce::StringRef& parameterID)
{
    auto* parameter = processor.apvts.getParameter (parameterID);

    // Only the processor's own parameters have a host index; a made-up one would point the host
    // at the wrong parameter.
    jassert (parameter != nullptr);

    if (parameter != nullptr)
        component.getProperties().set (controlParameterIndexKey, parameter->getParameterIndex());
}

//==============================================================================
ToggleButtonWithAAXFix::ToggleButtonWithAAXFix (const juce::String& buttonName)
    : ToggleButtonWithAAXFix (buttonName, false)
{
}

ToggleButtonWithAAXFix::ToggleButtonWithAAXFix (const juce::String& buttonName, bool defaultStateToUse)
    : juce::ToggleButton (buttonName),
      defaultState (defaultStateToUse)
{
}

void ToggleButtonWithAAXFix::returnToDefaultState()
{
    // Sends both the click and the state notification synchronously.
    setToggleState (defaultState, juce::sendNotificationSync);
}

void ToggleButtonWithAAXFix::mouseDown (const juce::MouseEvent& e)
{
    pressAccepted = ! isExactly (e.mods, juce::ModifierKeys::altModifier);

    if (! pressAccepted)
    {
        resetOnAltPress();

        // A first click takes the keyboard focus before it reaches here, and the framework marks
        // a focused button down while the mouse button is held.
        showUnpressed();
        return;
    }

    juce::ToggleButton::mouseDown (e);
}

void ToggleButtonWithAAXFix::mouseDrag (const juce::MouseEvent& e)
{
    // The framework marks the button down again on every move while the mouse button is held.
    if (pressAccepted)
        juce::ToggleButton::mouseDrag (e);
}

void ToggleButtonWithAAXFix::mouseUp (const juce::MouseEvent& e)
{
    // Alt may be let go before the mouse button: a press the reset used up stays used up.
    if (std::exchange (pressAccepted, false) && ! ignoresRelease (e))
        juce::ToggleButton::mouseUp (e);
    else
        showUnpressed();
}

void ToggleButtonWithAAXFix::resetOnAltPress()
{
    returnToDefaultState();
}

bool ToggleButtonWithAAXFix::ignoresRelease (const juce::MouseEvent&) const
{
    const auto keys = juce::ModifierKeys::currentModifiers;
    return keys.isCtrlDown() || keys.isAltDown();
}

void ToggleButtonWithAAXFix::showUnpressed()
{
    setState (isMouseOver (true) ? buttonOver : buttonNormal);
}

//==============================================================================
InlinedTextButton::InlinedTextButton (const juce::String& name, const juce::String& buttonText, int,
                                      juce::Atomic<bool>* flagToShow, bool defaultStateToUse,
                                      juce::Colour background)
    : ToggleButtonWithAAXFix (name, defaultStateToUse),
      flag (flagToShow),
      backgroundColour (background)
{
    setButtonText (buttonText);
}

void InlinedTextButton::setBackgroundColour (juce::Colour newColour)
{
    if (newColour != backgroundColour)
    {
        backgroundColour = newColour;
        repaint();
    }
}

void InlinedTextButton::setTextMargin (int newMargin)
{
    if (newMargin != textMargin)
    {
        textMargin = newMargin;
        repaint();
    }
}

bool InlinedTextButton::isShownOn() const
{
    return flag != nullptr ? flag->get() : getToggleState();
}

void InlinedTextButton::clicked()
{
    if (flag == nullptr)
        return;

    // Only this button writes the flag, but the owner's timer reads it at any moment.
    for (auto was = flag->get(); ! flag->compareAndSetBool (! was, was); was = flag->get())
    {
    }
}

void InlinedTextButton::paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool)
{
    g.fillAll (backgroundColour);
    g.setColour (buttonTextColour (isShownOn(), shouldDrawButtonAsHighlighted));
    g.setFont ((float) (getHeight() - 2 * textMargin));
    drawCentredLine (g, getButtonText(), getLocalBounds());
}

//==============================================================================
MonoButton::MonoButton() = default;

void MonoButton::paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool)
{
    g.setColour (styleColour (Stylesheet::panelColourId));
    g.fillRect (getLocalBounds());
    g.setColour (buttonTextColour (getToggleState(), shouldDrawButtonAsHighlighted));
    g.setFont (12.0f);
    drawCentredLine (g, "MONO", getLocalBounds());
}

//==============================================================================
SliderWithDoubleClick::SliderWithDoubleClick (juce::Slider::SliderStyle style,
                                              juce::Slider::TextEntryBoxPosition textBoxPosition)
    : juce::Slider (style, textBoxPosition),
      normalDragDistance (getMouseDragSensitivity()),
      fineDragDistance (normalDragDistance * fineDragFactor)
{
    // The value editor only opens on a double-click (mouseDoubleClick).
    setTextBoxIsEditable (false);

    // Keep the return value, which is what an Alt press restores, but never let the framework
    // act on a double-click or a single-click modifier itself.
    setDoubleClickReturnValue (false, getDoubleClickReturnValue(), juce::ModifierKeys());

    // Velocity mode stays off and no key may switch it on: every drag is an absolute drag.
    setVelocityModeParameters (1.0, 1, 0.0, false, juce::ModifierKeys::ctrlAltCommandModifiers);
}

void SliderWithDoubleClick::showValueEditor()
{
    // Slider::showTextBox asserts on a text box that is not editable by clicking.
    for (auto* child : getChildren())
    {
        if (auto* valueBox = dynamic_cast<juce::Label*> (child))
        {
            valueBox->showEditor();
            return;
        }
    }
}

void SliderWithDoubleClick::mouseDown (const juce::MouseEvent& e)
{
    const auto keys = juce::ModifierKeys::currentModifiers.withoutMouseButtons();
    pressAccepted = false;

    if (isExactly (keys, juce::ModifierKeys::altModifier))
    {
        resetToDefaultAsOneGesture();
        return;
    }

    if (isIgnoredFaderPress (e, keys))
        return;

    // A fader snapping to the mouse would ignore the drag distance, so a fine press does not snap.
    const auto fine = isFineDrag (keys);
    beginFrameworkDrag (e, fine, ! fine);
}

void SliderWithDoubleClick::mouseDrag (const juce::MouseEvent& e)
{
    if (! pressAccepted)
        return;

    const auto fine = isFineDrag (e.mods);

    if (getMouseDragSensitivity() != (fine ? fineDragDistance : normalDragDistance))
        restartDrag (e, fine);

    juce::Slider::mouseDrag (e);
}

void SliderWithDoubleClick::mouseDoubleClick (const juce::MouseEvent&)
{
    showValueEditor();
}

void SliderWithDoubleClick::paint (juce::Graphics& g)
{
    juce::Slider::paint (g);

    // The look that raises a knob's value box names the unit in the space it leaves below it.
    auto* norvane = dynamic_cast<NorvaneLookAndFeel*> (&getLookAndFeel());

    if (norvane == nullptr || ! norvane->getOptions().raiseTextBox)
        return;

    const auto valueBox = norvane->getSliderLayout (*this).textBoxBounds;
    g.setColour (styleColour (Stylesheet::foregroundColourId));
    g.setFont (10.0f);
    drawCentredLine (g, "ms", valueBox.withY (valueBox.getBottom()));
}

bool SliderWithDoubleClick::isIgnoredFaderPress (const juce::MouseEvent& e, juce::ModifierKeys keys) const
{
    return getSliderStyle() == juce::Slider::LinearVertical
        && (e.getMouseDownY() > lowestFaderPressY || keys.isCtrlDown() || keys.isAltDown());
}

void SliderWithDoubleClick::resetToDefaultAsOneGesture()
{
    const ScopedDragNotification gesture (*this);
    setValue (getDoubleClickReturnValue(), juce::sendNotificationSync);
}

void SliderWithDoubleClick::beginFrameworkDrag (const juce::MouseEvent& e, bool fine, bool snapToMouse)
{
    setMouseDragSensitivity (fine ? fineDragDistance : normalDragDistance);
    setSliderSnapsToMousePosition (snapToMouse);
    juce::Slider::mouseDown (withoutModifierKeys (e));
    pressAccepted = true;
}

// The framework ends the running gesture and begins a new one from the present value and mouse
// position, so changing speed mid-drag never makes the value jump. A restarted fader never snaps.
void SliderWithDoubleClick::restartDrag (const juce::MouseEvent& e, bool fine)
{
    juce::Slider::mouseUp (e);
    beginFrameworkDrag (e, fine, false);
}

//==============================================================================
SliderAttachmentThatAddsMonoHz::SliderAttachmentThatAddsMonoHz (juce::AudioProcessorValueTreeState& state,
                                                                const juce::String& parameterID,
                                                                juce::Slider& slider)
    : juce::AudioProcessorValueTreeState::SliderAttachment (state, parameterID, slider)
{
    auto* parameter = state.getParameter (parameterID);

    if (parameter == nullptr)
        return;   // the framework's attachment has already asserted and attached nothing

    slider.textFromValueFunction = [parameter] (double v) { return monoFreqSliderText (*parameter, v); };
    slider.updateText();
}

juce::String SliderAttachmentThatAddsMonoHz::monoFreqSliderText (const juce::RangedAudioParameter& parameter, double v)
{
    if (ParameterRanges::isMonoFreqOff ((float) v))
        return "Mono off";

    return "Mono  " + parameter.getText (parameter.convertTo0to1 ((float) v), 0);
}

//==============================================================================
NorvaneSliderComp::NorvaneSliderComp (QuindleAudioProcessor&, const juce::String& name,
                                      juce::Slider::SliderStyle style,
                                      juce::Slider::TextEntryBoxPosition textBoxPosition)
    : slider (style, textBoxPosition),
      label ({}, name)
{
    label.setFont (getLookAndFeel().getLabelFont (label).withHeight (14.0f));
    label.setEditable (false, false, false);
    label.setJustificationType (juce::Justification::centred);

    addAndMakeVisible (label);
    addAndMakeVisible (slider);

    // The variants draw connector lines that reach beyond the composite.
    setPaintingIsUnclipped (true);
}

void NorvaneSliderComp::resized()
{
    const auto w = getWidth(), h = getHeight();
    const auto s = std::max (0, std::min (w, h));

    // The name reaches 20 pixels beyond each side of the composite.
    label.setBounds (labelOffsetX - 20, 0, std::max (0, w + 40), std::max (0, h / 8));
    const auto top = label.getBottom();

    if (slider.getSliderStyle() == juce::Slider::LinearVertical)
        slider.setBounds (w / 2 - s / 2, top, s, std::max (0, juce::roundToInt (h * 0.9)));
    else
        slider.setBounds (w / 2 - s / 2, (int) ((float) h / 20.0f + (float) top), s, s);
}

//==============================================================================
void NorvaneRotarySliderComp::drawConnector (juce::Graphics& g, float cx, float stemEndY) const
{
    const auto colour = styleColour (Stylesheet::foregroundColourId);
    const auto footY = (float) slider.getBottom() - 12.0f;

    g.setColour (colour);
    g.drawLine (cx, footY, cx, stemEndY, 1.0f);

    NorvaneLookAndFeel::drawLineWithDoubleEndedFade (g, colour, { cx - 12.0f, footY, cx + 12.0f, footY },
                                                     connectorFadeLength, 0.0f);

    const auto underY = footY + 2.0f;
    NorvaneLookAndFeel::drawLineWithFadeOut (g, colour, { cx - 2.0f, underY, cx - 10.0f, underY },
                                             connectorFadeLength, 0.0f);
    NorvaneLookAndFeel::drawLineWithFadeOut (g, colour, { cx + 2.0f, underY, cx + 10.0f, underY },
                                             connectorFadeLength, 0.0f);
}

//==============================================================================
NorvaneSliderCompWithCombinedLabels::NorvaneSliderCompWithCombinedLabels (QuindleAudioProcessor& processor,
                                                                          const juce::String& name,
                                                                          juce::Slider::SliderStyle style,
                                                                          juce::Slider::TextEntryBoxPosition textBoxPosition)
    : NorvaneSliderComp (processor, name, style, textBoxPosition)
{
    label.setVisible (false);
    slider.addListener (this);
    slider.addMouseListener (&hoverRepaint, false);
}

NorvaneSliderCompWithCombinedLabels::~NorvaneSliderCompWithCombinedLabels()
{
    slider.removeMouseListener (&hoverRepaint);
    slider.removeListener (this);
}

void NorvaneSliderCompWithCombinedLabels::resized()
{
    slider.setBounds (getWidth() / 2 - 15, 0, 30, 30);
}

std::optional<juce::MouseEvent> NorvaneSliderCompWithCombinedLabels::onValueText (const juce::MouseEvent& e)
{
    auto inSlider = e.getEventRelativeTo (&slider);

    if (getLookAndFeel().getSliderLayout (slider).textBoxBounds.contains (inSlider.getPosition()))
        return inSlider;

    return std::nullopt;
}

void NorvaneSliderCompWithCombinedLabels::mouseDown (const juce::MouseEvent& e)
{
    const auto inSlider = onValueText (e);
    pressForwarded = inSlider.has_value();

    if (pressForwarded)
        slider.mouseDown (*inSlider);
}

void NorvaneSliderCompWithCombinedLabels::mouseUp (const juce::MouseEvent& e)
{
    // The release may land anywhere; the gesture the press began must end all the same.
    if (std::exchange (pressForwarded, false))
        slider.mouseUp (e.getEventRelativeTo (&slider));
}

void NorvaneSliderCompWithCombinedLabels::mouseDoubleClick (const juce::MouseEvent& e)
{
    if (onValueText (e).has_value())
        slider.showValueEditor();
}

void NorvaneSliderCompWithCombinedLabels::repaintParent()
{
    if (auto* parent = getParentComponent())
        parent->repaint();
}

//==============================================================================
NorvaneRotarySliderCompWithStPanButton::NorvaneRotarySliderCompWithStPanButton (QuindleAudioProcessor& processor,
                                                                                const juce::String& name,
                                                                                juce::Slider::SliderStyle style,
                                                                                juce::Slider::TextEntryBoxPosition textBoxPosition)
    : NorvaneRotarySliderComp (processor, name, style, textBoxPosition),
      stPanLabel ({}, "Stereo Pan")
{
    addAndMakeVisible (stPanButton);

    stPanLabel.setFont (stPanLabel.getFont().withHeight (0.75f * stPanLabel.getFont().getHeight()));
    stPanLabel.setJustificationType (juce::Justification::centredBottom);
    addAndMakeVisible (stPanLabel);
}

void NorvaneRotarySliderCompWithStPanButton::resized()
{
    const auto w = getWidth(), h = getHeight();

    // The toggle is a square of side b overlapping the knob's bottom by 40 % of b, inset by 10 %.
    const auto a = 0.5f * (float) std::min (w, h);
    const auto s = std::max (0, (int) a);
    const auto y = (int) std::max ((float) (juce::roundToInt (a) + h / 2), (float) h - a);
    const auto b = std::min (std::max (0, h - y), s);
    const auto x0 = w / 2 - b / 2;
    const auto margin = (int) (0.1f * (float) b);
    const auto side = std::max (0, b - 2 * margin);
    stPanButton.setBounds (x0 + margin, (int) ((float) y - (float) b / 2.5f) + margin, side, side);

    const auto labelHeight = (int) ((float) b / 3.0f);
    stPanLabel.setBounds (x0 + (b - w) / 2, h - labelHeight, w, labelHeight);

    NorvaneSliderComp::resized();
}

void NorvaneRotarySliderCompWithStPanButton::paint (juce::Graphics& g)
{
    drawConnector (g, (float) (getWidth() / 2), (float) (stPanButton.getY() + 2));
}

//==============================================================================
NorvaneRotarySliderCompWithSmallSliderOnTheSide::NorvaneRotarySliderCompWithSmallSliderOnTheSide (
    QuindleAudioProcessor& processor, const juce::String& name, juce::Slider::SliderStyle style,
    juce::Slider::TextEntryBoxPosition textBoxPosition)
    : NorvaneRotarySliderComp (processor, name, style, textBoxPosition),
      smallSlider (processor, {}, juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxBelow)
{
    addAndMakeVisible (smallSlider);

    // A plain arc that grows from 3 o'clock, with its value text wide below the knob.
    auto options = smallSliderLookAndFeel.getOptions();
    options.knobStyle = 0;
    options.bipolar = false;
    options.arcOrigin = 1;
    options.wideTextBox = true;
    smallSliderLookAndFeel.setOptions (options);
    smallSlider.setLookAndFeel (&smallSliderLookAndFeel);

    knobArea = getBounds();
}

void NorvaneRotarySliderCompWithSmallSliderOnTheSide::resized()
{
    const auto area = knobArea;
    const auto s = std::max (0, std::min (area.getWidth(), area.getHeight()));

    label.setBounds (labelOffsetX + area.getX(), 0, area.getWidth(), std::max (0, area.getHeight() / 8));
    slider.setBounds (area.getX() - s / 2 + area.getWidth() / 2,
                      (int) ((float) area.getHeight() / 20.0f + (float) label.getBottom()), s, s);

    // The small knob ends 2 pixels inside the composite's right edge, low beside the main knob.
    const auto knobWidth = (float) slider.getWidth(), knobHeight = (float) slider.getHeight();
    const auto smallWidth = juce::roundToInt (knobWidth / 1.3f);
    smallSlider.setBounds (getWidth() - smallWidth - 2, (int) (knobHeight * 1.63f), smallWidth,
                           (int) ((float) juce::roundToInt (knobHeight / 1.6f) + 1.0f));
}

void NorvaneRotarySliderCompWithSmallSliderOnTheSide::paint (juce::Graphics& g)
{
    const auto cx = (float) (knobArea.getX() + knobArea.getWidth() / 2);
    const auto smallKnob = smallSlider.slider.getBounds() + smallSlider.getPosition();
    const auto branchY = (float) (smallSlider.getY() + smallKnob.getHeight() / 2);

    drawConnector (g, cx, branchY);
    NorvaneLookAndFeel::drawLineWithFadeOut (g, styleColour (Stylesheet::foregroundColourId),
                                             { cx, branchY, (float) smallKnob.getX(), branchY },
                                             connectorFadeLength, 0.0f);
}
