// Right and the output section draw with variants of the look in effect when they were built,
// with Stylesheet colour 4 behind a value being edited, and take them off again before they are
// destroyed; the middle panel draws with the editor's look.

#include "tests/editor/panels/PanelTestSupport.h"

#include <memory>
#include <string>

namespace quindle::test::editor
{
using kit::styleColour;

namespace
{
NorvaneLookAndFeel* norvaneLookOf (juce::Component& c)
{
    return dynamic_cast<NorvaneLookAndFeel*> (&c.getLookAndFeel());
}

// Options that differ from the defaults in every field.
NorvaneLookAndFeelOptions unusualOptions()
{
    NorvaneLookAndFeelOptions o;
    o.knobStyle = 0;
    o.showColouredTrack = true;
    o.bipolar = false;
    o.arcOrigin = 2;
    o.leftEndLabel = "L";
    o.rightEndLabel = "R";
    o.raiseTextBox = true;
    o.wideTextBox = true;
    o.editorBackgroundColour = 9;
    return o;
}

::testing::AssertionResult isCopyWithEditingBackground4 (const NorvaneLookAndFeelOptions& actual,
                                                        const NorvaneLookAndFeelOptions& source)
{
    auto expected = source;
    expected.editorBackgroundColour = 4;

    if (actual.knobStyle == expected.knobStyle && actual.showColouredTrack == expected.showColouredTrack
        && actual.bipolar == expected.bipolar && actual.arcOrigin == expected.arcOrigin
        && std::string (actual.leftEndLabel) == expected.leftEndLabel
        && std::string (actual.rightEndLabel) == expected.rightEndLabel
        && actual.raiseTextBox == expected.raiseTextBox && actual.wideTextBox == expected.wideTextBox
        && actual.editorBackgroundColour == expected.editorBackgroundColour)
        return ::testing::AssertionSuccess();

    return ::testing::AssertionFailure() << "not the source's options with editing background 4";
}

juce::Colour valueEditorBackground (juce::Slider& slider)
{
    auto* valueBox = valueBoxOf (slider);

    if (valueBox == nullptr)
        return {};

    valueBox->showEditor();
    auto* editor = valueBox->getCurrentTextEditor();
    const auto colour = editor != nullptr ? editor->findColour (juce::TextEditor::backgroundColourId) : juce::Colour();
    valueBox->hideEditor (true);
    return colour;
}
} // namespace

TEST (SectionLookAndFeel, RightAndOutputCopyTheLookInEffectAtTheirConstruction)
{
    auto processor = processor::makeProcessor();
    EditorLooks looks (unusualOptions());
    Right right (*processor, verticalMargin);

    auto* rightLook = norvaneLookOf (right);
    auto* outputLook = norvaneLookOf (right.outputSection);
    ASSERT_NE (rightLook, nullptr);
    ASSERT_NE (outputLook, nullptr);
    EXPECT_NE (rightLook, &looks.defaultLookAndFeel);
    EXPECT_NE (outputLook, rightLook) << "each carries a variant of its own";
    EXPECT_TRUE (isCopyWithEditingBackground4 (rightLook->getOptions(), unusualOptions()));
    EXPECT_TRUE (isCopyWithEditingBackground4 (outputLook->getOptions(), unusualOptions()));
    EXPECT_EQ (&right.outputSection.gainFader.slider.getLookAndFeel(), outputLook);

    // Once installed, the editor's look and later changes of the ancestors' looks pass them by.
    looks.add (right, rightBounds);
    looks.installEditorLook();
    NorvaneLookAndFeel other;
    looks.editor.setLookAndFeel (&other);
    EXPECT_EQ (norvaneLookOf (right), rightLook);
    EXPECT_EQ (norvaneLookOf (right.outputSection), outputLook);
    EXPECT_TRUE (isCopyWithEditingBackground4 (outputLook->getOptions(), unusualOptions()));
    looks.editor.setLookAndFeel (nullptr);
}

TEST (SectionLookAndFeel, AnotherKindOfLookIsLeftInPlaceUntilANorvaneLookReachesTheSection)
{
    auto processor = processor::makeProcessor();
    juce::LookAndFeel_V4 plainLook;
    const kit::ScopedDefaultLookAndFeel installed (plainLook);

    juce::Component editor;
    Right right (*processor, verticalMargin);
    editor.addAndMakeVisible (right);

    EXPECT_EQ (&right.getLookAndFeel(), &plainLook);
    EXPECT_EQ (&right.outputSection.getLookAndFeel(), &plainLook);

    NorvaneLookAndFeel editorLook;
    editor.setLookAndFeel (&editorLook);
    auto* rightLook = norvaneLookOf (right);
    ASSERT_NE (rightLook, nullptr);
    EXPECT_NE (rightLook, &editorLook) << "a variant of the editor's look, not the look itself";
    EXPECT_TRUE (isCopyWithEditingBackground4 (rightLook->getOptions(), {}));
    ASSERT_NE (norvaneLookOf (right.outputSection), nullptr);
    EXPECT_TRUE (isCopyWithEditingBackground4 (norvaneLookOf (right.outputSection)->getOptions(), {}));

    editor.setLookAndFeel (nullptr);
}

TEST (SectionLookAndFeel, OnlyTheOutFadersValueEditorHasColour4Behind)
{
    Panels panels;

    EXPECT_EQ (&panels.middle.getLookAndFeel(), &panels.looks.editorLookAndFeel) << "Middle has no look of its own";

    struct Case { const char* name; juce::Slider& slider; int colourId; };
    const Case cases[] = {
        { "OUT fader",      panels.right.outputSection.gainFader.slider, 4 },
        { "BALANCE knob",   panels.middle.balanceKnob.slider,           7 },
        { "WIDTH knob",     panels.middle.widthKnob.slider,             7 },
        { "Mono Freq knob", panels.middle.widthKnob.smallSlider.slider, 7 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (valueEditorBackground (c.slider), styleColour (c.colourId));
    }
}

TEST (SectionLookAndFeel, NoLookAndFeelIsDestroyedWhileInUse)
{
    // The framework asserts (and logs, in a debug build) when a look-and-feel dies while a
    // component still refers to it; a text box made by it would keep it as a dangling listener.
    auto panels = std::make_unique<Panels>();
    panels->right.outputSection.gainFader.slider.setValue (3.0, juce::sendNotificationSync);

    auto processor = processor::makeProcessor();
    auto looks = std::make_unique<EditorLooks>();
    auto alone = std::make_unique<OutputSection> (*processor, verticalMargin);
    alone->setBounds (0, 0, 83, 209);

    processor::CapturedStderr captured;
    panels.reset();
    alone.reset();
    looks.reset();
    const auto log = captured.take();

    EXPECT_EQ (log.find ("juce_LookAndFeel.cpp"), std::string::npos) << log;
}
} // namespace quindle::test::editor
