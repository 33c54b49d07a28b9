#pragma once

// Finding a drawing in a picture of a window when it may be drawn at another scale and place,
// e.g. an editor scaled to fit a window of another shape.

#include "tests/common/x11/X11TestSupport.h"

namespace quindle::test::host
{
/** Where a reference picture, scaled, was found in another picture: its top left corner there,
    the scale, and how far the compared part differs (the mean difference of a colour channel,
    0..255, between blocks of a few pixels). */
struct Placement
{
    int x = 0, y = 0;
    double scale = 0.0;
    double difference = 255.0;
};

/** Searches `picture` for `reference` drawn `scale` times as large (within 3 % either way) and
    lying wholly inside it (give or take 4 pixels, as a drawing that reaches a little past its
    edges does), comparing only the part `part` of the reference. Blocks of a few pixels are
    compared by their mean colour, so the anti-aliasing of a drawing made at another scale
    hardly counts, while a different drawing does. Returns the placement that differs least. */
Placement findScaled (const x11::Image& picture, const x11::Image& reference, x11::Rectangle part, double scale);
} // namespace quindle::test::host
