#include "tests/processor/ProcessorTestSupport.h"

namespace quindle::test::processor
{
namespace
{
juce::File expectedSettingsFile()
{
    return juce::File ("~/Norvane/Quindle/Quindle.config");
}
} // namespace

TEST (ProcessorShell, FactoryBuildsAStereoInStereoOutProcessor)
{
    std::unique_ptr<juce::AudioProcessor> processor;
    {
        const CapturedStderr quiet;
        processor.reset (createPluginFilter());
    }

    ASSERT_NE (dynamic_cast<QuindleAudioProcessor*> (processor.get()), nullptr);
    ASSERT_EQ (processor->getBusCount (true), 1);
    ASSERT_EQ (processor->getBusCount (false), 1);
    EXPECT_EQ (processor->getBus (true, 0)->getName(), "Input");
    EXPECT_EQ (processor->getBus (false, 0)->getName(), "Output");
    EXPECT_EQ (processor->getMainBusNumInputChannels(), 2);
    EXPECT_EQ (processor->getMainBusNumOutputChannels(), 2);
}

TEST (ProcessorShell, AcceptsMonoOrStereoInOnlyWithStereoOut)
{
    using Set = juce::AudioChannelSet;
    struct Case { const char* name; std::vector<Set> inputs, outputs; bool accepted; };
    const Case cases[] {
        { "mono in, stereo out",     { Set::mono() },          { Set::stereo() }, true },
        { "stereo in, stereo out",   { Set::stereo() },        { Set::stereo() }, true },
        { "mono in, mono out",       { Set::mono() },          { Set::mono() },   false },
        { "stereo in, mono out",     { Set::stereo() },        { Set::mono() },   false },
        { "LCR in, stereo out",      { Set::createLCR() },     { Set::stereo() }, false },
        { "5.1 in, stereo out",      { Set::create5point1() }, { Set::stereo() }, false },
        { "stereo in, quad out",     { Set::stereo() },        { Set::quadraphonic() }, false },
        { "no input bus",            {},                       { Set::stereo() }, false },
        { "disabled input",          { Set::disabled() },      { Set::stereo() }, false },
        { "no output bus",           { Set::stereo() },        {},                false },
    };

    const auto processor = makeProcessor();

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.addArray (c.inputs.data(), static_cast<int> (c.inputs.size()));
        layout.outputBuses.addArray (c.outputs.data(), static_cast<int> (c.outputs.size()));
        EXPECT_EQ (processor->isBusesLayoutSupported (layout), c.accepted);
    }

    juce::AudioProcessor::BusesLayout monoIn;
    monoIn.inputBuses.add (Set::mono());
    monoIn.outputBuses.add (Set::stereo());
    EXPECT_TRUE (processor->setBusesLayout (monoIn)) << "the framework must be able to switch to mono in";
    EXPECT_EQ (processor->getMainBusNumInputChannels(), 1);
}

TEST (ProcessorShell, FixedAnswers)
{
    const auto processor = makeProcessor();

    EXPECT_EQ (processor->getName(), "Quindle");
    EXPECT_EQ (processor->getTailLengthSeconds(), 0.0);
    EXPECT_EQ (processor->getLatencySamples(), 0);
    EXPECT_FALSE (processor->acceptsMidi());
    EXPECT_FALSE (processor->producesMidi());
    EXPECT_FALSE (processor->isMidiEffect());
    EXPECT_TRUE (processor->hasEditor());

    processor->setCurrentProgram (3);
    processor->changeProgramName (0, "Renamed");
    EXPECT_EQ (processor->getNumPrograms(), 1);
    EXPECT_EQ (processor->getCurrentProgram(), 0);
    EXPECT_EQ (processor->getProgramName (0), "");
    EXPECT_EQ (processor->getProgramName (5), "");
}

TEST (ProcessorShell, FirstRunReportsTheSettingsPathAndCreatesNoFile)
{
    ASSERT_FALSE (expectedSettingsFile().exists());

    CapturedStderr captured;
    std::unique_ptr<QuindleAudioProcessor> processor = std::make_unique<QuindleAudioProcessor>();
    const auto output = captured.take();

    EXPECT_EQ (output, "Props path: " + expectedSettingsFile().getFullPathName().toStdString() + "\n");
    EXPECT_EQ (processor->propertiesFile->getFile(), expectedSettingsFile());
    EXPECT_TRUE (processor->propertiesFile->getAllProperties().size() == 0);

    processor.reset();
    EXPECT_FALSE (expectedSettingsFile().exists()) << "an unchanged settings file is never written";
}

TEST (ProcessorShell, ReadsAnExistingSettingsFileAtOnce)
{
    const auto file = expectedSettingsFile();
    ASSERT_TRUE (file.getParentDirectory().createDirectory());
    ASSERT_TRUE (file.replaceWithText (R"(<?xml version="1.0" encoding="UTF-8"?>
<PROPERTIES><VALUE name="size-x" val="820"/></PROPERTIES>)"));

    const auto processor = makeProcessor();
    EXPECT_EQ (processor->propertiesFile->getIntValue ("size-x"), 820);

    file.getParentDirectory().getParentDirectory().deleteRecursively();
}

TEST (ProcessorShell, EachProcessorOwnsItsSettingsFileObjectForTheSamePath)
{
    const auto first = makeProcessor();
    const auto second = makeProcessor();

    ASSERT_NE (first->propertiesFile, nullptr);
    EXPECT_NE (first->propertiesFile, second->propertiesFile);
    EXPECT_EQ (first->propertiesFile->getFile(), second->propertiesFile->getFile());
}

TEST (ProcessorShell, CreateEditorReportsItAndHandsOverANewEditor)
{
    const auto processor = makeProcessor();

    CapturedStderr captured;
    std::unique_ptr<juce::AudioProcessorEditor> editor (processor->createEditor());
    const auto output = captured.take();

    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (output.rfind ("Editor created\n", 0), 0u) << output;
    EXPECT_EQ (&editor->processor, processor.get());
}
} // namespace quindle::test::processor
