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
