// The editor shell: what it logs and how big it is when it opens, the scale of the container,
// the stored widths it accepts, the host's question for a control's parameter, and the
// process-wide look-and-feel it installs and takes away again.

#include "tests/editor/shell/EditorTestSupport.h"

namespace quindle::test::editor
{
namespace
{
using Editor = QuindleAudioProcessorEditor;

juce::Rectangle<int> rect (int x, int y, int w, int h) { return { x, y, w, h }; }
} // namespace

class EditorShell : public SettingsFileTest {};

TEST_F (EditorShell, FirstOpeningLogsItsSizesAndSavesNothing)
{
    OpenEditor open;

    const std::vector<std::string> expected {
        "Editor created",
        "Width loaded: 700",
        "resized to 400, dontSaveWidth: 10",   // the resize limits applied to 0 x 0
        "resized to 700, dontSaveWidth: 9",
        "Editor constructed",
    };
    EXPECT_EQ (linesOf (open.openingLog), expected);

    auto& editor = open.editor();
    EXPECT_EQ (editor.getBounds(), rect (0, 0, 700, 305));
    EXPECT_EQ (open.processor->getActiveEditor(), &editor);
    EXPECT_TRUE (editor.isResizable());

    auto* constrainer = editor.getConstrainer();
    ASSERT_NE (constrainer, nullptr);
    EXPECT_DOUBLE_EQ (constrainer->getFixedAspectRatio(), 2.3);
    EXPECT_EQ (constrainer->getMinimumWidth(), 400);
    EXPECT_EQ (constrainer->getMinimumHeight(), 174);
    EXPECT_EQ (constrainer->getMaximumWidth(), 1000);
    EXPECT_EQ (constrainer->getMaximumHeight(), 435);

    // The container is the editor's only child of its own; the framework's resize corner lies over it.
    ASSERT_EQ (editor.getNumChildComponents(), 2);
    EXPECT_EQ (editor.getChildComponent (0), &open.container());
    EXPECT_NE (dynamic_cast<juce::ResizableCornerComponent*> (editor.getChildComponent (1)), nullptr);
    EXPECT_TRUE (open.container().isVisible());

    open.close();
    EXPECT_FALSE (settingsFile().existsAsFile()) << "opening and closing wrote no width";
}

TEST_F (EditorShell, HeightsBelongToWidths)
{
    struct Case { int width, height; };
    const Case cases[] = { { 400, 174 }, { 525, 229 }, { 700, 305 }, { 1000, 435 }, { 702, 306 }, { 1002, 436 } };

    for (const auto& c : cases)
        EXPECT_EQ (EditorShape::heightForWidth (c.width), c.height) << c.width;
}

TEST_F (EditorShell, TheContainerKeepsItsDesignSizeAndIsScaledAsAWindowTwoPixelsWider)
{
    struct Case { const char* stored; int width; float sx, sy; juce::Rectangle<int> scaled; };
    const Case cases[] = {
        { "700",  700,  1.3371429f,           1.3362445f,           rect (0, 0, 702, 306) },
        { "1000", 1000, 1002.0f / 525.0f,     436.0f / 229.0f,      rect (0, 0, 1002, 436) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.stored);
        storeWidthText (c.stored);
        OpenEditor open;
        auto& container = open.container();

        EXPECT_EQ (open.editor().getWidth(), c.width);
        EXPECT_EQ (container.getBounds(), rect (0, 0, 525, 229)) << "laid out once, at the design size";

        const auto t = container.getTransform();
        EXPECT_FLOAT_EQ (t.mat00, c.sx);
        EXPECT_FLOAT_EQ (t.mat11, c.sy);
        EXPECT_EQ (t.mat01, 0.0f);
        EXPECT_EQ (t.mat10, 0.0f);
        EXPECT_EQ (t.mat02, 0.0f);
        EXPECT_EQ (t.mat12, 0.0f);
        EXPECT_EQ (container.getBoundsInParent(), c.scaled) << "covering the editor to its edges";
    }
}

TEST_F (EditorShell, UsesAStoredWidthOnlyWithinTheLimitsAndAsAPositiveWholeNumber)
{
    struct Case { const char* stored; int width; };
    const Case cases[] = {
        { "850",          850 },
        { "400",          400 },
        { "1000",         1000 },
        { "1200",         1000 },   // clamped: no editor every instance follows off the screen
        { "100",          400 },
        { "0007",         400 },
        { "99999999999",  1000 },
        { "123456789012345678901234567890", 1000 },   // too long for any integer type
        { " 850 ",        850 },
        { "+850",         700 },
        { "abc",          700 },    // would read as 0 and open a 0 x 1 editor nobody can resize
        { "0",            700 },
        { "-5",           700 },
        { "800.5",        700 },
        { "800px",        700 },
        { "",             700 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (std::string ("stored \"") + c.stored + "\"");
        storeWidthText (c.stored);
        OpenEditor open;

        EXPECT_EQ (open.editor().getBounds(), rect (0, 0, c.width, EditorShape::heightForWidth (c.width)));
        EXPECT_EQ (countOf (open.openingLog, "Width loaded: " + std::to_string (c.width)), 1) << open.openingLog;
        EXPECT_EQ (countOf (open.openingLog, "Editor constructed"), 1);
        open.close();
        EXPECT_EQ (storedWidthText(), c.stored) << "opening never rewrites the stored width";
    }
}

TEST_F (EditorShell, ResizesThroughTheConstrainerKeepTheLimitsAndTheRatio)
{
    OpenEditor open;
    auto& editor = open.editor();

    struct Case { const char* name; juce::Rectangle<int> asked, expected; };
    const Case cases[] = {
        { "wider than the largest", rect (0, 0, 1400, 609), rect (0, 0, 1000, 435) },
        { "narrower than the smallest", rect (0, 0, 200, 87), rect (0, 0, 400, 174) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        editor.setBoundsConstrained (c.asked);
        EXPECT_EQ (editor.getBounds(), c.expected);
    }
}

TEST_F (EditorShell, AnEditorOfThePicturesShapeIsWhatItsConstrainerKeepsItAt)
{
    // A wrapper passes the editor's own size through the constrainer again (JUCE's LV2 wrapper
    // does when it opens): the size must stand, or the host re-fits its window to a new one.
    for (const auto* stored : { "400", "690", "700", "1000" })
    {
        SCOPED_TRACE (stored);
        storeWidthText (stored);
        OpenEditor open;
        const auto opened = open.editor().getBounds();
        open.editor().setBoundsConstrained (opened);
        EXPECT_EQ (open.editor().getBounds(), opened);
    }

    OpenEditor open;
    auto& editor = open.editor();

    for (int width = Editor::minWidth; width <= Editor::maxWidth; ++width)
    {
        editor.setSize (width, EditorShape::heightForWidth (width));
        editor.setBoundsConstrained (editor.getBounds());
        ASSERT_EQ (editor.getBounds(), rect (0, 0, width, EditorShape::heightForWidth (width)));
    }
}

TEST_F (EditorShell, TheResizeCornerKeepsThePicturesShapeAndTheLimits)
{
    struct Case { const char* name; float dx, dy; };
    const Case cases[] = {
        { "right",                 120.0f, 0.0f },
        { "down",                  0.0f, 60.0f },
        { "up and left",           -150.0f, -60.0f },
        { "far beyond the largest", 900.0f, 900.0f },
        { "far below the smallest", -900.0f, -900.0f },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        OpenEditor open;
        auto& editor = open.editor();
        auto* corner = dynamic_cast<juce::ResizableCornerComponent*> (editor.getChildComponent (1));
        ASSERT_NE (corner, nullptr);

        SyntheticMouse mouse (*corner);
        mouse.press ({ 9.0f, 9.0f });
        mouse.dragBy (c.dx, c.dy);
        mouse.release();

        EXPECT_NE (editor.getWidth(), 700);
        EXPECT_GE (editor.getWidth(), Editor::minWidth);
        EXPECT_LE (editor.getWidth(), Editor::maxWidth);
        EXPECT_EQ (editor.getHeight(), EditorShape::heightForWidth (editor.getWidth()));
    }
}

TEST_F (EditorShell, InAWindowOfThePicturesShapeTheContainerIsScaledAsItAlwaysWas)
{
    OpenEditor open;

    for (int width = Editor::minWidth; width <= Editor::maxWidth; ++width)
    {
        open.editor().setSize (width, EditorShape::heightForWidth (width));
        const auto t = open.container().getTransform();
        ASSERT_EQ (t.mat00, (float) ((width + 2) / 525.0)) << width;
        ASSERT_EQ (t.mat11, (float) (EditorShape::heightForWidth (width + 2) / 229.0)) << width;
    }
}

TEST_F (EditorShell, InAWindowOfAnotherShapeEveryControlIsShownWhole)
{
    // Hosts give their windows any shape (Ardour's VST3 windows take what the user drags them
    // to). The picture is then as large as fits, from the top left, over the editor's black.
    struct Case { int width, height; };
    const Case cases[] = { { 900, 300 }, { 1000, 174 }, { 400, 435 }, { 1200, 522 }, { 2000, 300 }, { 700, 305 }, { 701, 305 }, { 699, 305 } };

    for (const auto passes : { HostWindow::Passes::asItIs, HostWindow::Passes::throughTheConstrainer })
    {
        OpenEditor open (passes);
        auto& editor = open.editor();

        for (const auto& c : cases)
        {
            SCOPED_TRACE (std::to_string (c.width) + " x " + std::to_string (c.height)
                          + (passes == HostWindow::Passes::asItIs ? ", as it is" : ", through the constrainer"));
            open.window().resizeTo (c.width, c.height);
            const auto shown = editor.getLocalBounds();
            int controls = 0;

            forEachComponent (open.container(), [&] (juce::Component& component)
            {
                if (dynamic_cast<juce::Slider*> (&component) == nullptr && dynamic_cast<juce::Button*> (&component) == nullptr)
                    return;

                ++controls;
                const auto drawn = editor.getLocalArea (&component, component.getLocalBounds());
                EXPECT_TRUE (shown.contains (drawn)) << component.getName() << " drawn at " << drawn.toString() << " in " << shown.toString();
            });

            EXPECT_GT (controls, 10);
        }
    }
}

TEST_F (EditorShell, TellsTheHostTheParameterOfTheComponentItself)
{
    OpenEditor open;
    auto& editor = open.editor();
    auto& container = open.container();

    juce::Component untagged, tagged, childOfTagged;
    tagged.getProperties().set (CustomComponent::controlParameterIndexKey, 5);
    tagged.addChildComponent (childOfTagged);

    struct Case { const char* name; juce::Component& component; int index; };
    const Case cases[] = {
        { "no tag",                   untagged,                                  -1 },
        { "a tag of 5",               tagged,                                    5 },
        { "a child of a tagged one",  childOfTagged,                             -1 },
        { "the container",            container,                                 -1 },
        { "the BALANCE knob",         container.middle.balanceKnob.slider,       open.parameter (ParameterIDs::balance).getParameterIndex() },
        { "the M/S box's S button",   container.left.inputSection.msBox.sButton, open.parameter (ParameterIDs::inputMidSide).getParameterIndex() },
        { "the OUT fader's value box", *valueBoxOf (container.right.outputSection.gainFader.slider), -1 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (editor.getControlParameterIndex (c.component), c.index);
    }
}

TEST_F (EditorShell, InstallsItsLooksAndTakesThemAwayAgain)
{
    auto first = std::make_unique<OpenEditor>();
    auto* firstDefault = dynamic_cast<NorvaneLookAndFeel*> (&juce::LookAndFeel::getDefaultLookAndFeel());
    ASSERT_NE (firstDefault, nullptr) << "a NorvaneLookAndFeel is the process default while an editor lives";

    auto& editor = first->editor();
    auto* own = dynamic_cast<NorvaneLookAndFeel*> (&editor.getLookAndFeel());
    ASSERT_NE (own, nullptr);
    EXPECT_NE (own, firstDefault) << "the editor draws with a look of its own";
    EXPECT_EQ (own->getTypefaceForFont (juce::Font (12.0f)), Stylesheet::getInstance()->typeface);
    EXPECT_EQ (&first->container().middle.getLookAndFeel(), own) << "the panels draw with the editor's look";

    // Every instance's editor takes the process default for itself, and gives it up when it
    // closes, also while another one stays open.
    auto second = std::make_unique<OpenEditor>();
    auto* secondDefault = &juce::LookAndFeel::getDefaultLookAndFeel();
    EXPECT_NE (secondDefault, firstDefault);
    EXPECT_NE (dynamic_cast<NorvaneLookAndFeel*> (secondDefault), nullptr);

    processor::CapturedStderr captured;
    first.reset();
    EXPECT_EQ (dynamic_cast<NorvaneLookAndFeel*> (&juce::LookAndFeel::getDefaultLookAndFeel()), nullptr);
    second.reset();
    EXPECT_EQ (dynamic_cast<NorvaneLookAndFeel*> (&juce::LookAndFeel::getDefaultLookAndFeel()), nullptr)
        << "no editor left: the framework's own default again";

    const auto log = captured.take();
    EXPECT_EQ (log.find ("juce_LookAndFeel.cpp"), std::string::npos) << "no look-and-feel died while in use:\n" << log;
}

TEST_F (EditorShell, EveryTextIsInTheEmbeddedFont)
{
    OpenEditor open;
    int labels = 0;

    forEachComponent (open.editor(), [&] (juce::Component& c)
    {
        if (auto* label = dynamic_cast<juce::Label*> (&c))
        {
            ++labels;
            SCOPED_TRACE (label->getText().toStdString());
            EXPECT_TRUE (kit::isEmbeddedTypeface (label->getLookAndFeel().getLabelFont (*label)));
        }
    });

    EXPECT_GT (labels, 10);

    // Text the controls draw themselves takes the default sans-serif font of the look in effect.
    auto& button = open.container().left.inputSection.lButton;
    EXPECT_EQ (button.getLookAndFeel().getTypefaceForFont (juce::Font (12.0f)), Stylesheet::getInstance()->typeface);
    EXPECT_EQ (juce::Font (12.0f).getTypefacePtr(), Stylesheet::getInstance()->typeface)
        << "and a plain font resolves to it too, through the process default";
}
} // namespace quindle::test::editor
