// Open editors share their width through the settings file: one saves what the user chose, at
// once, and the others take it at their next poll and write nothing back. Nothing but the user's
// resizes is ever saved: not the editor's own sizes, not a host's answers to them, not a size
// outside the limits, not a resize while the editor leaves its window. The poll runs at its real
// period of one second.

#include "tests/editor/shell/EditorTestSupport.h"

#include <filesystem>
#include <functional>

namespace quindle::test::editor
{

namespace
{
using Editor = QuindleAudioProcessorEditor;

// Long enough for a save to reach the disk, short of the poll's first run.
constexpr int untilTheSaveIsWritten = 100;
// Past the next poll from the moment a save is written.
constexpr int pastTheNextPoll = 1100;
// Past the poll after that one.
constexpr int pastTwoPolls = 2200;

/** The settings file's modification time, to the resolution of the file system. */
std::filesystem::file_time_type settingsFileWrittenAt()
{
    return std::filesystem::last_write_time (settingsFile().getFullPathName().toStdString());
}

/** A file time that a later write cannot share. */
void letTheClockMoveOn()
{
    juce::Thread::sleep (20);
}

/** Editors just opened have had their host's answers to the opening size by the first poll. */
void letTheOpeningBeAnswered()
{
    runTimersFor (pastTheNextPoll);
}

juce::Rectangle<int> rightShape (int width) { return { 0, 0, width, EditorShape::heightForWidth (width) }; }
} // namespace

class EditorSharedWidth : public SettingsFileTest {};

TEST_F (EditorSharedWidth, AWidthOneEditorSavesIsTakenByTheOtherWhichWritesNothingBack)
{
    OpenEditor first, second;
    processor::CapturedStderr captured;

    dragCornerToWidth (first.editor(), 800);
    EXPECT_EQ (first.editor().getBounds(), rightShape (800));
    EXPECT_EQ (first.window().getBounds(), rightShape (800)) << "the host's window follows its editor";

    runTimersFor (untilTheSaveIsWritten);
    ASSERT_EQ (storedWidthText(), "800") << "the user's width is written at once";
    EXPECT_EQ (second.editor().getWidth(), 700) << "not before its poll";
    const auto writtenAt = settingsFileWrittenAt();

    runTimersFor (pastTheNextPoll);
    EXPECT_EQ (second.editor().getBounds(), juce::Rectangle<int> (0, 0, 800, 348));
    EXPECT_EQ (first.editor().getWidth(), 800);

    runTimersFor (pastTheNextPoll);
    EXPECT_EQ (storedWidthText(), "800");
    EXPECT_TRUE (settingsFileWrittenAt() == writtenAt) << "nobody wrote the file again";

    // The first editor reads its own width back from the file and leaves it; the second follows
    // it without saving.
    const auto log = captured.take();
    EXPECT_EQ (countOf (log, "Width saved: 800"), 1) << log;
    EXPECT_EQ (countOf (log, "Props file reloaded."), 2) << log;
    EXPECT_EQ (countOf (log, "resized to 800, dontSaveWidth: 0"), 2) << "the drag and the follow:\n" << log;
    EXPECT_EQ (linesOf (log).size(), 7u) << log;
}

TEST_F (EditorSharedWidth, TheUsersNextResizeAfterAFollowedChangeIsSaved)
{
    // The user's next drag counts, also when the host never answers the followed resize, or when
    // the file's width is the one the editor already has and no resize happens at all.
    struct Case { const char* name; std::function<void (Editor& first)> change; int widthAfterFollowing; };
    const Case cases[] = {
        { "the first editor resized to 800", [] (Editor& first) { dragCornerToWidth (first, 800); }, 800 },
        { "another instance saved the width it already has", [] (Editor&) { storeWidthText ("700"); }, 700 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        settingsFile().deleteFile();
        OpenEditor first, second;
        processor::CapturedStderr captured;

        letTheClockMoveOn();
        c.change (first.editor());
        runTimersFor (pastTheNextPoll);
        ASSERT_EQ (second.editor().getWidth(), c.widthAfterFollowing);

        dragCornerToWidth (second.editor(), 900);
        runTimersFor (untilTheSaveIsWritten);
        EXPECT_EQ (storedWidthText(), "900") << "the user's resize is saved";

        runTimersFor (pastTheNextPoll);
        EXPECT_EQ (first.editor().getWidth(), 900) << "and the other editor follows it";

        const auto log = captured.take();
        EXPECT_EQ (countOf (log, "Width saved: 900"), 1) << log;
    }
}

TEST_F (EditorSharedWidth, ASaveThatChangedNothingLeavesTheNextChangeToBeFollowed)
{
    storeWidthText ("700");
    OpenEditor open;
    processor::CapturedStderr captured;

    // The user drags the corner out and back to the width stored already: saved, but the stored
    // text stays.
    dragCornerToWidth (open.editor(), 800);
    dragCornerToWidth (open.editor(), 700);
    runTimersFor (untilTheSaveIsWritten);
    EXPECT_EQ (storedWidthText(), "700");

    letTheClockMoveOn();
    storeWidthText ("900");   // another instance's save
    runTimersFor (pastTheNextPoll);

    EXPECT_EQ (open.editor().getWidth(), 900) << "the change is not taken for the editor's own save";
    const auto log = captured.take();
    EXPECT_EQ (countOf (log, "Width saved: 700"), 1) << log;
    EXPECT_EQ (countOf (log, "Props file reloaded."), 1) << log;
}

TEST_F (EditorSharedWidth, AFileThatCannotBeReadIsSkippedAndTheNextChangeFollowed)
{
    OpenEditor open;
    processor::CapturedStderr captured;

    ASSERT_TRUE (settingsFile().getParentDirectory().createDirectory());
    ASSERT_TRUE (settingsFile().replaceWithText ("not a settings file"));
    runTimersFor (pastTheNextPoll);
    EXPECT_EQ (open.editor().getWidth(), 700);

    letTheClockMoveOn();
    storeWidthText ("900");
    runTimersFor (pastTheNextPoll);
    EXPECT_EQ (open.editor().getWidth(), 900);

    const auto log = captured.take();
    EXPECT_EQ (countOf (log, "Props file reload failed."), 1) << "tried once, not at every poll:\n" << log;
    EXPECT_EQ (countOf (log, "Props file reloaded."), 1) << log;
    EXPECT_EQ (countOf (log, "Width saved: 900"), 0) << log;
}

TEST_F (EditorSharedWidth, EditorsThatNeverFollowNorSave)
{
    // An AUv3 extension reads its width when it opens and never writes it. Under AAX an editor
    // with no host window yet leaves a saved width for later: the framework's AAX wrapper would
    // hand the resize to a host view that is not there.
    OpenEditor auv3 (juce::AudioProcessor::wrapperType_AudioUnitv3);
    OpenEditor aaxWithoutWindow (juce::AudioProcessor::wrapperType_AAX);
    ASSERT_EQ (aaxWithoutWindow.editor().getPeer(), nullptr);
    processor::CapturedStderr captured;

    dragCornerToWidth (auv3.editor(), 800);
    runTimersFor (untilTheSaveIsWritten);
    EXPECT_EQ (storedWidthText(), "") << "the AUv3 editor saved its width";

    storeWidthText ("900");   // another instance's save
    runTimersFor (pastTheNextPoll);

    EXPECT_EQ (auv3.editor().getWidth(), 800);
    EXPECT_EQ (aaxWithoutWindow.editor().getWidth(), 700);
    EXPECT_EQ (storedWidthText(), "900");

    const auto log = captured.take();
    const std::vector<std::string> expected {
        "resized to 800, dontSaveWidth: 10",   // the AUv3 editor never counts its resizes down
    };
    EXPECT_EQ (linesOf (log), expected);
}

//==============================================================================
TEST_F (EditorSharedWidth, NothingButTheUsersResizesIsSaved)
{
    // Each of these resizes the editor without the user: none may write the file, however long
    // it stays open afterwards.
    struct Case { const char* name; HostWindow::Passes passes; std::function<void (OpenEditor&)> resizes; };
    const Case cases[] = {
        { "a host that fits its window to a fresh editor", HostWindow::Passes::throughTheConstrainer,
          [] (OpenEditor& open) { open.window().resizeTo (700, 305); } },
        { "a host that resizes a fresh editor to its own window", HostWindow::Passes::asItIs,
          [] (OpenEditor& open) { open.window().resizeTo (850, 370); } },
        { "a host resize to width 1", HostWindow::Passes::asItIs,
          [] (OpenEditor& open) { letTheOpeningBeAnswered(); open.window().resizeTo (1, 1); } },
        { "a host resize to 1200", HostWindow::Passes::asItIs,
          [] (OpenEditor& open) { letTheOpeningBeAnswered(); open.window().resizeTo (1200, 522); } },
        { "a host resize to 1200 x 200", HostWindow::Passes::asItIs,
          [] (OpenEditor& open) { letTheOpeningBeAnswered(); open.window().resizeTo (1200, 200); } },
        { "a host resize to 300 x 130", HostWindow::Passes::asItIs,
          [] (OpenEditor& open) { letTheOpeningBeAnswered(); open.window().resizeTo (300, 130); } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        settingsFile().deleteFile();
        auto open = std::make_unique<OpenEditor> (c.passes);
        processor::CapturedStderr captured;
        c.resizes (*open);
        runTimersFor (pastTwoPolls);
        open.reset();
        runTimersFor (untilTheSaveIsWritten);

        EXPECT_FALSE (settingsFile().existsAsFile()) << storedWidthText();
        const auto log = captured.take();
        EXPECT_EQ (log.find ("Width saved"), std::string::npos) << log;
    }
}

TEST_F (EditorSharedWidth, AUserResizingTheHostsWindowIsSavedAsTheWidthOfThePictureItShows)
{
    // Once the host has answered the opening, a resize of its window is the user's: saved with
    // the width of the picture the window shows, and followed by the other editor.
    struct Case { const char* name; HostWindow::Passes passes; int width, height, saved; };
    const Case cases[] = {
        { "through the constrainer, of the picture's shape", HostWindow::Passes::throughTheConstrainer, 860, 374, 860 },
        { "as it is, of the picture's shape",                HostWindow::Passes::asItIs,                860, 374, 860 },
        { "through the constrainer, flatter",                HostWindow::Passes::throughTheConstrainer, 900, 300, 687 },
        { "as it is, taller",                                HostWindow::Passes::asItIs,                600, 400, 600 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        settingsFile().deleteFile();
        OpenEditor first (c.passes), second;
        letTheOpeningBeAnswered();

        first.window().resizeTo (c.width, c.height);
        EXPECT_EQ (first.editor().getBounds(), juce::Rectangle<int> (0, 0, c.width, c.height)) << "the editor fills its window";
        runTimersFor (untilTheSaveIsWritten);
        EXPECT_EQ (storedWidthText(), juce::String (c.saved));

        runTimersFor (pastTheNextPoll);
        EXPECT_EQ (second.editor().getBounds(), rightShape (c.saved));
    }
}

//==============================================================================
class HostsThatHoldAFollower : public SettingsFileTest,
                               public ::testing::WithParamInterface<std::tuple<HostWindow::Passes, HostWindow::Answers>> {};

TEST_P (HostsThatHoldAFollower, ItShowsTheHostsSizeTheOthersKeepTheUsersAndNothingLoops)
{
    // jalv and Ardour keep an editor's window at least as large as it opened. The editor that
    // follows a narrower width is resized back by its host, however often and from wherever the
    // host answers: it shows the host's size, writes nothing, and the user's editor keeps the
    // width the user gave it.
    const auto [passes, answers] = GetParam();
    OpenEditor users, held (passes);
    held.window().holdAtLeast (held.editor().getBounds(), answers);
    letTheOpeningBeAnswered();
    processor::CapturedStderr captured;

    dragCornerToWidth (users.editor(), 575);
    runTimersFor (untilTheSaveIsWritten);
    ASSERT_EQ (storedWidthText(), "575");
    const auto writtenAt = settingsFileWrittenAt();

    runTimersFor (3 * pastTheNextPoll);
    EXPECT_EQ (held.editor().getBounds(), rightShape (700)) << "the host's size";
    EXPECT_EQ (users.editor().getBounds(), rightShape (575)) << "where the user put it";
    EXPECT_EQ (storedWidthText(), "575");
    EXPECT_TRUE (settingsFileWrittenAt() == writtenAt) << "the file was written again after the user stopped";

    const auto log = captured.take();
    EXPECT_EQ (countOf (log, "Width saved: 575"), 1) << log;
    EXPECT_EQ (countOf (log, "Width saved: 700"), 0) << log;
    EXPECT_GE (countOf (log, "resized to 700, dontSaveWidth: 0"), 1) << "the host answered:\n" << log;

    // A wider width is one the host lets its window grow to.
    processor::CapturedStderr growing;
    dragCornerToWidth (users.editor(), 900);
    runTimersFor (untilTheSaveIsWritten + 2 * pastTheNextPoll);
    EXPECT_EQ (held.editor().getBounds(), rightShape (900));
    EXPECT_EQ (users.editor().getBounds(), rightShape (900));
    EXPECT_EQ (storedWidthText(), "900");
    EXPECT_EQ (countOf (growing.take(), "Width saved: 900"), 1);
}

INSTANTIATE_TEST_SUITE_P (Hosts, HostsThatHoldAFollower,
                          ::testing::Combine (::testing::Values (HostWindow::Passes::throughTheConstrainer, HostWindow::Passes::asItIs),
                                              ::testing::Values (HostWindow::Answers::later, HostWindow::Answers::nestedAndLater)),
                          [] (const auto& testInfo)
                          {
                              return std::string (std::get<0> (testInfo.param) == HostWindow::Passes::asItIs ? "AsItIs" : "ThroughTheConstrainer")
                                     + (std::get<1> (testInfo.param) == HostWindow::Answers::later ? "AnsweringLater" : "AnsweringNestedAndLater");
                          });

//==============================================================================
TEST_F (EditorSharedWidth, SavesCloseTogetherEndAtTheLastWidthEverywhere)
{
    // However close together the users' resizes fall, within one poll or in one burst, the last
    // one is what every editor shows and what the file holds.
    struct Case { const char* name; int editors; int pauseMs; };
    const Case cases[] = {
        { "two editors saving within one poll", 2, 200 },
        { "eight editors resized in a burst",   8, 0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        settingsFile().deleteFile();
        std::vector<std::unique_ptr<OpenEditor>> open;

        for (int i = 0; i < c.editors; ++i)
            open.push_back (std::make_unique<OpenEditor>());

        std::vector<int> widths;

        for (int i = 0; i < c.editors; ++i)
        {
            widths.push_back (800 + 20 * i);
            dragCornerToWidth (open[(size_t) i]->editor(), widths.back());
            runTimersFor (c.pauseMs);
        }

        runTimersFor (untilTheSaveIsWritten + pastTwoPolls);
        EXPECT_EQ (storedWidthText(), juce::String (widths.back()));

        for (size_t i = 0; i < open.size(); ++i)
            EXPECT_EQ (open[i]->editor().getBounds(), rightShape (widths.back())) << "editor " << i;
    }
}

//==============================================================================
TEST_F (EditorSharedWidth, AResizeAsTheEditorLeavesItsWindowIsNotSaved)
{
    // A host takes an editor out of its window and deletes it: JUCE's LV2 hosting clears the
    // window's content, resizes the view back to the last size the editor asked for, then
    // deletes it. Whether the resize comes after the editor is out of its window or just before
    // it goes, the user's width stays in the file.
    struct Case { const char* name; std::function<void (juce::DocumentWindow&, Editor&)> close; };
    const Case cases[] = {
        { "resized after the window's content is cleared", [] (juce::DocumentWindow& window, Editor& editor)
          {
              window.clearContentComponent();
              editor.setSize (700, 305);
          } },
        { "resized in its window just before it is deleted", [] (juce::DocumentWindow&, Editor& editor)
          {
              editor.setBoundsConstrained ({ 0, 0, 700, 305 });
          } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        settingsFile().deleteFile();
        OpenEditor open;
        juce::DocumentWindow window ("Quindle", juce::Colours::black, 0, false);
        window.setContentNonOwned (&open.editor(), true);
        letTheOpeningBeAnswered();

        dragCornerToWidth (open.editor(), 911);
        runTimersFor (untilTheSaveIsWritten);
        ASSERT_EQ (storedWidthText(), "911");

        processor::CapturedStderr captured;
        c.close (window, open.editor());
        open.close();
        runTimersFor (pastTheNextPoll);

        EXPECT_EQ (storedWidthText(), "911");
        const auto log = captured.take();
        EXPECT_EQ (log.find ("Width saved"), std::string::npos) << log;
    }
}
} // namespace quindle::test::editor
