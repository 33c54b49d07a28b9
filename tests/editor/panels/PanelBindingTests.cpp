// Every control of the three panels is bound to its own parameter, in both directions, and tagged
// with that parameter's host index; an Alt press returns it to its parameter's default.

#include "tests/editor/panels/PanelTestSupport.h"

#include <functional>
#include <vector>

namespace quindle::test::editor
{
namespace
{
struct Binding
{
    const char* name;
    const char* parameterID;
    std::function<juce::Component& (Panels&)> control;
    float hostValue;      // in the parameter's own range
    double shownValue;    // the control's value or toggle state once the host set hostValue
    float controlValue;   // what moving the control to this value or state writes
};

juce::Slider* asSlider (juce::Component& c) { return dynamic_cast<juce::Slider*> (&c); }

double shownValue (juce::Component& control)
{
    if (auto* slider = asSlider (control))
        return slider->getValue();

    return dynamic_cast<juce::Button&> (control).getToggleState() ? 1.0 : 0.0;
}

void moveControl (juce::Component& control, float value)
{
    if (auto* slider = asSlider (control))
        slider->setValue (value, juce::sendNotificationSync);
    else
        dynamic_cast<juce::Button&> (control).setToggleState (value > 0.5f, juce::sendNotificationSync);
}

// "Input M/S" is a choice: 0 "M and S", 1 "M Solo", 2 "S Solo". Its two buttons each show one choice.
const Binding bindings[] = {
    { "M button",         ParameterIDs::inputMidSide,   [] (Panels& p) -> juce::Component& { return p.left.inputSection.msBox.mButton; }, 1.0f, 1.0, 0.0f },
    { "S button",         ParameterIDs::inputMidSide,   [] (Panels& p) -> juce::Component& { return p.left.inputSection.msBox.sButton; }, 2.0f, 1.0, 0.0f },
    { "L button",         ParameterIDs::leftEnabled,    [] (Panels& p) -> juce::Component& { return p.left.inputSection.lButton; }, 0.0f, 0.0, 1.0f },
    { "R button",         ParameterIDs::rightEnabled,   [] (Panels& p) -> juce::Component& { return p.left.inputSection.rButton; }, 0.0f, 0.0, 1.0f },
    { "L phase button",   ParameterIDs::phaseFlipLeft,  [] (Panels& p) -> juce::Component& { return p.left.inputSection.lPhaseButton; }, 1.0f, 1.0, 0.0f },
    { "R phase button",   ParameterIDs::phaseFlipRight, [] (Panels& p) -> juce::Component& { return p.left.inputSection.rPhaseButton; }, 1.0f, 1.0, 0.0f },
    { "stereo swap",      ParameterIDs::stereoSwap,     [] (Panels& p) -> juce::Component& { return p.left.inputSection.stereoSwapButton; }, 1.0f, 1.0, 0.0f },
    { "input mono",       ParameterIDs::inputMono,      [] (Panels& p) -> juce::Component& { return p.left.inputSection.inputMonoButton; }, 1.0f, 1.0, 0.0f },
    { "BALANCE knob",     ParameterIDs::balance,    [] (Panels& p) -> juce::Component& { return p.middle.balanceKnob.slider; }, -30.0f, -30.0, 45.0f },
    { "Stereo Pan toggle", ParameterIDs::stereoPan, [] (Panels& p) -> juce::Component& { return p.middle.balanceKnob.stPanButton; }, 1.0f, 1.0, 0.0f },
    { "WIDTH knob",       ParameterIDs::width,      [] (Panels& p) -> juce::Component& { return p.middle.widthKnob.slider; }, 1.5f, 1.5, 0.25f },
    { "Mono Freq knob",   ParameterIDs::monoFreq,   [] (Panels& p) -> juce::Component& { return p.middle.widthKnob.smallSlider.slider; }, 120.0f, 120.0, 400.0f },
    { "OUT fader",        ParameterIDs::outputGain, [] (Panels& p) -> juce::Component& { return p.right.outputSection.gainFader.slider; }, -4.5f, -4.5, 6.0f },
    { "mono check",       ParameterIDs::monoCheck,  [] (Panels& p) -> juce::Component& { return p.right.outputSection.monoCheckButton; }, 1.0f, 1.0, 0.0f },
};
} // namespace

TEST (PanelBindings, EachControlFollowsAndMovesOnlyItsOwnParameter)
{
    for (const auto& b : bindings)
    {
        SCOPED_TRACE (b.name);
        Panels panels;
        auto& control = b.control (panels);

        EXPECT_EQ ((int) control.getProperties()[CustomComponent::controlParameterIndexKey],
                   panels.parameter (b.parameterID).getParameterIndex())
            << "the host would show another parameter for this control";

        panels.set (b.parameterID, b.hostValue);
        EXPECT_NEAR (shownValue (control), b.shownValue, 1.0e-4) << "the control follows the host";

        std::vector<float> before;
        for (auto* id : ParameterIDs::inIndexOrder)
            before.push_back (panels.valueOf (id));

        moveControl (control, b.controlValue);
        EXPECT_NEAR (panels.valueOf (b.parameterID), b.controlValue, 1.0e-4) << "the control moves its parameter";

        for (size_t i = 0; i < ParameterIDs::inIndexOrder.size(); ++i)
        {
            if (juce::String (ParameterIDs::inIndexOrder[i]) != b.parameterID)
            {
                EXPECT_EQ (panels.valueOf (ParameterIDs::inIndexOrder[i]), before[i]) << ParameterIDs::inIndexOrder[i];
            }
        }
    }
}

TEST (PanelBindings, TheMsBoxItselfCarriesTheTagOfItsButtons)
{
    // The host asks about whatever lies under the mouse, the box's frame between its buttons too.
    Panels panels;
    auto& box = panels.left.inputSection.msBox;
    EXPECT_EQ ((int) box.getProperties()[CustomComponent::controlParameterIndexKey],
               panels.parameter (ParameterIDs::inputMidSide).getParameterIndex());
}

TEST (PanelBindings, AltPressReturnsEachControlToItsParametersDefault)
{
    for (const auto& b : bindings)
    {
        SCOPED_TRACE (b.name);
        Panels panels;
        auto& control = b.control (panels);
        auto& parameter = panels.parameter (b.parameterID);
        const auto defaultValue = parameter.convertFrom0to1 (parameter.getDefaultValue());

        panels.set (b.parameterID, b.hostValue);
        GestureCounter gestures (parameter);
        SyntheticMouse (control).click (control.getLocalBounds().getCentre().toFloat(), alt);

        EXPECT_NEAR (panels.valueOf (b.parameterID), defaultValue, 1.0e-4);
        EXPECT_EQ (gestures.begins, 1) << "one reset, one gesture for the host";
        EXPECT_TRUE (gestures.allClosed());
    }

    // The framework's own double-click reset stays off on the knobs; the kit opens the value editor.
    Panels panels;
    for (auto* knob : { &panels.middle.balanceKnob.slider, &panels.middle.widthKnob.slider,
                        &panels.middle.widthKnob.smallSlider.slider })
        EXPECT_FALSE (knob->isDoubleClickReturnEnabled());
}
} // namespace quindle::test::editor
