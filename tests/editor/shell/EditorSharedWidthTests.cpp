// Open editors share their width through the settings file: one saves what the user chose, the
// others take it at their next poll and write nothing back. The poll runs at its real period of
// one second; the file is written half a second after a save.

#include "tests/editor/shell/EditorTestSupport.h"

#include <filesystem>
#include <functional>

namespace quindle::test::editor
{
namespace
{
using Editor = QuindleAudioProcessorEditor;

// Short of the poll's first run, long enough for a save to reach the disk.
constexpr int untilTheSaveIsWritten = 600;
// From there, past the next poll.
constexpr int pastTheNextPoll = 600;
// A whole period and a little more.
constexpr int oneWholePoll = 1100;

void resizeAsTheUserDoes (Editor& editor, int width)
{
    editor.setSize (width, Editor::heightForWidth (width));
}

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
} // namespace

class EditorSharedWidth : public SettingsFileTest {};

TEST_F (EditorSharedWidth, AWidthOneEditorSavesIsTakenByTheOtherWhichWritesNothingBack)
{
    OpenEditor first, second;
    processor::CapturedStderr captured;

    resizeAsTheUserDoes (first.editor(), 800);
    EXPECT_EQ (storedWidthText(), "") << "the save reaches the disk half a second later";

    runTimersFor (untilTheSaveIsWritten);
    ASSERT_EQ (storedWidthText(), "800");
    EXPECT_EQ (second.editor().getWidth(), 700) << "not before its poll";
    const auto writtenAt = settingsFileWrittenAt();

    runTimersFor (pastTheNextPoll);
    EXPECT_EQ (second.editor().getBounds(), juce::Rectangle<int> (0, 0, 800, 348));
    EXPECT_EQ (first.editor().getWidth(), 800);

    // Long enough for a save of the second editor to be written, if it made one.
    runTimersFor (untilTheSaveIsWritten);
    EXPECT_EQ (storedWidthText(), "800");
    EXPECT_TRUE (settingsFileWrittenAt() == writtenAt) << "nobody wrote the file again";

    const auto log = captured.take();
    const std::vector<std::string> expected {
        "resized to 800, dontSaveWidth: 0",      // the user's resize of the first editor...
        "Width saved: 800",                      // ...which it saves
        "Props file reloaded.",                  // the second sees a change it did not make
        "Width loaded: 800",
        "resized to 800, dontSaveWidth: 0",      // and follows it without saving
    };
    EXPECT_EQ (linesOf (log), expected) << "the first takes the change for its own save and reloads nothing";
}

TEST_F (EditorSharedWidth, TheUsersNextResizeAfterAFollowedChangeIsSaved)
{
    // Only the resize that applies the width read from the file goes unsaved: the user's next
    // resize counts, also when the host never answers that resize, or when the file's width is
    // the one the editor already has and no resize happens at all.
    struct Case { const char* name; std::function<void (Editor& first)> change; int widthAfterFollowing; };
    const Case cases[] = {
        { "the first editor resized to 800", [] (Editor& first) { resizeAsTheUserDoes (first, 800); }, 800 },
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
        runTimersFor (untilTheSaveIsWritten + pastTheNextPoll);
        ASSERT_EQ (second.editor().getWidth(), c.widthAfterFollowing);

        resizeAsTheUserDoes (second.editor(), 900);
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

    // The host resizes the window to the width it already has: saved, but the stored text stays.
    open.editor().resized();
    EXPECT_EQ (storedWidthText(), "700");

    letTheClockMoveOn();
    storeWidthText ("900");   // another instance's save
    runTimersFor (oneWholePoll);

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
    runTimersFor (oneWholePoll);
    EXPECT_EQ (open.editor().getWidth(), 700);

    letTheClockMoveOn();
    storeWidthText ("900");
    runTimersFor (oneWholePoll);
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

    resizeAsTheUserDoes (auv3.editor(), 800);
    runTimersFor (untilTheSaveIsWritten);
    EXPECT_EQ (storedWidthText(), "") << "the AUv3 editor saved its width";

    storeWidthText ("900");   // another instance's save
    runTimersFor (oneWholePoll);

    EXPECT_EQ (auv3.editor().getWidth(), 800);
    EXPECT_EQ (aaxWithoutWindow.editor().getWidth(), 700);
    EXPECT_EQ (storedWidthText(), "900");

    const auto log = captured.take();
    const std::vector<std::string> expected {
        "resized to 800, dontSaveWidth: 10",   // the AUv3 editor never counts its resizes down
    };
    EXPECT_EQ (linesOf (log), expected);
}
} // namespace quindle::test::editor
