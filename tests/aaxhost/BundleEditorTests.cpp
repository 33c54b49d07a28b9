// The AAX bundle's editor in a real window of the test host's, under an X server of the test's
// own. The host's GUI thread runs the framework's message loop through TimerWakeup; the editor
// appears in the host's window and paints; a real click in it travels the AAX automation road to
// the host and on to the audio; a change the host makes shows on screen; a width the user gives
// one editor is saved and taken by another; and nothing of the bundle is left when the windows
// close and the instances go. A framework assertion anywhere (the framework reports them on
// standard error in this Debug build) fails the test.

#include "tests/aaxhost/LoadedBundle.h"
#include "tests/aaxhost/PngFile.h"
#include "tests/aaxhost/ProcessThreads.h"
#include "tests/aaxhost/StandardErrorToFile.h"
#include "tests/aaxhost/X11HostWindow.h"
#include "tests/common/ChainSignals.h"
#include "tests/common/Watchdog.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iostream>
#include <limits>
#include <memory>
#include <sstream>
#include <thread>

namespace quindle::test::aaxhost
{
namespace
{
    // The editor lays its interface out at 525 x 229 and scales it to its window: the places the
    // tests click and look at, in those design coordinates.
    struct DesignPoint
    {
        double x, y;
    };

    constexpr DesignPoint inputMonoButton { 95.5, 211.0 };   // the left panel's MONO
    constexpr DesignPoint monoCheckButton { 473.0, 211.0 };  // the right panel's mono check
    constexpr DesignPoint infoToggle { 9.5, 217.5 };         // "?" in the bottom left corner
    constexpr DesignPoint middlePanelTop { 306.0, 5.0 };     // bare middle panel above the knobs

    struct DesignArea
    {
        DesignPoint topLeft, bottomRight;
    };

    constexpr DesignArea widthKnobArea { { 200.0, 20.0 }, { 300.0, 200.0 } };
    constexpr DesignArea monoCheckArea { { 446.0, 204.0 }, { 500.0, 218.0 } };

    // Stylesheet colours 6 (the middle panel) and 0 (the input and output sections).
    constexpr std::array<std::uint8_t, 3> middlePanelColour { 0x03, 0x49, 0x7c };
    constexpr std::array<std::uint8_t, 3> sectionColour { 0x0b, 0x33, 0x5c };

    int heightForWidth (int width)
    {
        return static_cast<int> (std::floor (width / 2.3)) + 1;
    }

    /** Where a design point lies in an editor window `width` pixels wide: the editor scales its
        design as a window 2 pixels wider would. */
    x11::Point inEditor (DesignPoint p, int width)
    {
        return { static_cast<int> (p.x * (width + 2) / 525.0),
                 static_cast<int> (p.y * heightForWidth (width + 2) / 229.0) };
    }

    size_t pixelsOf (const x11::Image& image, std::array<std::uint8_t, 3> colour)
    {
        size_t count = 0;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
                count += image.pixel (x, y) == colour ? 1u : 0u;
        return count;
    }

    /** The host's audio thread: runs the algorithm over one block of the signal again and again
        until it goes, while the GUI thread works. */
    class AudioThread
    {
    public:
        AudioThread (Algorithm& algorithm, const std::vector<std::vector<float>>& block)
            : thread ([this, &algorithm, &block] {
                  while (! stop)
                  {
                      algorithm.process (block);
                      ++blocks;
                  }
              })
        {
        }

        ~AudioThread()
        {
            stop = true;
            thread.join();
        }

        std::atomic<int> blocks { 0 };

    private:
        std::atomic<bool> stop { false };
        std::thread thread;
    };

    /** The loaded bundle with an X server of the test's own for its editors' windows, a HOME
        of the test's own for the settings file, and a connection of the test's to look and
        click. */
    class EditorInHostWindow : public LoadedBundle
    {
    public:
        static void SetUpTestSuite()
        {
            server = std::make_unique<x11::VirtualServer> (1280, 1024);
            setenv ("DISPLAY", server->displayName().c_str(), 1);
            desktop = std::make_unique<x11::Connection>();
            makeWindowManagerAtoms (*desktop);

            // A sanitizer's runtime starts a thread of its own with the process's first thread:
            // here, before any test counts the threads.
            std::thread ([] {}).join();
        }

        static void TearDownTestSuite()
        {
            desktop.reset();
            server.reset();
        }

    protected:
        void SetUp() override
        {
            threadsBeforeLoading = threadNames();
            const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
            const auto logFile = std::string (QUINDLE_TEST_OUTPUT_DIR "/aax-editor-") + test->name() + ".log";
            std::cout << "Standard error goes to " << logFile << std::endl;
            standardError = std::make_unique<StandardErrorToFile> (logFile);
            LoadedBundle::SetUp();
        }

        void TearDown() override
        {
            LoadedBundle::TearDown();
            const auto log = standardError->text();
            standardError.reset();
            EXPECT_EQ (unexpectedAssertionsIn (log), std::vector<std::string>());
            if (HasFailure() || log.find ("Sanitizer") != std::string::npos)
                std::cout << "What the bundle wrote:\n" << log;
            EXPECT_EQ (threadNames(), threadsBeforeLoading) << "nothing of the bundle runs on";
            EXPECT_EQ (xErrors.errors(), std::vector<std::string>()) << "X errors";
        }

        /** The host's GUI thread at work: every given instance's GUI object gets its
            TimerWakeup every 10 ms, until done() holds or five seconds have passed. */
        static bool runGUIUntil (const std::vector<Instance*>& instances, const std::function<bool()>& done)
        {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds (5);

            for (;;)
            {
                for (auto* instance : instances)
                    EXPECT_EQ (instance->timerWakeup(), AAX_SUCCESS);

                if (done())
                    return true;

                if (std::chrono::steady_clock::now() > deadline)
                    return false;

                std::this_thread::sleep_for (std::chrono::milliseconds (10));
            }
        }

        static void runGUIFor (const std::vector<Instance*>& instances, int milliseconds)
        {
            const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds (milliseconds);
            runGUIUntil (instances, [end] { return std::chrono::steady_clock::now() > end; });
        }

        /** The plug-in's own window inside the host's (0 while there is none). */
        x11::WindowId editorWindowIn (const X11HostWindow& window) const
        {
            const auto children = x11::childrenOf (x, window.id());
            return children.size() == 1 ? children[0] : 0;
        }

        /** Opens the instance's view in the window and waits until the editor shows its panels. */
        void openAndWaitForPanels (QuindleInstance& quindle, X11HostWindow& window)
        {
            ASSERT_EQ (quindle.instance.openViewIn (window), AAX_SUCCESS);
            ASSERT_TRUE (runGUIUntil ({ &quindle.instance }, [&] { return showsPanels (window); }))
                << "the editor did not paint its panels in the host's window";
        }

        bool showsPanels (const X11HostWindow& window) const
        {
            const auto image = x11::readPixels (x, window.id());
            return pixelsOf (image, middlePanelColour) >= 20000 && pixelsOf (image, sectionColour) >= 20000;
        }

        x11::Image areaOf (const X11HostWindow& window, DesignArea area) const
        {
            const auto width = sizeOf (x, window.id()).width;
            const auto topLeft = inEditor (area.topLeft, width), bottomRight = inEditor (area.bottomRight, width);
            return x11::readPixels (x, window.id(), topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y);
        }

        void clickAt (const X11HostWindow& window, DesignPoint point) const
        {
            const auto inWindow = inEditor (point, sizeOf (x, window.id()).width);
            const auto onScreen = x11::screenPositionOf (x, window.id(), inWindow.x, inWindow.y);
            x11::click (x, onScreen.x, onScreen.y);
        }

        /** The framework's assertions in the log, but for those the test expects. */
        std::vector<std::string> unexpectedAssertionsIn (const std::string& log) const
        {
            std::vector<std::string> unexpected;
            std::istringstream lines (log);

            for (std::string line; std::getline (lines, line);)
                if (line.find ("JUCE Assertion failure") != std::string::npos
                    && std::none_of (expectedAssertions.begin(), expectedAssertions.end(),
                                     [&] (const auto& expected) { return line.find (expected) != std::string::npos; }))
                    unexpected.push_back (line);

            return unexpected;
        }

        std::vector<std::string> expectedAssertions;
        static std::unique_ptr<x11::VirtualServer> server;
        static std::unique_ptr<x11::Connection> desktop;   // stands in for the window manager
        std::unique_ptr<StandardErrorToFile> standardError;
        const X11ErrorLog xErrors;
        const HomeWithSavedWidth home { std::nullopt };
        const x11::Connection x;
        std::vector<std::string> threadsBeforeLoading;
    };

    std::unique_ptr<x11::VirtualServer> EditorInHostWindow::server;
    std::unique_ptr<x11::Connection> EditorInHostWindow::desktop;

    // A host window is made before the instance that shows in it, so that the view is closed
    // (the instance's end closes it) before the window goes.

    /** The GUI object of an instance, initialised by the host. */
    void initializeGUI (QuindleInstance& quindle, const EffectDescriptor& effect)
    {
        ASSERT_EQ (quindle.initializeResult, AAX_SUCCESS);
        ASSERT_EQ (quindle.instance.initializeGUI (effect.createGUI()), AAX_SUCCESS);
    }
} // namespace

TEST_F (EditorInHostWindow, TheEditorPaintsInTheHostsWindowShowsItsOverlayAndComesBackAfterADetach)
{
    X11HostWindow window (x, "Quindle AAX", 0, 0);
    QuindleInstance quindle (host, *effect);
    initializeGUI (quindle, *effect);

    openAndWaitForPanels (quindle, window);
    EXPECT_EQ (sizeOf (x, window.id()).width, 700) << "the host sized its window from the GUI's view size";
    EXPECT_EQ (sizeOf (x, window.id()).height, 305);
    ASSERT_NE (editorWindowIn (window), 0u) << "the editor's window lives inside the host's";
    EXPECT_EQ (sizeOf (x, editorWindowIn (window)).width, 700);
    EXPECT_EQ (sizeOf (x, editorWindowIn (window)).height, 305);
    EXPECT_TRUE (writePng (QUINDLE_TEST_OUTPUT_DIR "/aax-editor.png", x11::readPixels (x, window.id())));

    // The "?" toggle flips a flag; the container's 100 ms timer shows the overlay over the panels.
    const auto bareMiddlePanel = [&] {
        const auto at = inEditor (middlePanelTop, 700);
        return x11::readPixels (x, window.id(), at.x, at.y, 1, 1).pixel (0, 0) == middlePanelColour;
    };
    ASSERT_TRUE (bareMiddlePanel());
    clickAt (window, infoToggle);
    EXPECT_TRUE (runGUIUntil ({ &quindle.instance }, [&] { return ! bareMiddlePanel(); })) << "the overlay did not show";
    clickAt (window, infoToggle);
    EXPECT_TRUE (runGUIUntil ({ &quindle.instance }, bareMiddlePanel)) << "the overlay did not go";

    // Detached, the editor's window goes; attached again, a new editor paints.
    ASSERT_EQ (quindle.instance.closeView(), AAX_SUCCESS);
    EXPECT_TRUE (runGUIUntil ({ &quindle.instance }, [&] { return editorWindowIn (window) == 0; }));
    EXPECT_EQ (pixelsOf (x11::readPixels (x, window.id()), middlePanelColour), 0u);
    openAndWaitForPanels (quindle, window);

    ASSERT_EQ (quindle.instance.closeView(), AAX_SUCCESS);
    EXPECT_EQ (quindle.instance.uninitializeGUI(), AAX_SUCCESS);
    EXPECT_EQ (quindle.instance.uninitialize(), AAX_SUCCESS);
}

TEST_F (EditorInHostWindow, AClickInTheEditorTravelsTheAutomationRoadToTheHostAndTheAudio)
{
    using Kind = AutomationDelegate::Event::Kind;
    using Event = AutomationDelegate::Event;

    struct Case
    {
        const char* name;
        DesignPoint control;
        const char* parameterID;
        AutomationDelegate::Answer answer;
    };

    const Case cases[] = {
        { "MONO, the host answering at once", inputMonoButton, "Input Mono", AutomationDelegate::Answer::atOnce },
        { "mono check, the host answering later", monoCheckButton, "Mono Check", AutomationDelegate::Answer::later },
    };

    const auto block = twoToneSignal (kBlockSize, kSampleRate);
    const auto mono = [] (double l, double r) { return Sample { mid (l, r), mid (l, r) }; };
    const auto identity = [] (double l, double r) { return Sample { l, r }; };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        X11HostWindow window (x, "Quindle AAX", 0, 0);
        QuindleInstance quindle (host, *effect);
        initializeGUI (quindle, *effect);
        openAndWaitForPanels (quindle, window);

        Algorithm algorithm (*componentFor (AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo), quindle.dataModel(),
                             quindle.instance.controller(), kBlockSize);
        EXPECT_LT (largestError (block, algorithm.process (block), 0, identity), 1.0e-6);

        auto& automation = quindle.instance.automation();
        automation.answerSetRequests (c.answer);
        automation.clearEvents();
        const std::string id = c.parameterID;
        const auto released = [&] {
            const auto events = automation.eventsOf (Kind::release);
            return events.size() == 2;
        };

        {
            const AudioThread audio (algorithm, block);
            clickAt (window, c.control);
            EXPECT_TRUE (runGUIUntil ({ &quindle.instance }, released)) << "the gesture did not end";
            EXPECT_TRUE (runGUIUntil ({ &quindle.instance }, [&] { return audio.blocks > 0; }));
        }

        // The click is one gesture, touched and released around the set request; the value
        // changes in the host's parameter when the host answers.
        std::vector<Event> expected { { Kind::touch, id }, { Kind::touch, id }, { Kind::setRequest, id, 1.0 } };
        if (c.answer == AutomationDelegate::Answer::atOnce)
            expected.push_back ({ Kind::currentValue, id, 1.0 });
        expected.insert (expected.end(), { { Kind::release, id }, { Kind::release, id } });
        EXPECT_EQ (automation.events(), expected);

        if (c.answer == AutomationDelegate::Answer::later)
        {
            const auto answered = automation.deliverPending();
            ASSERT_EQ (answered.size(), 1u);
            EXPECT_EQ (answered[0].result, AAX_SUCCESS);
            EXPECT_EQ (automation.events().back(), (Event { Kind::currentValue, id, 1.0 }));
        }

        EXPECT_NEAR (quindle.normalisedValue (c.parameterID), 1.0, 1.0e-9);
        EXPECT_LT (largestError (block, algorithm.process (block), 0, mono), 1.0e-6)
            << "the next block is mono";

        const auto mouse = quindle.instance.viewContainer().mouseEvents();
        ASSERT_FALSE (mouse.empty());
        EXPECT_EQ (mouse.front().operation, "HandleParameterMouseDown") << "the host hears of the press first";
        EXPECT_EQ (mouse.front().parameterIDs, std::vector<std::string> { id });

        EXPECT_EQ (quindle.instance.closeView(), AAX_SUCCESS);
    }
}

TEST_F (EditorInHostWindow, AChangeTheHostMakesShowsOnTheControl)
{
    struct Case
    {
        const char* name;
        const char* parameterID;
        double value;
        DesignArea control;
        bool fromAnotherThread;
    };

    const Case cases[] = {
        { "Width to 0 % from the host's GUI thread", "Width", 0.0, widthKnobArea, false },
        { "mono check on from the host's automation thread", "Mono Check", 1.0, monoCheckArea, true },
    };

    X11HostWindow window (x, "Quindle AAX", 0, 0);
    QuindleInstance quindle (host, *effect);
    initializeGUI (quindle, *effect);
    openAndWaitForPanels (quindle, window);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto before = areaOf (window, c.control).rgb;
        ASSERT_FALSE (before.empty());

        const auto update = [&] {
            EXPECT_EQ (quindle.dataModel().UpdateParameterNormalizedValue (c.parameterID, c.value, AAX_eUpdateSource_Unspecified),
                       AAX_SUCCESS);
        };
        if (c.fromAnotherThread)
            std::thread (update).join();
        else
            update();

        EXPECT_TRUE (runGUIUntil ({ &quindle.instance }, [&] { return areaOf (window, c.control).rgb != before; }))
            << "the control did not move";
    }

    EXPECT_EQ (quindle.instance.closeView(), AAX_SUCCESS);
}

TEST_F (EditorInHostWindow, AValueNoHostShouldSendKeepsTheParameterInRangeAndTheHostsGUIThreadRunning)
{
    // A NaN from the host used to make the editor's controls re-post a message for ever, so that
    // TimerWakeup never returned. The parameter keeps its value for a number that is not finite
    // and takes the nearer end of 0..1 for any other; the host is told the value it holds, and
    // both chunks carry it.
    // The framework's Debug build asserts where its wrapper hands a control the host's NaN on the
    // GUI thread (its range asserts on any value outside 0..1 it is given): that one is expected.
    expectedAssertions = { "juce_NormalisableRange.h" };

    struct Parameter { const char* id; double present; };
    const Parameter parameters[] { { "Width", 0.25 }, { "Input Mono", 1.0 }, { "Input M/S", 0.5 } };
    constexpr auto infinity = std::numeric_limits<double>::infinity();
    const double hostValues[] { std::numeric_limits<double>::quiet_NaN(), infinity, -infinity, -1.0, 2.0 };

    X11HostWindow window (x, "Quindle AAX", 0, 0);
    QuindleInstance quindle (host, *effect);
    initializeGUI (quindle, *effect);
    openAndWaitForPanels (quindle, window);
    auto& automation = quindle.instance.automation();

    for (const auto& p : parameters)
    {
        for (const auto hostValue : hostValues)
        {
            for (const bool fromAnotherThread : { false, true })
            {
                const auto what = std::string (p.id) + " set to " + std::to_string (hostValue)
                                + (fromAnotherThread ? " from the host's automation thread" : " from its GUI thread");
                SCOPED_TRACE (what);
                const auto update = [&] (double value) {
                    EXPECT_EQ (quindle.dataModel().UpdateParameterNormalizedValue (p.id, value, AAX_eUpdateSource_Unspecified), AAX_SUCCESS);
                };

                update (p.present);
                runGUIFor ({ &quindle.instance }, 20);

                {
                    const Watchdog watchdog ("TimerWakeup after " + what);

                    if (fromAnotherThread)
                        std::thread (update, hostValue).join();
                    else
                        update (hostValue);

                    runGUIFor ({ &quindle.instance }, 50);
                }

                const auto expected = std::isfinite (hostValue) ? std::clamp (hostValue, 0.0, 1.0) : p.present;
                EXPECT_NEAR (quindle.normalisedValue (p.id), expected, 1.0e-6);

                // The host's last word on the value: the current value reported, or a set request.
                const auto events = automation.events();
                const auto last = std::find_if (events.rbegin(), events.rend(), [&] (const AutomationDelegate::Event& e) {
                    using Kind = AutomationDelegate::Event::Kind;
                    return e.parameterID == p.id && (e.kind == Kind::currentValue || e.kind == Kind::setRequest);
                });
                ASSERT_NE (last, events.rend());
                EXPECT_NEAR (last->value, expected, 1.0e-6) << "the host holds what the parameter holds";

                for (const auto chunkID : { 0x656C636Bu, 0x6A756365u }) // 'elck', 'juce'
                {
                    auto saved = quindle.chunk (chunkID);
                    QuindleInstance restored (host, *effect);
                    ASSERT_EQ (restored.initializeResult, AAX_SUCCESS);
                    EXPECT_EQ (restored.dataModel().SetChunk (chunkID, saved.chunk()), AAX_SUCCESS);
                    EXPECT_NEAR (restored.normalisedValue (p.id), expected, 1.0e-6) << "the chunk holds what the parameter holds";
                }
            }
        }
    }

    EXPECT_EQ (quindle.instance.closeView(), AAX_SUCCESS);
}

TEST_F (EditorInHostWindow, TwoEditorsAtOnceAWidthTheUserGivesOneIsSavedAndTheOtherTakesIt)
{
    {
        X11HostWindow firstWindow (x, "Quindle AAX 1", 0, 0), secondWindow (x, "Quindle AAX 2", 0, 520);
        QuindleInstance first (host, *effect), second (host, *effect);
        initializeGUI (first, *effect);
        initializeGUI (second, *effect);
        openAndWaitForPanels (first, firstWindow);
        openAndWaitForPanels (second, secondWindow);
        const std::vector<Instance*> both { &first.instance, &second.instance };

        // The user drags the first editor's resize corner 100 pixels right and 44 down.
        const auto corner = x11::screenPositionOf (x, firstWindow.id(), 700 - 9, 305 - 9);
        x11::drag (x, corner.x, corner.y, corner.x + 100, corner.y + 44);
        ASSERT_TRUE (runGUIUntil (both, [&] { return sizeOf (x, firstWindow.id()).width > 700; }))
            << "the editor did not ask the host for a bigger window";
        runGUIFor (both, 100);
        const auto width = sizeOf (x, firstWindow.id()).width;
        EXPECT_NEAR (width, 800, 5);
        EXPECT_NEAR (sizeOf (x, firstWindow.id()).height, width / 2.3, 1.0) << "the editor keeps its aspect ratio";
        EXPECT_EQ (sizeOf (x, editorWindowIn (firstWindow)).width, width);
        EXPECT_EQ (sizeOf (x, editorWindowIn (firstWindow)).height, sizeOf (x, firstWindow.id()).height);

        EXPECT_TRUE (runGUIUntil (both, [&] { return home.storedWidth() == std::to_string (width); }))
            << "the settings file holds " << home.storedWidth();
        EXPECT_TRUE (runGUIUntil (both, [&] { return sizeOf (x, secondWindow.id()).width == width; }))
            << "the second editor did not take the width at its poll";
        EXPECT_EQ (sizeOf (x, secondWindow.id()).height, heightForWidth (width));
        EXPECT_EQ (sizeOf (x, editorWindowIn (secondWindow)).width, width);
        EXPECT_TRUE (showsPanels (secondWindow));

        EXPECT_EQ (first.instance.closeView(), AAX_SUCCESS);
        EXPECT_EQ (second.instance.closeView(), AAX_SUCCESS);
    }

    // The windows are closed and both instances gone: the bundle can go.
    EXPECT_EQ (canUnloadNow (host.unknown()), 0);
}
} // namespace quindle::test::aaxhost
