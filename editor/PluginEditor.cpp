#include "editor/PluginEditor.h"

#include "kit/Stylesheet.h"
#include "processor/Diagnostics.h"
#include "processor/PluginProcessor.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#if ! JUCE_WINDOWS
 #include <sys/stat.h>
#endif

namespace
{
constexpr int pollIntervalMs = 1000;

// The construction resizes (to the minimum size, then to the loaded width) are not the user's.
constexpr int resizesWhileConstructing = 10;

/** The text as a whole decimal number, digits only (no sign, point or exponent), or nothing. A
    number too long to parse is far above any width and reads as the largest one. */
std::optional<unsigned long long> wholeNumber (const std::string& text)
{
    const auto* end = text.data() + text.size();
    unsigned long long number = 0;
    const auto [parsedTo, error] = std::from_chars (text.data(), end, number);

    if (error == std::errc::invalid_argument || parsedTo != end)
        return std::nullopt;

    return error == std::errc::result_out_of_range ? std::numeric_limits<unsigned long long>::max() : number;
}

/** A stored width as the editor uses it: a positive whole number, within the limits. Anything
    else (text that is no number, 0, a negative or fractional one) gives the default width. */
int usableWidth (const juce::String& storedText)
{
    using Editor = QuindleAudioProcessorEditor;
    const auto width = wholeNumber (storedText.trim().toStdString());

    if (! width.has_value() || *width == 0)
        return Editor::defaultWidth;

    return (int) std::clamp<unsigned long long> (*width, Editor::minWidth, Editor::maxWidth);
}
} // namespace

//==============================================================================
QuindleAudioProcessorEditor::DefaultLookAndFeel::DefaultLookAndFeel()
{
    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
}

QuindleAudioProcessorEditor::DefaultLookAndFeel::~DefaultLookAndFeel()
{
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}

//==============================================================================
QuindleAudioProcessorEditor::QuindleAudioProcessorEditor (QuindleAudioProcessor& p)
    : juce::AudioProcessorEditor (p),
      container (p),
      propertiesFile (p.propertiesFile)
{
    setLookAndFeel (&editorLookAndFeel);

    const juce::PluginHostType host;
    isLogicOrGarageBand = host.isLogic() || host.isGarageBand();
    isAUv3 = p.wrapperType == juce::AudioProcessor::wrapperType_AudioUnitv3;
    isAAX = p.wrapperType == juce::AudioProcessor::wrapperType_AAX;

    propertiesFile->reload();
    lastModifiedMs = settingsFileModificationMs();
    loadedWidth = loadWidth();

    dontSaveWidth = resizesWhileConstructing;
    setResizable (true, true);
    sizeConstrainer.setSizeLimits (minWidth, EditorShape::heightForWidth (minWidth),
                                   maxWidth, EditorShape::heightForWidth (maxWidth));
    setConstrainer (&sizeConstrainer);

    // The limits applied to the present size at once: 0 x 0 becomes the minimum size.
    setBoundsConstrained (getBounds());
    setSize (loadedWidth, EditorShape::heightForWidth (loadedWidth));
    writeDiagnosticLine ("Editor constructed");

    editorLookAndFeel.setDefaultSansSerifTypeface (Stylesheet::getInstance()->typeface);
    addAndMakeVisible (container);

    if (followsOtherInstances())
    {
        startTimer (pollIntervalMs);
        dontSaveWidth = 0;

        // The opening width came from the file: the host may answer it as it answers any other.
        hostMayStillAnswer = true;
    }
}

QuindleAudioProcessorEditor::~QuindleAudioProcessorEditor()
{
    // A width not saved yet goes unsaved: a host resizes the editor as it takes it out of its
    // window, just before deleting it. The members then go in reverse order: this look, the
    // container, the default look.
    cancelPendingUpdate();
    setLookAndFeel (nullptr);
}

//==============================================================================
void QuindleAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
}

void QuindleAudioProcessorEditor::resized()
{
    writeDiagnosticLine ("resized to " + juce::String (getWidth()) + ", dontSaveWidth: " + juce::String (dontSaveWidth));

    if (followsOtherInstances())
    {
        if (dontSaveWidth > 0)
        {
            --dontSaveWidth;
        }
        else if (isUsersResize())
        {
            widthToSave = shownWidth();
            triggerAsyncUpdate();
        }
    }

    // The container is laid out once, at its design size; only its scale follows the window. The
    // scale is that of a window of the picture's shape 2 pixels wider, so the container reaches
    // past the picture's right edge.
    using Container = MainContainerComponent;
    const auto width = shownWidth();
    container.setBounds (0, 0, Container::designWidth, EditorShape::heightForWidth (Container::designWidth));
    container.setTransform (juce::AffineTransform::scale ((float) ((width + 2) / (double) Container::designWidth),
                                                          (float) (EditorShape::heightForWidth (width + 2) / (double) Container::designHeight)));
}

int QuindleAudioProcessorEditor::getControlParameterIndex (juce::Component& component)
{
    if (const auto* index = component.getProperties().getVarPointer (CustomComponent::controlParameterIndexKey))
        return (int) *index;

    return -1;
}

void QuindleAudioProcessorEditor::parentHierarchyChanged()
{
    hasBeenOnScreen = hasBeenOnScreen || getPeer() != nullptr;
}

//==============================================================================
bool QuindleAudioProcessorEditor::isUsersResize() const
{
    // The user's own drag of the resize corner is theirs whatever came before it. A host answers
    // a size the editor gave itself in its own time, as often as it likes: until the next poll,
    // every other resize is taken for such an answer.
    const auto& limits = sizeConstrainer;
    const auto isWithinLimits = [&limits] (int width) { return width >= limits.getMinimumWidth() && width <= limits.getMaximumWidth(); };
    const auto withinLimits = isWithinLimits (getWidth()) && isWithinLimits (shownWidth())
                              && getHeight() >= limits.getMinimumHeight() && getHeight() <= limits.getMaximumHeight();

    return withinLimits && ! applyingStoredWidth && isInItsWindow()
           && (sizeConstrainer.isUserDragging() || ! hostMayStillAnswer);
}

bool QuindleAudioProcessorEditor::isInItsWindow() const
{
    const auto placed = getParentComponent() != nullptr || isOnDesktop();
    return placed && (getPeer() != nullptr || ! hasBeenOnScreen);
}

void QuindleAudioProcessorEditor::handleAsyncUpdate()
{
    if (const auto width = std::exchange (widthToSave, std::nullopt); width.has_value() && isInItsWindow())
        saveWidth (*width);
}

//==============================================================================
void QuindleAudioProcessorEditor::timerCallback()
{
    // A resize of the user's before this poll is saved before the file is looked at.
    handleUpdateNowIfNeeded();
    hostMayStillAnswer = false;

    // Under AAX the editor exists before the host's view does, and the framework's wrapper passes
    // every size change of the editor to the view without checking there is one. So a width
    // saved elsewhere waits until the editor is in the host's window.
    if (isAAX && getPeer() == nullptr)
        return;

    if (updateFileIfNecessary())
        followStoredWidth();
}

void QuindleAudioProcessorEditor::followStoredWidth()
{
    // Whether a change of the file is another instance's is told from what it holds, not from
    // who saved last: a width this editor shows already, or wrote itself, needs nothing. Saves
    // that fall within the resolution of the file's time are told apart this way too.
    const auto width = loadWidth();

    if (width == shownWidth() || width == savedWidth)
        return;

    savedWidth.reset();
    hostMayStillAnswer = true;
    const juce::ScopedValueSetter<bool> applying (applyingStoredWidth, true);
    setBounds (getX(), getY(), width, EditorShape::heightForWidth (width));
}

bool QuindleAudioProcessorEditor::updateFileIfNecessary()
{
    const auto modifiedMs = settingsFileModificationMs();

    if (lastModifiedMs >= modifiedMs)
        return false;

    lastModifiedMs = modifiedMs;

    if (! propertiesFile->reload())
    {
        writeDiagnosticLine ("Props file reload failed.");
        return false;
    }

    writeDiagnosticLine ("Props file reloaded.");
    return true;
}

int QuindleAudioProcessorEditor::loadWidth()
{
    const auto width = usableWidth (propertiesFile->getValue (widthKey, juce::String (defaultWidth)));
    writeDiagnosticLine ("Width loaded: " + juce::String (width));
    return width;
}

void QuindleAudioProcessorEditor::saveWidth (int width)
{
    writeDiagnosticLine ("Width saved: " + juce::String (width));
    savedWidth = width;
    propertiesFile->setValue (widthKey, width);

    // Not left to the file's own delayed save: instances' delayed saves that fall due together
    // land in any order, and the last user's width must be the one that stays.
    propertiesFile->saveIfNeeded();
}

juce::int64 QuindleAudioProcessorEditor::settingsFileModificationMs() const
{
    const auto path = propertiesFile->getFile().getFullPathName();

    if (path.isEmpty())
        return 0;

   #if JUCE_WINDOWS
    const juce::File file (path);
    return file.exists() ? file.getLastModificationTime().toMilliseconds() : 0;
   #else
    // juce::File's modification time has whole seconds only on Linux, too coarse to tell apart
    // two saves within a poll.
    struct stat status {};

    if (::stat (path.toRawUTF8(), &status) != 0)
        return 0;

    #if JUCE_MAC
     const auto& modified = status.st_mtimespec;
    #else
     const auto& modified = status.st_mtim;
    #endif

    return (juce::int64) modified.tv_sec * 1000 + (juce::int64) modified.tv_nsec / 1000000;
   #endif
}

//==============================================================================
// Made here rather than beside the rest of the processor, so that the processor's own code
// builds without the editor (the fuzz targets link the processor alone).
juce::AudioProcessorEditor* QuindleAudioProcessor::createEditor()
{
    writeDiagnosticLine ("Editor created");
    return new QuindleAudioProcessorEditor (*this);
}
