#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The editor's palette and typeface, one instance per process.

    Colours live under small integer ids so the whole palette is one table. Painting code asks
    for a colour each time it paints and never keeps it. The instance is created on first use
    and deleted with the framework's deleted-at-shutdown list; it may be created again after that.
*/
class Stylesheet : public juce::DeletedAtShutdown
{
public:
    /** What each colour of the palette is for, under the fixed id it is stored and looked up
        by. Every painter, option and look-and-feel names a colour by one of these. */
    enum ColourIds : int
    {
        baseColourId = 0,             // navy: what 4, 5 and 7 are made from, where a knob's coloured track starts
        foregroundColourId = 1,       // text and lines, every knob, fader and toggle, a flat button that is on
        highlightedColourId = 2,      // a flat button's text while the mouse is over it
        dimmedColourId = 3,           // a flat button's text while off, a muted channel's path
        panelColourId = 4,            // the side panels, the information overlay, the mono button, a value being edited
        inputSectionColourId = 5,     // behind the input section
        middlePanelColourId = 6,      // the middle panel, the overlay's descriptions, a text editor
        outputSectionColourId = 7,    // behind the output section
        alertColourId = 8,            // "MUTED", where a knob's coloured track ends
        trackColourId = 9,            // the middle of a knob's coloured track
        greyColourId = 10,            // in the palette, not painted under its id
    };

    struct ColourSetting
    {
        int colourId;
        juce::Colour colour;

        // Settings are identified and ordered by id alone, so ids stay unique in the table.
        bool operator== (const ColourSetting& other) const noexcept { return colourId == other.colourId; }
        bool operator<  (const ColourSetting& other) const noexcept { return colourId <  other.colourId; }
    };

    ~Stylesheet() override;

    /** The colour stored under colourId, or opaque black when the table has no such id.
        Cheap enough to call on every paint: no lock, no allocation. */
    juce::Colour getColour (int colourId) const;

    /** The typeface made from the embedded font; every look-and-feel installs it as its
        default sans-serif typeface. Reference-counted, so holders keep it alive. */
    const juce::Typeface::Ptr typeface;

    // getInstance() may be called from any thread; creation happens once, under the holder's lock.
    JUCE_DECLARE_SINGLETON (Stylesheet, false)

private:
    Stylesheet();

    void addColour (int colourId, juce::Colour colour);

    // Written only in the constructor, before the instance is published, so lookups need no lock.
    juce::SortedSet<ColourSetting, juce::DummyCriticalSection> colours;

    JUCE_DECLARE_NON_COPYABLE (Stylesheet)
};

/** Stylesheet colour `colourId` as the palette holds it now (opaque black for an id it lacks). */
juce::Colour styleColour (int colourId);
