#include "editor/EditorShape.h"

#include <algorithm>
#include <cmath>

int EditorShape::heightForWidth (int width)
{
    return (int) std::floor ((double) width / aspectRatio) + 1;
}

int EditorShape::widthShownIn (int windowWidth, int windowHeight)
{
    if (windowHeight == heightForWidth (windowWidth))
        return windowWidth;

    // No width whose picture fits lies above height * 2.3; count down from there to the first one.
    auto shown = (int) std::min ((double) windowWidth, std::ceil ((double) windowHeight * aspectRatio));

    while (shown > 1 && heightForWidth (shown + 2) > windowHeight)
        --shown;

    return std::max (shown, 1);
}

//==============================================================================
EditorSizeConstrainer::EditorSizeConstrainer (juce::Component& editorToConstrain)
    : editor (editorToConstrain)
{
    setFixedAspectRatio (EditorShape::aspectRatio);
}

void EditorSizeConstrainer::checkBounds (juce::Rectangle<int>& bounds, const juce::Rectangle<int>& previousBounds,
                                         const juce::Rectangle<int>& limits, bool isStretchingTop, bool isStretchingLeft,
                                         bool isStretchingBottom, bool isStretchingRight)
{
    if (fillsItsWindow (bounds))
    {
        bounds.setSize (juce::jlimit (getMinimumWidth(), getMaximumWidth(), bounds.getWidth()),
                        juce::jlimit (getMinimumHeight(), getMaximumHeight(), bounds.getHeight()));
        return;
    }

    // The framework picks the leading side and keeps the limits; its height, width / 2.3 rounded,
    // is one pixel short of the picture's for most widths.
    ComponentBoundsConstrainer::checkBounds (bounds, previousBounds, limits, isStretchingTop, isStretchingLeft,
                                             isStretchingBottom, isStretchingRight);
    const auto height = EditorShape::heightForWidth (bounds.getWidth());

    if (isStretchingTop && ! isStretchingBottom)
        bounds.setTop (bounds.getBottom() - height);
    else
        bounds.setHeight (height);
}

bool EditorSizeConstrainer::fillsItsWindow (juce::Rectangle<int> bounds) const
{
    const auto* window = editor.getParentComponent();

    if (window == nullptr || bounds.isEmpty())
        return false;

    const auto space = editor.getLocalArea (window, window->getLocalBounds());
    return bounds.getWidth() == space.getWidth() && bounds.getHeight() == space.getHeight();
}
