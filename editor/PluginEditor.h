#pragma once

#include "editor/MainContainerComponent.h"
#include "kit/CustomLookAndFeels.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

class QuindleAudioProcessor;

/** The window content the processor hands to the host: the main container, laid out once at its
    design size and scaled to the window, and the logic that sizes the window.

    The window keeps an aspect ratio of 2.3 between widths 400 and 1000. Its width is remembered
    per user in the processor's settings file under "size-x", and open editors follow each other:
    a width one of them saves is taken by the others at their next poll of the file, once a
    second. Editors in Logic, GarageBand and AUv3 only read the width when they open.

    Everything here runs on the message thread. */
class QuindleAudioProcessorEditor : public juce::AudioProcessorEditor,
                                    private juce::Timer
{
public:
    explicit QuindleAudioProcessorEditor (QuindleAudioProcessor&);
    ~QuindleAudioProcessorEditor() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    /** The host control index a control was tagged with, or -1 for a component without a tag
        of its own (its parents' tags do not count). */
    int getControlParameterIndex (juce::Component&) override;

    /** The window height that belongs to a width: floor (width / 2.3) + 1. */
    static int heightForWidth (int width);

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

    /** The stored width, within the limits; the default when none or no usable one is stored. */
    int loadWidth();
    void saveWidth (int width);

    /** Reloads the settings file when it changed since it was last seen and the change was not
        this editor's own save. True when it was reloaded. */
    bool updateFileIfNecessary();

    /** The settings file's modification time in milliseconds since 1970, or 0 when unknown. */
    juce::int64 settingsFileModificationMs() const;

    bool followsOtherInstances() const noexcept { return ! (isLogicOrGarageBand || isAUv3); }

    DefaultLookAndFeel defaultLookAndFeel;
    MainContainerComponent container;

    const double aspectRatio = 2.3;
    int loadedWidth = 0;
    juce::int64 lastModifiedMs = 0;
    std::shared_ptr<juce::PropertiesFile> propertiesFile;   // shared with the processor
    int dontSaveWidth = 0;    // coming resizes of the construction, whose width is not saved
    bool applyingWidthFromFile = false;   // while resizing to the width another instance saved
    bool justSaved = false;   // the next change of the file is taken to be this editor's save
    bool isAUv3 = false;
    bool isLogicOrGarageBand = false;
    bool isAAX = false;

    NorvaneLookAndFeel editorLookAndFeel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuindleAudioProcessorEditor)
};
