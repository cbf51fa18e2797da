#pragma once

class Grid;

// The smallest rectangle holding every letter cell of a grid. A grid without
// letters keeps the start values, so its width and height come out negative.
struct LetterBounds {
    int minX = 100;
    int maxX = -1;
    int minY = 100;
    int maxY = -1;

    int Width() const { return maxX - minX + 1; }
};

LetterBounds FindLetterBounds(Grid& grid);
