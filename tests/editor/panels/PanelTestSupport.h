#pragma once

// The panels and the overlay built as the editor builds them: with a NorvaneLookAndFeel as the
// process default while they are made, then inside a stand-in for the editor that draws with a
// look-and-feel of its own, at the container's design positions.

#include "editor/Info.h"
#include "editor/MainContainerComponent.h"
#include "tests/common/ControlTestSupport.h"
#include "tests/kit/KitTestSupport.h"
#include "processor/ParameterIDs.h"
#include "tests/processor/ProcessorTestSupport.h"

#include <memory>

namespace quindle::test::editor
{
inline constexpr float verticalMargin = 0.0625f;

// The container's layout at its design size of 525 x 229.
inline const juce::Rectangle<int> leftBounds { 0, 0, 190, 229 };
inline const juce::Rectangle<int> middleBounds { 190, 0, 232, 229 };
inline const juce::Rectangle<int> rightBounds { 422, 0, 103, 229 };
inline const juce::Rectangle<int> infoBounds { 0, 0, 525, 229 };

/** The editor's two looks, and a component standing in for the editor. */
struct EditorLooks
{
    explicit EditorLooks (NorvaneLookAndFeelOptions defaultOptions = {}) : defaultLookAndFeel (defaultOptions)
    {
        editor.setSize (525, 229);
    }

    ~EditorLooks() { editor.setLookAndFeel (nullptr); }

    void add (juce::Component& panel, juce::Rectangle<int> bounds)
    {
        editor.addAndMakeVisible (panel);
        panel.setBounds (bounds);
    }

    /** As the editor does once its content is built: the change reaches every panel in it. */
    void installEditorLook() { editor.setLookAndFeel (&editorLookAndFeel); }

    NorvaneLookAndFeel defaultLookAndFeel;
    kit::ScopedDefaultLookAndFeel installed { defaultLookAndFeel };
    NorvaneLookAndFeel editorLookAndFeel;
    juce::Component editor;
};

/** The three panels and the overlay on one processor, placed in the editor stand-in. */
struct Panels
{
    Panels()
    {
        looks.add (left, leftBounds);
        looks.add (middle, middleBounds);
        looks.add (right, rightBounds);
        looks.add (info, infoBounds);
        looks.installEditorLook();
    }

    std::unique_ptr<QuindleAudioProcessor> processor = processor::makeProcessor();
    EditorLooks looks;
    Left left { *processor };
    Middle middle { *processor, verticalMargin };
    Right right { *processor, verticalMargin };
    InfoComponent info;

    juce::RangedAudioParameter& parameter (const char* parameterID) { return *processor->apvts.getParameter (parameterID); }
    float valueOf (const char* parameterID) { return processor::valueOf (*processor, parameterID); }
    void set (const char* parameterID, float value) { processor::setParameter (*processor, parameterID, value); }
};
} // namespace quindle::test::editor
