#include "editor/PluginEditor.h"

#include "kit/Stylesheet.h"
#include "processor/Diagnostics.h"
#include "processor/PluginProcessor.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

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
    getConstrainer()->setFixedAspectRatio (aspectRatio);

    // Applies the limits to the present size at once: 0 x 0 becomes the minimum size.
    setResizeLimits (minWidth, heightForWidth (minWidth), maxWidth, heightForWidth (maxWidth));
    setSize (loadedWidth, heightForWidth (loadedWidth));
    writeDiagnosticLine ("Editor constructed");

    editorLookAndFeel.setDefaultSansSerifTypeface (Stylesheet::getInstance()->typeface);
    addAndMakeVisible (container);

    if (followsOtherInstances())
    {
        startTimer (pollIntervalMs);
        dontSaveWidth = 0;
    }
}

QuindleAudioProcessorEditor::~QuindleAudioProcessorEditor()
{
    // The members then go in reverse order: this look, the container, the default look.
    setLookAndFeel (nullptr);
}

//==============================================================================
int QuindleAudioProcessorEditor::heightForWidth (int width)
{
    return (int) std::floor ((double) width / 2.3) + 1;
}

void QuindleAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
}

void QuindleAudioProcessorEditor::resized()
{
    const auto width = getWidth();
    writeDiagnosticLine ("resized to " + juce::String (width) + ", dontSaveWidth: " + juce::String (dontSaveWidth));

    if (followsOtherInstances())
    {
        if (dontSaveWidth > 0)
            --dontSaveWidth;
        else if (! applyingWidthFromFile)
            saveWidth (width);
    }

    // The container is laid out once, at its design size; only its scale follows the window. The
    // scale is that of a window 2 pixels wider, so the container reaches past the right edge.
    using Container = MainContainerComponent;
    container.setBounds (0, 0, Container::designWidth, heightForWidth (Container::designWidth));
    container.setTransform (juce::AffineTransform::scale ((float) ((width + 2) / (double) Container::designWidth),
                                                          (float) (heightForWidth (width + 2) / (double) Container::designHeight)));
}

int QuindleAudioProcessorEditor::getControlParameterIndex (juce::Component& component)
{
    if (const auto* index = component.getProperties().getVarPointer (CustomComponent::controlParameterIndexKey))
        return (int) *index;

    return -1;
}

//==============================================================================
void QuindleAudioProcessorEditor::timerCallback()
{
    // Under AAX the editor exists before the host's view does, and the framework's wrapper passes
    // every size change of the editor to the view without checking there is one. So a width
    // saved elsewhere waits until the editor is in the host's window.
    if (isAAX && getPeer() == nullptr)
        return;

    if (! updateFileIfNecessary())
        return;

    // Only the resize that applies the width read from the file is not saved back: a host that
    // does not answer it, or a width equal to the present one, must not cost the user's next one.
    const auto width = loadWidth();
    const juce::ScopedValueSetter<bool> following (applyingWidthFromFile, true);
    setBounds (getX(), getY(), width, heightForWidth (width));
}

bool QuindleAudioProcessorEditor::updateFileIfNecessary()
{
    const auto modifiedMs = settingsFileModificationMs();

    if (lastModifiedMs >= modifiedMs)
        return false;

    lastModifiedMs = modifiedMs;

    if (justSaved)
    {
        justSaved = false;
        return false;
    }

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

    // The file is written (about 500 ms later) only when the stored text changes; only then is
    // the next change of the file this editor's own.
    const auto storedBefore = propertiesFile->getValue (widthKey);
    propertiesFile->setValue (widthKey, width);

    if (propertiesFile->getValue (widthKey) != storedBefore)
        justSaved = true;
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
