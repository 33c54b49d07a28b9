// Test entry point for every executable that links the plug-in's shared code.
// HOME is pointed at a fresh temporary folder before JUCE starts, so no test can read or
// write the user's settings file, and DISPLAY is cleared so every test runs headless.

#include <juce_events/juce_events.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace
{
class TemporaryHome
{
public:
    TemporaryHome()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quindle-test-home-XXXXXX").string();
        if (mkdtemp (pattern.data()) == nullptr)
            throw std::runtime_error ("cannot create a temporary HOME");

        path = pattern;
        setenv ("HOME", path.c_str(), 1);
    }

    ~TemporaryHome()
    {
        std::error_code ignored;
        std::filesystem::remove_all (path, ignored);
    }

private:
    std::filesystem::path path;
};

class JuceEnvironment : public ::testing::Environment
{
public:
    void SetUp() override    { juce = std::make_unique<juce::ScopedJuceInitialiser_GUI>(); }
    void TearDown() override { juce.reset(); }

private:
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> juce;
};
} // namespace

int main (int argc, char** argv)
{
    unsetenv ("DISPLAY");
    const TemporaryHome home;

    ::testing::InitGoogleTest (&argc, argv);
    ::testing::AddGlobalTestEnvironment (new JuceEnvironment);
    return RUN_ALL_TESTS();
}
