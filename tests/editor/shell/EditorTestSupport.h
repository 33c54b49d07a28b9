#pragma once

// Opening editors in a host's window as the plug-in wrappers do, a user's drag of an editor's
// resize corner, a clean settings file per test, timers run at their real periods without a
// message loop, and walks over the controls of an editor's tree.

#include "editor/PluginEditor.h"
#include "tests/common/ControlTestSupport.h"
#include "tests/common/MessageDispatch.h"
#include "tests/kit/KitTestSupport.h"
#include "processor/ParameterIDs.h"
#include "tests/processor/ProcessorTestSupport.h"

#include <functional>
#include <memory>
#include <optional>
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

/** A host's window around one editor, made as the plug-in wrappers make theirs: the editor is
    its only child, and the window takes the editor's size when the editor resizes itself. A
    resize of the window, by its user or by its host, reaches the editor as a wrapper passes it
    on: through the editor's constrainer (LV2, AAX, the Standalone) or as it is (VST3).

    A host may hold its window at least as large as a size of its own, as jalv and Ardour do with
    the size an editor opened at: a smaller size the editor gives itself is answered later with
    the held size. Before that, a wrapper may hand the editor's new size straight back to it, as
    JUCE's LV2 wrapper does when it tells the host, so that the host's answer is the second. */
class HostWindow : public juce::Component
{
public:
    enum class Passes { throughTheConstrainer, asItIs };
    enum class Answers { later, nestedAndLater };

    explicit HostWindow (Passes passesOn = Passes::throughTheConstrainer) : passes (passesOn) {}

    void holdAtLeast (juce::Rectangle<int> size, Answers howItAnswers = Answers::later)
    {
        smallest = size.withZeroOrigin();
        answers = howItAnswers;
    }

    /** The window resized as its user drags it, or as its host sizes it. */
    void resizeTo (int width, int height) { setSize (width, height); }

    void resized() override
    {
        if (! followingEditor)
            passSpaceToEditor();
    }

    void childBoundsChanged (juce::Component* child) override
    {
        if (passingSpace || child == nullptr)
            return;

        const auto asked = child->getBounds().withZeroOrigin();

        {
            const juce::ScopedValueSetter<bool> following (followingEditor, true);
            setSize (asked.getWidth(), asked.getHeight());
        }

        if (! smallest.has_value() || asked.contains (*smallest))
            return;

        if (answers == Answers::nestedAndLater)
            passSpaceToEditor();

        juce::MessageManager::callAsync ([window = juce::Component::SafePointer<HostWindow> (this)]
        {
            if (window == nullptr)
                return;

            const auto held = window->getLocalBounds().getUnion (*window->smallest);
            window->setSize (held.getWidth(), held.getHeight());
        });
    }

private:
    void passSpaceToEditor()
    {
        auto* editor = dynamic_cast<juce::AudioProcessorEditor*> (getChildComponent (0));

        if (editor == nullptr)
            return;

        const juce::ScopedValueSetter<bool> passing (passingSpace, true);
        const auto space = editor->getLocalArea (this, getLocalBounds()).withZeroOrigin();

        if (passes == Passes::asItIs)
            editor->setBounds (space);
        else
            editor->setBoundsConstrained (space);
    }

    const Passes passes;
    std::optional<juce::Rectangle<int>> smallest;
    Answers answers = Answers::later;
    bool followingEditor = false, passingSpace = false;
};

/** One instance with its editor open in a host's window, created and deleted the way the plug-in
    wrappers do. Keeps what the opening wrote to standard error, so it must not be made while
    that is captured. */
class OpenEditor
{
public:
    explicit OpenEditor (juce::AudioProcessor::WrapperType wrapperType = juce::AudioProcessor::wrapperType_Undefined,
                         HostWindow::Passes passes = HostWindow::Passes::throughTheConstrainer)
        : hostWindow (std::make_unique<HostWindow> (passes))
    {
        juce::AudioProcessor::setTypeOfNextNewPlugin (wrapperType);
        processor = processor::makeProcessor();
        juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);

        processor::CapturedStderr captured;
        editorComponent.reset (dynamic_cast<QuindleAudioProcessorEditor*> (processor->createEditorIfNeeded()));
        hostWindow->setSize (editorComponent->getWidth(), editorComponent->getHeight());
        hostWindow->addAndMakeVisible (*editorComponent);
        openingLog = captured.take();
    }

    explicit OpenEditor (HostWindow::Passes passes) : OpenEditor (juce::AudioProcessor::wrapperType_Undefined, passes) {}

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
    HostWindow& window() { return *hostWindow; }

    juce::RangedAudioParameter& parameter (const char* id) { return *processor->apvts.getParameter (id); }
    void set (const char* id, float value) { processor::setParameter (*processor, id, value); }

    std::unique_ptr<QuindleAudioProcessor> processor;
    std::string openingLog;

private:
    std::unique_ptr<HostWindow> hostWindow;
    std::unique_ptr<QuindleAudioProcessorEditor> editorComponent;
};

/** The user drags the editor's resize corner, as far as gives the picture this width, and lets
    go: the road of the framework's resize corner, with the editor's constrainer deciding the
    size. Dragged a little flatter than the picture's shape, so that the width leads. */
inline void dragCornerToWidth (QuindleAudioProcessorEditor& editor, int width)
{
    juce::ResizableCornerComponent* corner = nullptr;

    for (auto* child : editor.getChildren())
        if (auto* c = dynamic_cast<juce::ResizableCornerComponent*> (child))
            corner = c;

    ASSERT_NE (corner, nullptr);
    SyntheticMouse mouse (*corner);
    mouse.press ({ 9.0f, 9.0f });
    mouse.dragBy ((float) (width - editor.getWidth()),
                  (float) (EditorShape::heightForWidth (width) - 2 - editor.getHeight()));
    mouse.release();
}

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
