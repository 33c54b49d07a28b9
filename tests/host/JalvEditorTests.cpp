// The LV2 bundle of this build tree in Debian's jalv.gtk3, a host that no one here wrote: its
// editor embedded in jalv's GTK window through suil, on a JACK server with the dummy driver,
// under an X server of the test's own, its windows driven as a user drives them (xdotool). The
// hosts' output, the plug-in's diagnostic lines among it, is kept in
// test-output/jalv-<test>-<instance>.log.
//
// jalv never makes its window smaller for an editor: one that asks to be smaller is resized back
// to the window, one that asks to be larger gets a larger window. The user's resize of jalv's
// window reaches the plug-in as a host resize.

#include "tests/aaxhost/PngFile.h"
#include "tests/common/ChildProcess.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/common/x11/X11TestSupport.h"
#include "tests/host/PictureSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>
#include <fcntl.h>
#include <unistd.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace quindle::test::host
{
using namespace std::chrono_literals;

namespace
{
using Clock = std::chrono::steady_clock;

// One server name for every run of these tests: JACK keeps a registry of at most eight servers,
// and each new name takes a place in it for good.
constexpr const char* jackServerName = "quindle-jalv";

int heightForWidth (int width)
{
    return static_cast<int> (std::floor (width / 2.3)) + 1;
}

/** Looks until `done` holds; false when it does not by the deadline. */
bool waitUntil (const std::function<bool()>& done, std::chrono::milliseconds timeout,
                std::chrono::milliseconds interval = 50ms)
{
    for (const auto deadline = Clock::now() + timeout; ! done(); std::this_thread::sleep_for (interval))
        if (Clock::now() > deadline)
            return false;

    return true;
}

std::string contentsOf (const std::filesystem::path& file)
{
    std::ifstream stream (file);
    return { std::istreambuf_iterator<char> (stream), {} };
}

/** The editor's diagnostic lines about its size, in the order written. */
struct SizeLines
{
    std::vector<int> resizes;   // "resized to W, ..."
    std::vector<int> saves;     // "Width saved: W"
};

SizeLines sizeLinesIn (const std::string& output)
{
    static const std::regex resized (R"(^resized to (-?\d+),)"), saved (R"(^Width saved: (-?\d+))");
    SizeLines lines;
    std::istringstream stream (output);
    std::smatch match;

    for (std::string line; std::getline (stream, line);)
    {
        if (std::regex_search (line, match, resized))
            lines.resizes.push_back (std::stoi (match[1]));
        else if (std::regex_search (line, match, saved))
            lines.saves.push_back (std::stoi (match[1]));
    }

    return lines;
}

bool isOneColour (const x11::Image& image)
{
    for (size_t i = 3; i + 3 <= image.rgb.size(); i += 3)
        if (! std::equal (image.rgb.begin(), image.rgb.begin() + 3, image.rgb.begin() + static_cast<std::ptrdiff_t> (i)))
            return false;

    return true;
}

std::string listOf (const std::vector<int>& widths)
{
    std::string text;

    for (const auto width : widths)
        text += (text.empty() ? "" : " ") + std::to_string (width);

    return widths.empty() ? "none" : text;
}

/** Holds an exclusive lock on a file in the temporary folder while it lives, waiting for it at
    most `timeout`: test runs of other build trees use the same JACK server name. */
class FileLock
{
public:
    FileLock (const std::string& name, std::chrono::milliseconds timeout)
        : file (::open ((std::filesystem::temp_directory_path() / (name + ".lock")).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666))
    {
        held = file >= 0 && waitUntil ([this] { return flock (file, LOCK_EX | LOCK_NB) == 0; }, timeout, 100ms);
    }

    ~FileLock()
    {
        if (file >= 0)
            ::close (file);
    }

    FileLock (const FileLock&) = delete;
    FileLock& operator= (const FileLock&) = delete;

    bool isHeld() const noexcept { return held; }

private:
    int file;
    bool held = false;
};

/** One jalv.gtk3 process with the plug-in and its editor, and what the test found of its
    windows. */
struct Jalv
{
    Jalv (const std::string& jackName, const Environment& environment, std::filesystem::path logFile)
        : log (std::move (logFile)),
          process ({ "jalv.gtk3", "--jack-name", jackName, QUINDLE_LV2_URI }, environment, log.string())
    {
    }

    std::string output() const { return contentsOf (log); }
    SizeLines sizeLines() const { return sizeLinesIn (output()); }

    const std::filesystem::path log;
    ChildProcess process;
    x11::WindowId window = 0;         // jalv's top-level window
    x11::WindowId pluginWindow = 0;   // the plug-in's own window inside it
};

class JalvEditors : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A window that goes while the test looks at it is no reason to end the test.
        x11::ignoreErrors();
        ASSERT_TRUE (serverName.isHeld()) << "another run kept the JACK server name " << jackServerName << " for 5 minutes";

        // The hosts of one test share a HOME, and with it the settings file.
        jalvEnvironment = { { "DISPLAY", xServer.displayName() },
                            { "HOME", home.path().string() },
                            { "LV2_PATH", QUINDLE_LV2_FOLDER },
                            { "JACK_DEFAULT_SERVER", jackServerName },
                            { "JACK_NO_START_SERVER", "1" } };

        jack = std::make_unique<ChildProcess> (std::vector<std::string> { "jackd", "-n", jackServerName, "-d", "dummy", "-r", "48000", "-p", "512" },
                                               Environment {}, logPath ("jackd"));

        const auto ready = runCommand ({ "jack_wait", "-s", jackServerName, "-w", "-t", "30" }, jalvEnvironment, 40s);
        ASSERT_EQ (ready.exitCode, 0) << "the JACK server did not start:\n" << contentsOf (logPath ("jackd"));
    }

    void TearDown() override
    {
        // Each host before the server it is a client of.
        hosts.clear();

        if (jack != nullptr)
        {
            EXPECT_TRUE (jack->stop()) << "the JACK server did not end on SIGTERM";
        }
    }

    std::string logPath (const std::string& name) const
    {
        // e.g. jalv-AWidthTheUserGivesOneEditorIsTakenByTheOtherAndNeverUndone-NoStoredWidth-A.log
        auto test = std::string (::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::replace (test.begin(), test.end(), '/', '-');
        return std::string (QUINDLE_TEST_OUTPUT_DIR) + "/jalv-" + test + "-" + name + ".log";
    }

    std::filesystem::path settingsFile() const { return home.path() / "Norvane" / "Quindle" / "Quindle.config"; }

    std::optional<int> storedWidth() const
    {
        static const std::regex width (R"re(name="size-x"\s+val="(\d+)")re");
        const auto text = contentsOf (settingsFile());
        std::smatch match;

        if (std::regex_search (text, match, width))
            return std::stoi (match[1]);

        return std::nullopt;
    }

    /** Writes a settings file that holds this width, as an editor saves it. */
    void storeWidth (int width) const
    {
        std::filesystem::create_directories (settingsFile().parent_path());
        std::ofstream (settingsFile()) << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n\n<PROPERTIES>\n  <VALUE name=\"size-x\" val=\""
                                       << width << "\"/>\n</PROPERTIES>\n";
    }

    /** The settings file as it stands: its modification time and text, or empty. */
    std::string settingsFileState() const
    {
        struct stat status {};

        if (::stat (settingsFile().c_str(), &status) != 0)
            return {};

        return std::to_string (status.st_mtim.tv_sec) + "." + std::to_string (status.st_mtim.tv_nsec) + "\n" + contentsOf (settingsFile());
    }

    /** Starts a jalv process with the plug-in; its JACK client and its log are named `name`. */
    Jalv& startHost (const std::string& name)
    {
        hosts.push_back (std::make_unique<Jalv> (name, jalvEnvironment, logPath (name)));
        return *hosts.back();
    }

    /** Runs xdotool on the test's X server. */
    CommandResult xdotool (const std::vector<std::string>& arguments) const
    {
        std::vector<std::string> commandLine { "xdotool" };
        commandLine.insert (commandLine.end(), arguments.begin(), arguments.end());
        return runCommand (commandLine, { { "DISPLAY", xServer.displayName() } });
    }

    /** jalv's top-level window, titled after the plug-in, that belongs to the process; 0 while
        there is none. */
    x11::WindowId topLevelWindowOf (const Jalv& jalv) const
    {
        std::istringstream found (xdotool ({ "search", "--name", "^Quindle$" }).output);

        for (x11::WindowId id = 0; found >> id;)
        {
            std::istringstream owner (xdotool ({ "getwindowpid", std::to_string (id) }).output);

            if (pid_t pid = 0; owner >> pid && pid == jalv.process.id())
                return id;
        }

        return 0;
    }

    /** The deepest window below `window`: the plug-in's own, inside jalv's socket and plug. */
    x11::WindowId deepestWindowBelow (x11::WindowId window) const
    {
        std::function<std::pair<int, x11::WindowId> (x11::WindowId)> deepest = [&] (x11::WindowId w)
        {
            std::pair<int, x11::WindowId> best { 0, w };

            for (const auto child : x11::childrenOf (x, w))
                if (const auto below = deepest (child); below.first + 1 > best.first)
                    best = { below.first + 1, below.second };

            return best;
        };

        return deepest (window).second;
    }

    /** Waits until the host shows its window with the plug-in's window in it, viewable. A host
        that does not is a failure. */
    void waitForEditor (Jalv& jalv)
    {
        const auto shown = waitUntil ([&]
        {
            if (! jalv.process.isRunning())
                return true;

            jalv.window = topLevelWindowOf (jalv);
            jalv.pluginWindow = jalv.window != 0 ? deepestWindowBelow (jalv.window) : 0;
            return jalv.pluginWindow != jalv.window && x11::waitUntilViewable (x, jalv.pluginWindow, {}, 0);
        }, 60s, 200ms);

        ASSERT_TRUE (jalv.process.isRunning()) << "jalv.gtk3 ended (exit code " << jalv.process.exitCode() << "):\n" << jalv.output();
        ASSERT_TRUE (shown) << "jalv.gtk3 showed no editor within 60 s:\n" << jalv.output();
    }

    /** The user resizes the host's window (the end of a drag of its corner). */
    void resizeWindow (const Jalv& jalv, int width, int height) const
    {
        const auto result = xdotool ({ "windowsize", std::to_string (jalv.window), std::to_string (width), std::to_string (height) });
        EXPECT_EQ (result.exitCode, 0) << "xdotool windowsize failed: " << result.errors;
    }

    /** The height of jalv's menu bar above the plug-in's window. */
    int menuBarHeight (const Jalv& jalv) const
    {
        return x11::screenBoundsOf (x, jalv.pluginWindow).y - x11::screenBoundsOf (x, jalv.window).y;
    }

    /** The plug-in's window as the screen shows it once it has painted and stopped changing. */
    std::optional<x11::Image> stillPicture (const Jalv& jalv) const
    {
        x11::Image last;

        const auto still = waitUntil ([&]
        {
            auto now = x11::readPixels (x, jalv.pluginWindow);
            const auto same = ! isOneColour (now) && now.width == last.width && now.height == last.height && now.rgb == last.rgb;
            last = std::move (now);
            return same;
        }, 15s, 300ms);

        return still ? std::optional<x11::Image> (std::move (last)) : std::nullopt;
    }

    const TemporaryFolder home { "quindle-jalv-home" };
    const x11::VirtualServer xServer;
    const x11::Connection x { xServer.displayName().c_str() };
    const FileLock serverName { jackServerName, 5min };
    Environment jalvEnvironment;
    std::unique_ptr<ChildProcess> jack;
    std::vector<std::unique_ptr<Jalv>> hosts;
};
} // namespace

namespace
{
struct SharedWidthCase
{
    const char* name;
    std::optional<int> storedWidth;   // in the settings file before the editors open
    int narrower, wider;              // the widths the user gives one editor's window, in turn
};

void PrintTo (const SharedWidthCase& c, std::ostream* stream)
{
    *stream << c.name;
}

class JalvSharedWidth : public JalvEditors,
                        public ::testing::WithParamInterface<SharedWidthCase>
{
};
} // namespace

TEST_P (JalvSharedWidth, AWidthTheUserGivesOneEditorIsTakenByTheOtherAndNeverUndone)
{
    const auto& c = GetParam();

    if (c.storedWidth.has_value())
        storeWidth (*c.storedWidth);

    const auto fileAtStart = settingsFileState();
    auto& user = startHost ("A");
    auto& other = startHost ("B");
    ASSERT_NO_FATAL_FAILURE (waitForEditor (user));
    ASSERT_NO_FATAL_FAILURE (waitForEditor (other));

    // Opening is no resize of the user's: long enough for a width saved on opening to be written
    // (half a second later) and taken by the other editor (at its next poll, once a second).
    std::this_thread::sleep_for (2s);
    EXPECT_EQ (settingsFileState(), fileAtStart) << "opening the editors wrote the settings file:\n" << contentsOf (settingsFile());
    EXPECT_EQ (user.sizeLines().saves, std::vector<int>()) << "the first editor saved on opening";
    EXPECT_EQ (other.sizeLines().saves, std::vector<int>()) << "the second editor saved on opening";

    // Each width in the editor's own proportions. jalv holds the other editor at its window's
    // width when the user's is smaller, so only the wider one can reach it; the user's editor
    // keeps the user's width either way.
    struct Step
    {
        int width;
        bool reachesTheOther;
    };

    const auto menuBar = menuBarHeight (user);

    for (const auto& [width, reachesTheOther] : { Step { c.narrower, false }, Step { c.wider, true } })
    {
        SCOPED_TRACE ("the user's window made " + std::to_string (width) + " wide");
        resizeWindow (user, width, menuBar + heightForWidth (width));

        // Time for the other editor to follow and its host to answer (about two polls), then
        // five seconds in which nothing may happen any more.
        std::this_thread::sleep_for (5s);
        const auto logsBefore = std::make_pair (user.output().size(), other.output().size());
        const auto fileBefore = settingsFileState();
        std::this_thread::sleep_for (5s);

        const auto userLines = user.sizeLines(), otherLines = other.sizeLines();
        const auto history = "\nfirst editor:  resized to " + listOf (userLines.resizes) + "; saved " + listOf (userLines.saves)
                           + "\nsecond editor: resized to " + listOf (otherLines.resizes) + "; saved " + listOf (otherLines.saves);

        ASSERT_FALSE (userLines.resizes.empty()) << history;
        EXPECT_EQ (userLines.resizes.back(), width) << "the user's editor does not show the user's width" << history;
        EXPECT_EQ (x11::screenBoundsOf (x, user.pluginWindow).width, width) << "the user's editor's window";
        EXPECT_EQ (storedWidth(), width) << "the settings file does not hold the user's width" << history;
        EXPECT_EQ (otherLines.saves, std::vector<int>()) << "the editor that only followed saved a width" << history;

        if (reachesTheOther)
        {
            ASSERT_FALSE (otherLines.resizes.empty()) << history;
            EXPECT_EQ (otherLines.resizes.back(), width) << "the other editor does not show the user's width" << history;
            EXPECT_EQ (x11::screenBoundsOf (x, other.pluginWindow).width, width) << "the other editor's window";
        }

        EXPECT_EQ (sizeLinesIn (user.output().substr (logsBefore.first)).resizes, std::vector<int>()) << "the user's editor still changes size" << history;
        EXPECT_EQ (sizeLinesIn (other.output().substr (logsBefore.second)).resizes, std::vector<int>()) << "the other editor still changes size" << history;
        EXPECT_EQ (settingsFileState(), fileBefore) << "the settings file was written in the last 5 s" << history;
    }

    // The user closes both windows; closing is no resize of the user's either.
    for (auto* jalv : { &other, &user })
    {
        x11::requestClose (x, jalv->window);
        EXPECT_TRUE (jalv->process.waitForExit (15s)) << "jalv.gtk3 did not end when its window was closed";
    }

    EXPECT_EQ (storedWidth(), c.wider) << "closing the editors changed the settings file:\n" << contentsOf (settingsFile());
    EXPECT_EQ (other.sizeLines().saves, std::vector<int>()) << "the editor that only followed saved a width on closing";
}

// Without a settings file (the editors open at 700), and with the largest width stored, from
// which jalv can hold the user's editor at 805 and the other at 1000 at the same time.
INSTANTIATE_TEST_SUITE_P (Cases, JalvSharedWidth,
                          ::testing::Values (SharedWidthCase { "NoStoredWidth", std::nullopt, 575, 805 },
                                             SharedWidthCase { "StoredWidth1000", 1000, 805, 1000 }),
                          [] (const auto& testInfo) { return std::string (testInfo.param.name); });

TEST_F (JalvEditors, AnEditorInAWindowOfAnotherShapeIsShownWhole)
{
    auto& jalv = startHost ("A");
    ASSERT_NO_FATAL_FAILURE (waitForEditor (jalv));

    // The editor as it opens, in a window of its own proportions.
    const auto opened = stillPicture (jalv);
    ASSERT_TRUE (opened.has_value()) << "the editor did not paint a still picture";
    EXPECT_TRUE (aaxhost::writePng (QUINDLE_TEST_OUTPUT_DIR "/jalv-editor.png", *opened));

    // Dragged wide and low; jalv keeps the window at least as tall as the editor opened.
    resizeWindow (jalv, 900, 300);
    ASSERT_TRUE (waitUntil ([&] { return x11::screenBoundsOf (x, jalv.pluginWindow).width == 900; }, 10s))
        << "the plug-in's window did not take the window's width\n" << jalv.output();
    const auto reshaped = stillPicture (jalv);
    ASSERT_TRUE (reshaped.has_value()) << "the editor did not paint a still picture";
    EXPECT_TRUE (aaxhost::writePng (QUINDLE_TEST_OUTPUT_DIR "/jalv-other-shape.png", *reshaped));

    const auto window = x11::screenBoundsOf (x, jalv.window), plugin = x11::screenBoundsOf (x, jalv.pluginWindow);
    EXPECT_TRUE (window.contains (plugin)) << "the plug-in's window " << plugin.width << " x " << plugin.height << " at "
                                           << plugin.x << ", " << plugin.y << " reaches outside the host's " << window.width
                                           << " x " << window.height << " at " << window.x << ", " << window.y;

    // The bottom row of controls (both MONO buttons, Stereo Pan, the Out value) as the editor
    // opened, found in the new picture with the whole editor, scaled to fit, inside the window.
    const x11::Rectangle bottomRow { 0, opened->height * 86 / 100, opened->width, opened->height * 14 / 100 - 3 };
    const auto scale = std::min (reshaped->width / (double) opened->width, reshaped->height / (double) opened->height);
    const auto found = findScaled (*reshaped, *opened, bottomRow, scale);
    EXPECT_LT (found.difference, 4.0) << "the bottom row of controls is not in the window (test-output/jalv-other-shape.png): "
                                      << "the best place for the whole editor at about " << scale << " times its opening size, "
                                      << found.scale << " times at " << found.x << ", " << found.y << ", differs by "
                                      << found.difference << " (the editor drawn whole differs by less than 2)";
}
} // namespace quindle::test::host
