#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The shape of the editor's picture: 2.3 times as wide as high, with the height of a width w
    always floor (w / 2.3) + 1. A window of that shape shows the picture scaled as for a window 2
    pixels wider, whose edge the window cuts off. A window of any other shape shows all of it, as
    large as fits, from the top left corner. */
namespace EditorShape
{
inline constexpr double aspectRatio = 2.3;

/** The height that belongs to a width: floor (width / 2.3) + 1. */
int heightForWidth (int width);

/** The width of the picture a window of this size shows: in a window of the picture's shape,
    the window's width; in any other, the largest width, at most the window's, whose picture 2
    pixels wider fits the window's height. 1 at the least. */
int widthShownIn (int windowWidth, int windowHeight);
} // namespace EditorShape

//==============================================================================
/** The editor's size limits and shape, for its resize corner and for every host and wrapper that
    sizes it through the framework's constrainer.

    A size asked for by a drag (the editor's resize corner, the Standalone's window border) keeps
    the shape, the side the user drags furthest leading as the framework's fixed aspect ratio
    does. The whole space of the window the editor sits in, which a wrapper hands on when its host
    resizes that window, is taken as it is, within the limits: the host's window may have any
    shape, and the picture fits inside it. */
class EditorSizeConstrainer : public juce::ComponentBoundsConstrainer
{
public:
    explicit EditorSizeConstrainer (juce::Component& editorToConstrain);

    /** True from a press on the editor's resize corner until its release: the resizes between
        are the user's own. */
    bool isUserDragging() const noexcept { return userIsDragging; }

    void checkBounds (juce::Rectangle<int>& bounds, const juce::Rectangle<int>& previousBounds,
                      const juce::Rectangle<int>& limits, bool isStretchingTop, bool isStretchingLeft,
                      bool isStretchingBottom, bool isStretchingRight) override;

    void resizeStart() override { userIsDragging = true; }
    void resizeEnd() override   { userIsDragging = false; }

private:
    bool fillsItsWindow (juce::Rectangle<int> bounds) const;

    juce::Component& editor;
    bool userIsDragging = false;
};
