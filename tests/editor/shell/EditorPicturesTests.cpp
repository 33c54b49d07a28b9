// Pictures of the whole editor at its default size of 700 x 305: at the defaults, with the
// overlay shown, and in a state far from the defaults. Written to the test output folder for a
// reviewer (editor-defaults.png, editor-overlay.png, editor-state.png) and checked by pixel:
// the panels' colours, the overlay over them, and controls that show the state.

#include "tests/editor/shell/EditorTestSupport.h"

namespace quindle::test::editor
{
using kit::coloursMatch;
using kit::styleColour;

namespace
{
// Points in the container's design coordinates where only a panel's fill shows.
struct Fill { const char* name; juce::Point<int> atDesign; int colourId; };
const Fill panelFills[] = {
    { "left panel, beside the input section",  { 5, 100 },   4 },
    { "input section, above the L button",     { 20, 30 },   5 },
    { "middle panel, above the knobs",         { 200, 5 },   6 },
    { "right panel, beside the output section", { 425, 120 }, 4 },
    { "output section, above the OUT fader",   { 436, 12 },  7 },
};

juce::Image pictureOf (QuindleAudioProcessorEditor& editor)
{
    return editor.createComponentSnapshot (editor.getLocalBounds());
}

juce::Point<int> inEditor (OpenEditor& open, juce::Point<int> atDesign)
{
    return open.editor().getLocalPoint (&open.container(), atDesign);
}

juce::Rectangle<int> areaOf (OpenEditor& open, juce::Component& c)
{
    return open.editor().getLocalArea (&c, c.getLocalBounds());
}

/** Pixels in the area drawn in the text colour of a control that is on. */
int brightPixels (const juce::Image& image, juce::Rectangle<int> area)
{
    int count = 0;

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            count += coloursMatch (image.getPixelAt (x, y), styleColour (1), 40) ? 1 : 0;

    return count;
}

/** The row of the OUT fader's thumb: the row of its track, above the value box, with the most
    bright pixels (the round thumb is wider than the marks at the track's ends). */
int faderThumbRow (OpenEditor& open, const juce::Image& image)
{
    auto& fader = open.container().right.outputSection.gainFader.slider;
    const auto track = areaOf (open, fader).withSizeKeepingCentre (30, areaOf (open, fader).getHeight());
    const auto aboveValueBox = track.withTrimmedBottom (areaOf (open, *valueBoxOf (fader)).getHeight() + 8);

    int bestRow = -1, bestCount = 0;

    for (int y = aboveValueBox.getY(); y < aboveValueBox.getBottom(); ++y)
        if (const auto count = brightPixels (image, aboveValueBox.withY (y).withHeight (1)); count > bestCount)
        {
            bestRow = y;
            bestCount = count;
        }

    return bestRow;
}

void expectPanelFills (OpenEditor& open, const juce::Image& image)
{
    for (const auto& f : panelFills)
    {
        SCOPED_TRACE (f.name);
        const auto at = inEditor (open, f.atDesign);
        EXPECT_TRUE (coloursMatch (image.getPixelAt (at.x, at.y), styleColour (f.colourId)));
    }
}
} // namespace

class EditorPictures : public SettingsFileTest {};

TEST_F (EditorPictures, DefaultsOverlayAndAStateFarFromTheDefaults)
{
    OpenEditor open;
    auto& editor = open.editor();
    auto& container = open.container();
    auto& input = container.left.inputSection;
    ASSERT_EQ (editor.getBounds(), juce::Rectangle<int> (0, 0, 700, 305));

    const auto defaults = pictureOf (editor);
    EXPECT_TRUE (kit::writeReviewImage (defaults, "editor-defaults.png"));
    EXPECT_TRUE (coloursMatch (defaults.getPixelAt (699, 150), styleColour (4))) << "the right edge is covered";
    EXPECT_TRUE (coloursMatch (defaults.getPixelAt (4, 304), styleColour (4))) << "the bottom edge is covered";
    {
        SCOPED_TRACE ("defaults");
        expectPanelFills (open, defaults);
    }

    // The overlay covers the panels; the "?" toggle stays over it, drawn as on.
    auto& toggle = container.infoButton;
    SyntheticMouse (toggle).click (toggle.getLocalBounds().getCentre().toFloat());
    runTimersFor (150);
    const auto overlay = pictureOf (editor);
    EXPECT_TRUE (kit::writeReviewImage (overlay, "editor-overlay.png"));
    {
        SCOPED_TRACE ("overlay");
        const auto titleRow = inEditor (open, { 200, 5 });
        const auto band = inEditor (open, { 8, 120 });
        EXPECT_TRUE (coloursMatch (overlay.getPixelAt (titleRow.x, titleRow.y), styleColour (4)));
        EXPECT_TRUE (coloursMatch (overlay.getPixelAt (band.x, band.y), styleColour (6)));
        EXPECT_EQ (brightPixels (defaults, areaOf (open, toggle)), 0) << "off at first";
        EXPECT_GT (brightPixels (overlay, areaOf (open, toggle)), 20);
    }
    SyntheticMouse (toggle).click (toggle.getLocalBounds().getCentre().toFloat());
    runTimersFor (150);

    open.set (ParameterIDs::inputMidSide, 2.0f);   // "S Solo"
    open.set (ParameterIDs::leftEnabled, 0.0f);
    open.set (ParameterIDs::width, 2.0f);
    open.set (ParameterIDs::balance, -100.0f);
    open.set (ParameterIDs::stereoPan, 1.0f);
    open.set (ParameterIDs::monoFreq, 120.0f);
    open.set (ParameterIDs::monoCheck, 1.0f);
    open.set (ParameterIDs::outputGain, -6.0f);
    const auto state = pictureOf (editor);
    EXPECT_TRUE (kit::writeReviewImage (state, "editor-state.png"));
    {
        SCOPED_TRACE ("state");
        expectPanelFills (open, state);

        struct Lit { const char* name; juce::Component& control; bool atDefaults, inState; };
        const Lit lit[] = {
            { "M",          input.msBox.mButton,                       false, false },
            { "S",          input.msBox.sButton,                       false, true },
            { "L",          input.lButton,                             true,  false },
            { "R",          input.rButton,                             true,  true },
            { "mono check", container.right.outputSection.monoCheckButton, false, true },
        };

        for (const auto& l : lit)
        {
            SCOPED_TRACE (l.name);
            EXPECT_EQ (brightPixels (defaults, areaOf (open, l.control)) > 10, l.atDefaults);
            EXPECT_EQ (brightPixels (state, areaOf (open, l.control)) > 10, l.inState);
        }

        const auto thumbAtDefaults = faderThumbRow (open, defaults), thumbInState = faderThumbRow (open, state);
        EXPECT_GT (thumbAtDefaults, 0);
        EXPECT_GT (thumbInState, thumbAtDefaults + 5) << "-6 dB sits lower on the fader than 0 dB";
    }
}

TEST_F (EditorPictures, AWindowOfAnotherShapeShowsTheWholePictureOverBlack)
{
    // A host window of 900 x 305: the picture as large as its height allows, at the top left,
    // every panel to its bottom and right edges drawn, and black beyond them.
    OpenEditor open (HostWindow::Passes::asItIs);
    open.window().resizeTo (900, 305);
    auto& editor = open.editor();
    ASSERT_EQ (editor.getBounds(), juce::Rectangle<int> (0, 0, 900, 305));

    const auto picture = pictureOf (editor);
    EXPECT_TRUE (kit::writeReviewImage (picture, "editor-other-shape.png"));
    expectPanelFills (open, picture);

    const auto drawn = areaOf (open, open.container());
    EXPECT_LE (drawn.getBottom(), 305);
    EXPECT_TRUE (coloursMatch (picture.getPixelAt (drawn.getRight() - 1, 150), styleColour (4))) << "the right panel reaches its edge";
    EXPECT_TRUE (coloursMatch (picture.getPixelAt (4, drawn.getBottom() - 1), styleColour (4))) << "the left panel reaches its bottom";
    EXPECT_TRUE (coloursMatch (picture.getPixelAt (drawn.getRight() + 10, 150), juce::Colours::black));
    EXPECT_TRUE (coloursMatch (picture.getPixelAt (899, 10), juce::Colours::black));
}
} // namespace quindle::test::editor
