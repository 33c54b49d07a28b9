#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

TEST (ProcessorSmoke, FactoryCreatesTheProcessor)
{
    std::unique_ptr<juce::AudioProcessor> processor (createPluginFilter());
    ASSERT_NE (processor, nullptr);
    EXPECT_EQ (processor->getName(), "Quindle");
}
