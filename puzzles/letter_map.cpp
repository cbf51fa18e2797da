#include "puzzles/letter_map.h"

#include <algorithm>

#include "engine/grid.h"

LetterMap::LetterMap(const Grid& grid)
    : width_(grid.width),
      height_(grid.height),
      stride_(grid.width + 2),
      has_(std::size_t(grid.width + 2) * (grid.height + 2), 0),
      inRow_(grid.height, 0),
      inColumn_(grid.width, 0)
{
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            Set(x, y, grid.CellAt(x, y).HasLetter());
}

// How many cells from (x, y) on, a step of (dx, dy) at a time, lie inside the
// grid while they, their two neighbours across the line and the next cell on
// hold no letter; at most `limit`. The frame keeps all four inside the map.
int LetterMap::FreeRun(int x, int y, int dx, int dy, int limit) const
{
    if (!Inside(x, y))
        return 0;
    int cells = std::min(limit, dx > 0 ? width_ - x : dx < 0 ? x + 1 : dy > 0 ? height_ - y : y + 1);
    int step = dy * stride_ + dx;
    int side = dx * stride_ + dy;
    const unsigned char* cell = &has_[Index(x, y)];
    int run = 0;
    for (; run < cells && !(cell[0] | cell[side] | cell[-side] | cell[step]); ++run)
        cell += step;
    return run;
}

// The same rectangle as FindLetterBounds, read from the counts.
LetterBounds LetterMap::Bounds() const
{
    LetterBounds box;
    for (int y = 0; y < height_; ++y)
        if (inRow_[y] > 0) {
            box.minY = std::min(box.minY, y);
            box.maxY = y;
        }
    for (int x = 0; x < width_; ++x)
        if (inColumn_[x] > 0) {
            box.minX = std::min(box.minX, x);
            box.maxX = x;
        }
    return box;
}
