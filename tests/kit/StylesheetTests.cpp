#include "tests/kit/KitTestSupport.h"

#include <BinaryData.h>

#include <atomic>
#include <thread>
#include <vector>

namespace quindle::test::kit
{
TEST (Stylesheet, ColourTableHoldsTheGivenAndDerivedColours)
{
    struct Case { int colourId; juce::uint32 argb; const char* why; };
    const Case cases[] = {
        { 0,  0xff0b335c, "given" },
        { 1,  0xfff1f3f9, "given" },
        { 2,  0xff8694a8, "colour 3 made brighter by 0.3" },
        { 3,  0xff62748e, "given" },
        { 4,  0xff092c50, "colour 0 made darker by 0.15" },
        { 5,  0xff0b335c, "colour 0" },
        { 6,  0xff03497c, "given" },
        { 7,  0xff0b335c, "colour 0" },
        { 8,  0xffac1c0c, "given" },
        { 9,  0xff65862c, "given" },
        { 10, 0xff5b5b5b, "grey made darker by 0.4" },
        { 11, 0xff000000, "an id the table lacks is opaque black" },
        { -1, 0xff000000, "an id the table lacks is opaque black" },
    };

    const auto* stylesheet = Stylesheet::getInstance();
    ASSERT_NE (stylesheet, nullptr);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String ("colour ") + juce::String (c.colourId) + ": " + c.why);
        EXPECT_EQ (stylesheet->getColour (c.colourId).getARGB(), c.argb);
    }
}

TEST (Stylesheet, TypefaceIsMadeFromTheEmbeddedFont)
{
    const auto typeface = Stylesheet::getInstance()->typeface;
    ASSERT_NE (typeface, nullptr);
    EXPECT_EQ (typeface->getName(), "TeX Gyre Adventor") << "the embedded font, never a system fallback";
    EXPECT_GT (juce::Font (typeface).withHeight (12.0f).getStringWidthFloat ("MONO"), 0.0f)
        << "the typeface has outlines for the editor's texts";
}

TEST (Stylesheet, FirstCallsFromSeveralThreadsCreateOneInstance)
{
    Stylesheet::deleteInstance();
    ASSERT_EQ (Stylesheet::getInstanceWithoutCreating(), nullptr);

    constexpr int numThreads = 8;
    std::vector<Stylesheet*> seen (numThreads, nullptr);
    std::atomic<bool> go { false };
    std::vector<std::thread> threads;

    for (int i = 0; i < numThreads; ++i)
        threads.emplace_back ([&, i]
        {
            while (! go.load())
                std::this_thread::yield();

            seen[(size_t) i] = Stylesheet::getInstance();
        });

    go = true;

    for (auto& t : threads)
        t.join();

    for (auto* instance : seen)
        EXPECT_EQ (instance, Stylesheet::getInstanceWithoutCreating());

    EXPECT_NE (seen.front(), nullptr);
}

TEST (Stylesheet, FrameworkShutdownDeletesItAndALaterCallCreatesItAgain)
{
    ASSERT_NE (Stylesheet::getInstance(), nullptr);

    // What the framework runs when it shuts its GUI support down.
    juce::DeletedAtShutdown::deleteAll();
    EXPECT_EQ (Stylesheet::getInstanceWithoutCreating(), nullptr);

    const auto* again = Stylesheet::getInstance();
    ASSERT_NE (again, nullptr);
    EXPECT_EQ (again->getColour (1).getARGB(), 0xfff1f3f9u);
    EXPECT_NE (again->typeface, nullptr);
}
} // namespace quindle::test::kit
