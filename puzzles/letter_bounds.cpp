#include "puzzles/letter_bounds.h"

#include <algorithm>

#include "engine/grid.h"

LetterBounds FindLetterBounds(Grid& grid)
{
    LetterBounds box;
    for (int y = 0; y < grid.height; ++y) {
        for (int x = 0; x < grid.width; ++x) {
            if (!grid.CellAt(x, y).HasLetter())
                continue;
            box.minX = std::min(box.minX, x);
            box.maxX = std::max(box.maxX, x);
            box.minY = std::min(box.minY, y);
            box.maxY = std::max(box.maxY, y);
        }
    }
    return box;
}
