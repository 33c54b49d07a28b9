// Every rectangle of the panels, the input and output sections, the composites in them and the
// overlay at the design size (the input section's own controls are in its tests), and the panels' layouts at sizes where the arithmetic clamps.

#include "tests/editor/panels/PanelTestSupport.h"

namespace quindle::test::editor
{
namespace
{
juce::Rectangle<int> rect (int x, int y, int w, int h) { return { x, y, w, h }; }
} // namespace

TEST (PanelLayout, EveryRectangleAtTheDesignSize)
{
    Panels panels;
    auto& left = panels.left;
    auto& middle = panels.middle;
    auto& output = panels.right.outputSection;
    auto& info = panels.info;
    auto& descriptions = info.descriptions;

    // Each child in its parent's coordinates.
    struct Case { const char* name; juce::Rectangle<int> actual, expected; };
    const Case cases[] = {
        { "Left: input section",                              left.inputSection.getBounds(),       rect (10, 10, 170, 209) },
        { "Input section: M/S box, centred",                  left.inputSection.msBox.getBounds(), rect (70, 10, 29, 50) },
        { "Input section: input mono at the bottom",          left.inputSection.inputMonoButton.getBounds(), rect (50, 193, 71, 16) },

        { "Middle: WIDTH composite reaches 10 under BALANCE", middle.widthKnob.getBounds(),        rect (19, 14, 113, 201) },
        { "Middle: BALANCE composite",                        middle.balanceKnob.getBounds(),      rect (122, 14, 90, 201) },
        { "Middle: WIDTH knob area, before it was widened",   middle.widthKnob.knobArea,           rect (0, 0, 90, 201) },
        { "BALANCE name, shifted by -1",                      middle.balanceKnob.label.getBounds(), rect (-21, 0, 130, 25) },
        { "BALANCE knob",                                     middle.balanceKnob.slider.getBounds(), rect (0, 35, 90, 90) },
        { "BALANCE Stereo Pan toggle",                        middle.balanceKnob.stPanButton.getBounds(), rect (27, 142, 37, 37) },
        { "BALANCE Stereo Pan label",                         middle.balanceKnob.stPanLabel.getBounds(), rect (1, 186, 90, 15) },
        { "WIDTH name, shifted by -1 in its knob area",       middle.widthKnob.label.getBounds(),  rect (-1, 0, 90, 25) },
        { "WIDTH knob",                                       middle.widthKnob.slider.getBounds(), rect (0, 35, 90, 90) },
        { "WIDTH Mono Freq composite",                        middle.widthKnob.smallSlider.getBounds(), rect (42, 146, 69, 57) },
        { "WIDTH Mono Freq knob",                             middle.widthKnob.smallSlider.slider.getBounds(), rect (19, 0, 30, 30) },

        { "Right: output section",                            output.getBounds(),                  rect (10, 10, 83, 209) },
        { "Output: OUT fader, its top on the knobs' row",     output.gainFader.getBounds(),        rect (0, 4, 83, 189) },
        { "Output: mono check",                               output.monoCheckButton.getBounds(),  rect (12, 193, 58, 16) },
        { "OUT name",                                         output.gainFader.label.getBounds(),  rect (-20, 0, 123, 23) },
        { "OUT fader's slider",                               output.gainFader.slider.getBounds(), rect (0, 23, 83, 170) },

        { "Info: descriptions band",                          descriptions.getBounds(),            rect (0, 44, 525, 161) },
        { "Info: title",                                      info.titleLabel.getBounds(),         rect (12, 0, 262, 40) },
        { "Info: link",                                       info.shopLink.getBounds(),           rect (363, 12, 140, 16) },
        { "Info: credits over the middle column, 20 wider",   info.credits.getBounds(),            rect (162, 58, 201, 143) },
        { "Info: notice line",                                info.noticeLabel.getBounds(),        rect (0, 205, 525, 24) },
        { "Descriptions: WIDTH text on the left",             descriptions.widthText.getBounds(),  rect (13, 14, 161, 143) },
        { "Descriptions: empty middle column",                descriptions.spacer.getBounds(),     rect (182, 14, 161, 143) },
        { "Descriptions: BALANCE text on the right",          descriptions.balanceText.getBounds(), rect (351, 14, 161, 143) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (c.actual, c.expected);
    }

    EXPECT_EQ (output.gainFader.getY() + output.getY(), middle.balanceKnob.getY())
        << "the fader's top lines up with the knobs' tops in the container";

    for (auto* text : { &descriptions.widthText, &descriptions.balanceText })
    {
        SCOPED_TRACE (text->headingLabel.getText());
        EXPECT_EQ (text->headingLabel.getBounds(), rect (0, 0, 161, 24));
        EXPECT_EQ (text->bodyLabel.getBounds(), rect (0, 33, 161, 110));
    }
}

TEST (PanelLayout, SmallSizesClampInsteadOfGoingNegative)
{
    auto processor = processor::makeProcessor();
    EditorLooks looks;

    // Left and Right keep their section 10 pixels in from every side.
    struct Case { const char* name; juce::Rectangle<int> panelBounds, expectedSection; };
    const Case sectionCases[] = {
        { "narrower than 20: no width",    rect (0, 0, 15, 229),  rect (10, 10, 0, 209) },
        { "lower than 20: no height",      rect (0, 0, 103, 12),  rect (10, 10, 83, 0) },
        { "exactly 20 by 20",              rect (0, 0, 20, 20),   rect (10, 10, 0, 0) },
    };

    for (const auto& c : sectionCases)
    {
        SCOPED_TRACE (c.name);
        Left left (*processor);
        left.setBounds (c.panelBounds);
        EXPECT_EQ (left.inputSection.getBounds(), c.expectedSection) << "Left";

        Right right (*processor, verticalMargin);
        right.setBounds (c.panelBounds);
        EXPECT_EQ (right.outputSection.getBounds(), c.expectedSection) << "Right";
    }

    // At width 0 both knobs collapse onto x 0; the WIDTH composite still reaches 10 pixels on.
    Middle middle (*processor, verticalMargin);
    middle.setBounds (0, 0, 0, 229);
    EXPECT_EQ (middle.balanceKnob.getBounds(), rect (0, 14, 0, 201));
    EXPECT_EQ (middle.widthKnob.knobArea, rect (0, 0, 0, 201));
    EXPECT_EQ (middle.widthKnob.getBounds(), rect (0, 14, 10, 201));
}

TEST (OutputSectionLayout, FollowsItsParentOrFallsBackToItsOwnHeight)
{
    auto processor = processor::makeProcessor();
    EditorLooks looks;
    ASSERT_TRUE (juce::Desktop::getInstance().getDisplays().displays.isEmpty()) << "the tests run headless";

    // top = min (h, reference height * 0.0625 - y); the strip under the fader is min (h - top, 16).
    struct Case
    {
        const char* name;
        int parentHeight;                 // 0: no parent
        juce::Rectangle<int> section, expectedFader, expectedButton;
    };
    const Case cases[] = {
        { "in Right at the design size", 229, rect (10, 10, 83, 209), rect (0, 4, 83, 189), rect (12, 193, 58, 16) },
        { "placed low: a negative top lifts the fader above the section",
                                         229, rect (10, 30, 83, 189), rect (0, -16, 83, 189), rect (12, 173, 58, 16) },
        { "a strip lower than the button: the button overhangs it, the fader has no height",
                                         320, rect (0, 0, 83, 30),    rect (0, 20, 83, 0),   rect (12, 17, 58, 16) },
        { "no parent and no display: its own height",
                                         0,   rect (10, 10, 83, 209), rect (0, 3, 83, 190),  rect (12, 193, 58, 16) },
        { "no parent, no display, no height",
                                         0,   rect (0, 0, 83, 0),     rect (0, 0, 83, 0),    rect (12, -8, 58, 16) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        juce::Component parent;
        parent.setSize (200, c.parentHeight);
        OutputSection output (*processor, verticalMargin);

        if (c.parentHeight > 0)
            parent.addAndMakeVisible (output);

        output.setBounds (c.section);
        EXPECT_EQ (output.gainFader.getBounds(), c.expectedFader);
        EXPECT_EQ (output.monoCheckButton.getBounds(), c.expectedButton);
    }
}
} // namespace quindle::test::editor
