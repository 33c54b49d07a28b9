#pragma once

#include "editor/EditorShape.h"
#include "editor/MainContainerComponent.h"
#include "kit/CustomLookAndFeels.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>
#include <optional>

class QuindleAudioProcessor;

/** The window content the processor hands to the host: the main container, laid out once at its
    design size and scaled to the window, and the logic that sizes the window.

    The window keeps the picture's shape between widths 400 and 1000; in a window of another
    shape the picture is as large as fits and black fills the rest. Its width is remembered per
    user in the processor's settings file under "size-x", and open editors follow each other: a
    width the user gives one of them is written at once, and the others take it at their next
    poll of the file, once a second. Only the user's resizes are saved: never the sizes the editor
    gives itself (opening, following the file), nor a host's answers to them until the next poll,
    nor a size outside the limits, nor a resize while the editor is out of its window or closing.
    Editors in Logic, GarageBand and AUv3 only read the width when they open.

    Everything here runs on the message thread. */
class QuindleAudioProcessorEditor : public juce::AudioProcessorEditor,
                                    private juce::Timer,
                                    private juce::AsyncUpdater
{
public:
    explicit QuindleAudioProcessorEditor (QuindleAudioProcessor&);
    ~QuindleAudioProcessorEditor() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    /** The host control index a control was tagged with, or -1 for a component without a tag
        of its own (its parents' tags do not count). */
    int getControlParameterIndex (juce::Component&) override;

    static constexpr int minWidth = 400, maxWidth = 1000, defaultWidth = 700;

    /** The key under which the settings file keeps the width, as decimal text. */
    static constexpr const char* widthKey = "size-x";

    const MainContainerComponent& getContainer() const noexcept { return container; }
    MainContainerComponent& getContainer() noexcept { return container; }

private:
    /** The process default look-and-feel from the moment the editor starts being built until
        its container is gone. */
    struct DefaultLookAndFeel
    {
        DefaultLookAndFeel();
        ~DefaultLookAndFeel();

        NorvaneLookAndFeel lookAndFeel;
    };

    /** The 1000 ms poll: takes the width another instance saved. */
    void timerCallback() override;

    /** Saves the width of the user's last resize, once the message that brought it is handled. */
    void handleAsyncUpdate() override;

    void parentHierarchyChanged() override;

    /** The stored width, within the limits; the default when none or no usable one is stored. */
    int loadWidth();

    /** Stores the width and writes the file at once, so that the file's last width is always
        the last one a user gave, whichever instance's. */
    void saveWidth (int width);

    /** Reloads the settings file when it changed since the last poll, by whichever instance.
        True when it was reloaded. */
    bool updateFileIfNecessary();

    /** Takes a width from the settings file that is neither shown here nor this editor's own. */
    void followStoredWidth();

    /** Whether the resize now being handled is the user's, and so to be saved. */
    bool isUsersResize() const;

    /** Inside a window, or on the desktop itself, and, once it has been on screen, still there:
        an editor out of its window, or whose window has gone, is being closed. */
    bool isInItsWindow() const;

    /** The width of the picture the editor shows. */
    int shownWidth() const { return EditorShape::widthShownIn (getWidth(), getHeight()); }

    /** The settings file's modification time in milliseconds since 1970, or 0 when unknown. */
    juce::int64 settingsFileModificationMs() const;

    bool followsOtherInstances() const noexcept { return ! (isLogicOrGarageBand || isAUv3); }

    DefaultLookAndFeel defaultLookAndFeel;
    MainContainerComponent container;
    EditorSizeConstrainer sizeConstrainer { *this };

    int loadedWidth = 0;
    juce::int64 lastModifiedMs = 0;
    std::shared_ptr<juce::PropertiesFile> propertiesFile;   // shared with the processor
    int dontSaveWidth = 0;            // coming resizes of the construction, whose width is not saved
    bool applyingStoredWidth = false; // while resizing to a width from the settings file
    bool hostMayStillAnswer = false;  // from a width applied from the file until the next poll
    bool hasBeenOnScreen = false;
    std::optional<int> savedWidth;    // what this editor last wrote, until it follows another's
    std::optional<int> widthToSave;   // the user's last resize, saved once its message is handled
    bool isAUv3 = false;
    bool isLogicOrGarageBand = false;
    bool isAAX = false;

    NorvaneLookAndFeel editorLookAndFeel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuindleAudioProcessorEditor)
};
