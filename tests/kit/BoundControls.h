#pragma once

// The kit's slider composites built and bound the way the middle and output panels bind them,
// on a real processor's parameter tree, at their design-size bounds.

#include "tests/common/ControlTestSupport.h"
#include "tests/kit/KitTestSupport.h"
#include "kit/CustomComponents.h"
#include "processor/ParameterIDs.h"
#include "tests/processor/ProcessorTestSupport.h"

#include <memory>

namespace quindle::test::kit
{
using Attachments = juce::AudioProcessorValueTreeState;

struct BoundControls
{
    BoundControls()
    {
        balance.labelOffsetX = -1;
        width.labelOffsetX = -1;
        balance.setBounds (122, 14, 90, 201);
        width.setBounds (19, 14, 90, 201);
        width.knobArea = width.getLocalBounds();
        width.setBounds (19, 14, 113, 201);
        out.setBounds (0, 4, 83, 189);

        // The middle panel leaves the kit's Alt press as the knobs' only reset; the fader keeps
        // the framework's Alt single-click modifier that its attachment set.
        for (auto* knob : { &balance.slider, &width.slider, &width.smallSlider.slider })
            knob->setDoubleClickReturnValue (false, knob->getDoubleClickReturnValue(), {});
    }

    std::unique_ptr<QuindleAudioProcessor> processor = processor::makeProcessor();
    NorvaneLookAndFeel lookAndFeel;
    ScopedDefaultLookAndFeel installed { lookAndFeel };

    NorvaneRotarySliderCompWithStPanButton balance { *processor, "BALANCE", juce::Slider::RotaryVerticalDrag,
                                                     juce::Slider::TextBoxAbove };
    NorvaneRotarySliderCompWithSmallSliderOnTheSide width { *processor, "WIDTH", juce::Slider::RotaryVerticalDrag,
                                                            juce::Slider::TextBoxAbove };
    NorvaneLinearSliderComp out { *processor, "OUT", juce::Slider::LinearVertical, juce::Slider::TextBoxBelow };

    Attachments::SliderAttachment balanceAttachment { processor->apvts, ParameterIDs::balance, balance.slider };
    Attachments::SliderAttachment widthAttachment { processor->apvts, ParameterIDs::width, width.slider };
    SliderAttachmentThatAddsMonoHz monoFreqAttachment { processor->apvts, ParameterIDs::monoFreq,
                                                        width.smallSlider.slider };
    Attachments::ButtonAttachment stereoPanAttachment { processor->apvts, ParameterIDs::stereoPan,
                                                        balance.stPanButton };
    Attachments::SliderAttachment gainAttachment { processor->apvts, ParameterIDs::outputGain, out.slider };

    juce::RangedAudioParameter& parameter (const char* parameterID) { return *processor->apvts.getParameter (parameterID); }

    float valueOf (const char* parameterID) { return processor::valueOf (*processor, parameterID); }
    void set (const char* parameterID, float value)   { processor::setParameter (*processor, parameterID, value); }
};
} // namespace quindle::test::kit
