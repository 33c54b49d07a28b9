#pragma once

// Opening editors as a host does, a clean settings file per test, timers run at their real
// periods without a message loop, and walks over the controls of an editor's tree.

#include "editor/PluginEditor.h"
#include "tests/common/ControlTestSupport.h"
#include "tests/common/MessageDispatch.h"
#include "tests/kit/KitTestSupport.h"
#include "processor/ParameterIDs.h"
#include "tests/processor/ProcessorTestSupport.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quindle::test::editor
{
/** Runs the message loop for about this long, so timers fire at their real periods: the poll,
    the overlay's timer and the settings file's delayed save among them. */
inline void runTimersFor (int milliseconds)
{
    runMessageLoopFor (milliseconds);
}

/** The one settings file every instance shares, in the tests' own HOME. Found once, by the first
    call, which must not be made while standard error is being captured. */
inline const juce::File& settingsFile()
{
    static const juce::File file = processor::makeProcessor()->propertiesFile->getFile();
    return file;
}

/** Writes "size-x" to the settings file as another instance's save does, at once. */
inline void storeWidthText (const juce::String& text)
{
    juce::PropertiesFile writer (settingsFile(), {});
    writer.setValue (QuindleAudioProcessorEditor::widthKey, text);
    writer.saveIfNeeded();
}

/** "size-x" as the file on disk holds it now; empty when there is none. */
inline juce::String storedWidthText()
{
    return juce::PropertiesFile (settingsFile(), {}).getValue (QuindleAudioProcessorEditor::widthKey);
}

/** The diagnostic lines in a captured log. */
inline std::vector<std::string> linesOf (const std::string& log)
{
    std::vector<std::string> lines;
    juce::StringArray split;
    split.addLines (juce::String (log));

    for (const auto& line : split)
        if (line.isNotEmpty())
            lines.push_back (line.toStdString());

    return lines;
}

inline int countOf (const std::string& log, const std::string& line)
{
    int count = 0;

    for (const auto& l : linesOf (log))
        count += l == line ? 1 : 0;

    return count;
}

/** One instance with its editor open, created and deleted the way the plug-in wrappers do. Keeps
    what the opening wrote to standard error, so it must not be made while that is captured. */
class OpenEditor
{
public:
    explicit OpenEditor (juce::AudioProcessor::WrapperType wrapperType = juce::AudioProcessor::wrapperType_Undefined)
    {
        juce::AudioProcessor::setTypeOfNextNewPlugin (wrapperType);
        processor = processor::makeProcessor();
        juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);

        processor::CapturedStderr captured;
        editorComponent.reset (dynamic_cast<QuindleAudioProcessorEditor*> (processor->createEditorIfNeeded()));
        openingLog = captured.take();
    }

    ~OpenEditor() { close(); }

    void close()
    {
        if (editorComponent != nullptr)
        {
            processor->editorBeingDeleted (editorComponent.get());
            editorComponent.reset();
        }
    }

    QuindleAudioProcessorEditor& editor() { return *editorComponent; }
    MainContainerComponent& container() { return editorComponent->getContainer(); }

    juce::RangedAudioParameter& parameter (const char* id) { return *processor->apvts.getParameter (id); }
    void set (const char* id, float value) { processor::setParameter (*processor, id, value); }

    std::unique_ptr<QuindleAudioProcessor> processor;
    std::string openingLog;

private:
    std::unique_ptr<QuindleAudioProcessorEditor> editorComponent;
};

/** Every test starts without a settings file and leaves none behind. */
class SettingsFileTest : public ::testing::Test
{
protected:
    void SetUp() override { settingsFile().deleteFile(); }
    void TearDown() override { settingsFile().deleteFile(); }
};

inline void forEachComponent (juce::Component& root, const std::function<void (juce::Component&)>& visit)
{
    visit (root);

    for (auto* child : root.getChildren())
        forEachComponent (*child, visit);
}

/** The host control index a component was tagged with, or -1. */
inline int tagOf (juce::Component& c)
{
    const auto* index = c.getProperties().getVarPointer (CustomComponent::controlParameterIndexKey);
    return index != nullptr ? (int) *index : -1;
}
} // namespace quindle::test::editor
