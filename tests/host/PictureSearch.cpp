#include "tests/host/PictureSearch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <vector>

namespace quindle::test::host
{
namespace
{
constexpr int blockSize = 6;     // reference pixels a side
constexpr int edgeSlack = 4;     // pixels a drawing may reach past the picture's edges (even: the coarse search meets 0)
constexpr double scaleStep = 0.005;
constexpr int scaleSteps = 6;    // 6 steps of 0.5 % either way

using Colour = std::array<double, 3>;

/** Sums of every channel over the rectangle from the top left corner to each pixel, so that the
    mean colour of any rectangle takes four look-ups. */
class SummedArea
{
public:
    explicit SummedArea (const x11::Image& image)
        : width (image.width), height (image.height), sums (static_cast<size_t> ((width + 1) * (height + 1)) * 3, 0)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (size_t c = 0; c < 3; ++c)
                    at (x + 1, y + 1)[c] = image.rgb[(static_cast<size_t> (y * width + x)) * 3 + c]
                                           + at (x, y + 1)[c] + at (x + 1, y)[c] - at (x, y)[c];
    }

    /** The mean colour of the rectangle [left, right) x [top, bottom), cut to the image; false
        when nothing of it lies inside. */
    bool mean (int left, int top, int right, int bottom, Colour& colour) const
    {
        left = std::max (left, 0);
        top = std::max (top, 0);
        right = std::min (right, width);
        bottom = std::min (bottom, height);

        if (right <= left || bottom <= top)
            return false;

        const auto area = static_cast<double> ((right - left) * (bottom - top));

        for (size_t c = 0; c < 3; ++c)
            colour[c] = static_cast<double> (at (right, bottom)[c] - at (left, bottom)[c] - at (right, top)[c] + at (left, top)[c]) / area;

        return true;
    }

private:
    std::uint64_t* at (int x, int y) { return &sums[static_cast<size_t> (y * (width + 1) + x) * 3]; }
    const std::uint64_t* at (int x, int y) const { return &sums[static_cast<size_t> (y * (width + 1) + x) * 3]; }

    int width, height;
    std::vector<std::uint64_t> sums;
};

struct Block
{
    int x, y;      // top left corner in the reference
    Colour colour; // its mean colour there
};

std::vector<Block> blocksOf (const x11::Image& reference, x11::Rectangle part)
{
    const SummedArea sums (reference);
    std::vector<Block> blocks;

    for (int y = part.y; y + blockSize <= part.y + part.height; y += blockSize)
    {
        for (int x = part.x; x + blockSize <= part.x + part.width; x += blockSize)
        {
            Block block { x, y, {} };

            if (sums.mean (x, y, x + blockSize, y + blockSize, block.colour))
                blocks.push_back (block);
        }
    }

    return blocks;
}

/** The mean channel difference between the blocks and where they fall in the picture with the
    reference's corner at (left, top), scaled; a block outside the picture differs wholly. */
double differenceAt (const SummedArea& picture, const std::vector<Block>& blocks, int left, int top, double scale)
{
    double total = 0.0;

    for (const auto& block : blocks)
    {
        const auto edge = [scale] (int origin, int offset) { return origin + static_cast<int> (std::lround (offset * scale)); };
        Colour colour {};

        if (! picture.mean (edge (left, block.x), edge (top, block.y),
                            edge (left, block.x + blockSize), edge (top, block.y + blockSize), colour))
        {
            total += 255.0;
            continue;
        }

        for (size_t c = 0; c < 3; ++c)
            total += std::abs (colour[c] - block.colour[c]) / 3.0;
    }

    return blocks.empty() ? 255.0 : total / static_cast<double> (blocks.size());
}
} // namespace

Placement findScaled (const x11::Image& picture, const x11::Image& reference, x11::Rectangle part, double scale)
{
    const SummedArea sums (picture);
    const auto blocks = blocksOf (reference, part);
    Placement best;

    const auto tryAt = [&] (int left, int top, double s)
    {
        if (const auto difference = differenceAt (sums, blocks, left, top, s); difference < best.difference)
            best = { left, top, s, difference };
    };

    // Every scale at every other pixel, then the pixels and scales next to the best of those:
    // blocks of several pixels change little from one pixel to the next.
    for (int step = -scaleSteps; step <= scaleSteps; ++step)
    {
        const auto s = scale * (1.0 + step * scaleStep);
        const auto lastLeft = picture.width - static_cast<int> (std::lround (reference.width * s)) + edgeSlack;
        const auto lastTop = picture.height - static_cast<int> (std::lround (reference.height * s)) + edgeSlack;

        for (int top = -edgeSlack; top <= lastTop; top += 2)
            for (int left = -edgeSlack; left <= lastLeft; left += 2)
                tryAt (left, top, s);
    }

    const auto coarse = best;

    for (const auto s : { coarse.scale * (1.0 - scaleStep), coarse.scale, coarse.scale * (1.0 + scaleStep) })
        for (int top = coarse.y - 1; top <= coarse.y + 1; ++top)
            for (int left = coarse.x - 1; left <= coarse.x + 1; ++left)
                tryAt (left, top, s);

    return best;
}
} // namespace quindle::test::host
