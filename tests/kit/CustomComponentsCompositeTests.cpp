// The slider composites: their layouts at the sizes the panels give them, the small Mono Freq
// knob that takes clicks on its value text, its texts, its parent repaints, the connector lines
// and a review image of the middle and output panels' controls.

#include "tests/kit/BoundControls.h"

#include <vector>

namespace quindle::test::kit
{
namespace
{
juce::Rectangle<int> rect (int x, int y, int w, int h) { return { x, y, w, h }; }
} // namespace

TEST (SliderComposites, LayOutAtTheSizesThePanelsGive)
{
    BoundControls controls;

    // The panels' design sizes (see BoundControls), and a plain knob 80 x 60.
    NorvaneRotarySliderComp plain (*controls.processor, "KNOB", juce::Slider::RotaryVerticalDrag,
                                   juce::Slider::TextBoxAbove);
    plain.setBounds (0, 0, 80, 60);

    NorvaneRotarySliderCompWithSmallSliderOnTheSide unplaced (*controls.processor, "WIDTH", juce::Slider::RotaryVerticalDrag,
                                                              juce::Slider::TextBoxAbove);
    unplaced.setBounds (0, 0, 113, 201);

    struct Case { const char* name; juce::Component& child; juce::Rectangle<int> expected; };
    const Case cases[] = {
        { "80 x 60 knob: the name reaches 20 beyond each side", plain.label,  rect (-20, 0, 120, 7) },
        { "80 x 60 knob: the square reaches below the composite", plain.slider, rect (10, 10, 60, 60) },

        { "BALANCE name, shifted by -1",                  controls.balance.label,       rect (-21, 0, 130, 25) },
        { "BALANCE knob",                                 controls.balance.slider,      rect (0, 35, 90, 90) },
        { "Stereo Pan toggle overlaps the knob's bottom", controls.balance.stPanButton, rect (27, 142, 37, 37) },
        { "Stereo Pan label at the very bottom",          controls.balance.stPanLabel,  rect (1, 186, 90, 15) },

        { "WIDTH name, in its knob area",                 controls.width.label,         rect (-1, 0, 90, 25) },
        { "WIDTH knob, in its knob area",                 controls.width.slider,        rect (0, 35, 90, 90) },
        { "Mono Freq composite, 2 inside the right edge", controls.width.smallSlider,   rect (42, 146, 69, 57) },
        { "Mono Freq knob, centred at the top",           controls.width.smallSlider.slider, rect (19, 0, 30, 30) },
        { "WIDTH before its knob area is set: no knob",   unplaced.slider,              rect (0, 0, 0, 0) },
        { "WIDTH before its knob area is set: no small knob", unplaced.smallSlider,     rect (111, 0, 0, 1) },

        { "OUT name",                                     controls.out.label,           rect (-20, 0, 123, 23) },
        { "OUT fader, nine tenths of the height",         controls.out.slider,          rect (0, 23, 83, 170) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (c.child.getBounds(), c.expected);
    }
}

TEST (SliderComposites, AreBuiltAsThePanelsExpect)
{
    BoundControls controls;

    for (auto* composite : std::initializer_list<NorvaneSliderComp*> { &controls.balance, &controls.width, &controls.out })
    {
        SCOPED_TRACE (composite->label.getText());
        EXPECT_FLOAT_EQ (composite->label.getFont().getHeight(), 14.0f);
        EXPECT_FALSE (composite->label.isEditableOnSingleClick() || composite->label.isEditableOnDoubleClick());
        EXPECT_TRUE (composite->isPaintingUnclipped()) << "the connector lines may reach outside";
    }

    EXPECT_EQ (controls.balance.stPanLabel.getText(), "Stereo Pan");
    EXPECT_FLOAT_EQ (controls.balance.stPanLabel.getFont().getHeight(), 0.75f * 15.0f);
    EXPECT_EQ (controls.balance.stPanLabel.getJustificationType(), juce::Justification::centredBottom);
    EXPECT_FALSE (controls.balance.stPanButton.getDefaultState());

    auto& small = controls.width.smallSlider;
    EXPECT_FALSE (small.label.isVisible()) << "the small knob's name is its value text";
    EXPECT_EQ (&small.slider.getLookAndFeel(), &controls.width.smallSliderLookAndFeel);

    const auto options = controls.width.smallSliderLookAndFeel.getOptions();
    EXPECT_EQ (options.knobStyle, 0);
    EXPECT_FALSE (options.bipolar);
    EXPECT_EQ (options.arcOrigin, 1);
    EXPECT_TRUE (options.wideTextBox);
    EXPECT_FALSE (options.raiseTextBox);
    EXPECT_EQ (options.editorBackgroundColour, 7);
}

//==============================================================================
TEST (NorvaneSliderCompWithCombinedLabels, TakesClicksOnTheValueTextForTheKnob)
{
    // The value text is 60 x 12, 5 below the 30 x 30 knob: (4, 35, 60, 12) in the composite.
    enum Action { click, altClick, pressOnTextReleaseBelow, doubleClick };
    struct Case { const char* name; Action action; juce::Point<float> at; double expected; int gestures; bool editorOpen; };
    const Case cases[] = {
        { "a click on the text presses the knob",       click,    { 34.0f, 41.0f }, 120.0, 1, false },
        { "its top left corner belongs to it",          click,    { 4.0f, 35.0f },  120.0, 1, false },
        { "its right edge does not",                    click,    { 64.0f, 41.0f }, 120.0, 0, false },
        { "below the text is nothing",                  click,    { 34.0f, 50.0f }, 120.0, 0, false },
        { "an Alt click on the text turns it off",      altClick, { 34.0f, 41.0f }, 9.0,   1, false },
        { "released off the text, the gesture still ends", pressOnTextReleaseBelow, { 34.0f, 41.0f }, 120.0, 1, false },
        { "a double-click on the text opens the editor", doubleClick, { 34.0f, 41.0f }, 120.0, 2, true },
        { "a double-click elsewhere does not",          doubleClick, { 34.0f, 50.0f }, 120.0, 0, false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        BoundControls controls;
        controls.set (ParameterIDs::monoFreq, 120.0f);
        auto& small = controls.width.smallSlider;

        GestureCounter gestures (controls.parameter (ParameterIDs::monoFreq));
        SyntheticMouse mouse (small);

        switch (c.action)
        {
            case click:       mouse.click (c.at); break;
            case altClick:    mouse.click (c.at, alt); break;
            case doubleClick: mouse.doubleClick (c.at); break;
            case pressOnTextReleaseBelow:
                mouse.press (c.at);
                mouse.dragBy (0.0f, 15.0f);
                mouse.release();
                break;
        }

        EXPECT_NEAR (controls.valueOf (ParameterIDs::monoFreq), c.expected, 1.0e-4);
        EXPECT_EQ (gestures.begins, c.gestures);
        EXPECT_TRUE (gestures.allClosed()) << "the host would keep Mono Freq touched";
        EXPECT_EQ (valueBoxOf (small.slider)->isBeingEdited(), c.editorOpen);
    }
}

TEST (SliderAttachmentThatAddsMonoHz, ShowsOffOrTheFrequencyAfterTwoSpaces)
{
    BoundControls controls;
    auto& slider = controls.width.smallSlider.slider;
    auto* valueBox = valueBoxOf (slider);
    ASSERT_NE (valueBox, nullptr);

    EXPECT_EQ (valueBox->getText(), "Mono off") << "the text box shows the knob's own text at once";

    struct Case { float value; const char* text; };
    const Case cases[] = {
        { 9.0f,   "Mono off" },
        { 10.0f,  "Mono  10Hz" },
        { 120.0f, "Mono  120Hz" },
        { 999.0f, "Mono  999Hz" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.value);
        EXPECT_EQ (SliderAttachmentThatAddsMonoHz::monoFreqSliderText (controls.parameter (ParameterIDs::monoFreq), c.value),
                   c.text);
        controls.set (ParameterIDs::monoFreq, c.value);
        EXPECT_EQ (valueBox->getText(), c.text);
    }
}

//==============================================================================
TEST (NorvaneSliderCompWithCombinedLabels, RepaintsItsParentOnAChangeNotWhilePainting)
{
    BoundControls controls;
    auto& small = controls.width.smallSlider;

    // Without a parent, painting and a value change are harmless.
    small.getParentComponent()->removeChildComponent (&small);
    EXPECT_TRUE (small.createComponentSnapshot (small.getLocalBounds()).isValid());
    controls.set (ParameterIDs::monoFreq, 200.0f);

    controls.width.addAndMakeVisible (small);
    controls.width.setVisible (true);
    auto* probe = new RepaintProbe;
    controls.width.setCachedComponentImage (probe);   // which repaints once itself
    probe->wholeRepaints = 0;

    (void) small.createComponentSnapshot (small.getLocalBounds());
    EXPECT_EQ (probe->wholeRepaints, 0) << "a repaint from paint would never end";

    controls.set (ParameterIDs::monoFreq, 300.0f);
    EXPECT_GE (probe->wholeRepaints, 1) << "the value text lies outside the knob's own repaints";

    controls.width.setCachedComponentImage (nullptr);
}

//==============================================================================
namespace
{
// The middle panel's knobs and the output section's fader on their panel colours, side by side.
class ControlsPanel : public juce::Component
{
public:
    explicit ControlsPanel (BoundControls& controls)
    {
        setSize (232 + 83, 229);
        middle.setBounds (0, 0, 232, 229);
        output.setBounds (232, 0, 83, 229);
        addAndMakeVisible (middle);
        addAndMakeVisible (output);
        middle.addAndMakeVisible (controls.width);
        middle.addAndMakeVisible (controls.balance);
        output.addAndMakeVisible (controls.out);
        output.colourId = 7;
    }

    struct Fill : juce::Component
    {
        void paint (juce::Graphics& g) override { g.fillAll (styleColour (colourId)); }
        int colourId = 6;
    };

    Fill middle, output;
};
} // namespace

TEST (SliderComposites, DrawConnectorsToTheirSecondControls)
{
    BoundControls controls;
    controls.set (ParameterIDs::width, 1.5f);
    controls.set (ParameterIDs::balance, -30.0f);
    controls.set (ParameterIDs::monoFreq, 120.0f);
    controls.set (ParameterIDs::outputGain, -4.5f);

    ControlsPanel panel (controls);
    const auto image = panel.createComponentSnapshot (panel.getLocalBounds());
    const auto background = styleColour (6);

    // In the middle panel: WIDTH at (19, 14), its knob bottom at 125 and the small knob's middle
    // at 161; BALANCE at (122, 14), its toggle at 142.
    struct Case { const char* name; juce::Rectangle<int> area; bool ink; };
    const Case cases[] = {
        { "WIDTH stem down from the knob",         rect (19 + 44, 14 + 130, 3, 20), true },
        { "WIDTH branch to the small knob",        rect (19 + 48, 14 + 160, 10, 3), true },
        { "nothing beside the WIDTH stem",         rect (19 + 30, 14 + 130, 10, 20), false },
        { "WIDTH foot across the stem",            rect (19 + 36, 14 + 112, 18, 3), true },
        { "BALANCE stem down to its toggle",       rect (122 + 44, 14 + 126, 3, 10), true },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (! inkBounds (image, c.area, background).isEmpty(), c.ink);
    }

    EXPECT_TRUE (writeReviewImage (panel.createComponentSnapshot (panel.getLocalBounds(), true, 3.0f),
                                   "slider-composites.png"));
}
} // namespace quindle::test::kit
