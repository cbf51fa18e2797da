#pragma once

#include <vector>

#include "puzzles/letter_bounds.h"

class Grid;

// Which cells of a grid hold a letter, kept beside the grid by a search that
// asks this many thousand times: one byte per cell inside a frame of free
// cells, and the letters of each row and column for the bounds.
class LetterMap {
public:
    explicit LetterMap(const Grid& grid);

    // Free outside the grid, as the outside block cell is.
    bool Has(int x, int y) const { return Framed(x, y) && has_[Index(x, y)]; }
    void Set(int x, int y, bool letter)
    {
        if (!Inside(x, y) || has_[Index(x, y)] == letter)
            return;
        has_[Index(x, y)] = letter;
        int change = letter ? 1 : -1;
        inRow_[y] += change;
        inColumn_[x] += change;
    }
    int FreeRun(int x, int y, int dx, int dy, int limit) const;
    LetterBounds Bounds() const;

private:
    bool Inside(int x, int y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }
    bool Framed(int x, int y) const
    {
        return unsigned(x + 1) < unsigned(width_ + 2) && unsigned(y + 1) < unsigned(height_ + 2);
    }
    int Index(int x, int y) const { return (y + 1) * stride_ + x + 1; }

    int width_;
    int height_;
    int stride_;
    std::vector<unsigned char> has_;
    std::vector<int> inRow_;
    std::vector<int> inColumn_;
};
