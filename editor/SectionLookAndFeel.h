#pragma once

#include "kit/CustomLookAndFeels.h"
#include "kit/Stylesheet.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** Puts a section on a look-and-feel variant of its own: the options of the look in effect for
    the section, with Stylesheet colour 4 behind a value being edited.

    The section calls update() from its lookAndFeelChanged() and once at the end of its
    construction. The variant is installed the first time the look in effect is a
    NorvaneLookAndFeel; from then on the section resolves to its own variant, so later changes of
    its ancestors' looks leave it as it is. A look in effect of another kind is left in place.

    Declare it after the variant: its destructor takes the variant off the section again, so the
    variant is never destroyed while the section or the text boxes it made still use it.
    Message thread only. */
class SectionLookAndFeel
{
public:
    SectionLookAndFeel (juce::Component& section, NorvaneLookAndFeel& variant);
    ~SectionLookAndFeel();

    void update();

    static constexpr int editingBackgroundColourId = Stylesheet::panelColourId;

private:
    juce::Component& section;
    NorvaneLookAndFeel& variant;
    bool detaching = false;   // taking the variant off must not put it back on

    JUCE_DECLARE_NON_COPYABLE (SectionLookAndFeel)
};
