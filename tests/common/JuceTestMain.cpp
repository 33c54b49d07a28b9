// Test entry point for every executable that links the plug-in's shared code.
// HOME is pointed at a fresh temporary folder before JUCE starts, so no test can read or
// write the user's settings file, and DISPLAY names a display that cannot exist so every test
// runs headless (JUCE tries :0 without one); an executable built with QUINDLE_TEST_OWN_X_SERVER
// gets an Xvfb server of its own instead.

#include <juce_events/juce_events.h>
#include <gtest/gtest.h>

#if QUINDLE_TEST_OWN_X_SERVER
 #include "tests/common/x11/X11TestSupport.h"
#endif

#include "tests/common/TemporaryFolder.h"

#include <cstdlib>
#include <memory>

namespace
{
class JuceEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
       #if QUINDLE_TEST_OWN_X_SERVER
        // Started only when tests run, not when CTest lists them.
        server = std::make_unique<quindle::test::x11::VirtualServer>();
        setenv ("DISPLAY", server->displayName().c_str(), 1);
        quindle::test::x11::ignoreErrors();
       #endif

        juce = std::make_unique<juce::ScopedJuceInitialiser_GUI>();
    }

    void TearDown() override
    {
        juce.reset();
       #if QUINDLE_TEST_OWN_X_SERVER
        server.reset();
       #endif
    }

private:
   #if QUINDLE_TEST_OWN_X_SERVER
    std::unique_ptr<quindle::test::x11::VirtualServer> server;
   #endif
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> juce;
};
} // namespace

int main (int argc, char** argv)
{
    setenv ("DISPLAY", QUINDLE_NO_DISPLAY, 1);
    const quindle::test::TemporaryFolder home ("quindle-test-home");
    setenv ("HOME", home.path().c_str(), 1);

    ::testing::InitGoogleTest (&argc, argv);
    ::testing::AddGlobalTestEnvironment (new JuceEnvironment);
    return RUN_ALL_TESTS();
}
