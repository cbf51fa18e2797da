#pragma once

#include <utility>
#include <vector>

#include "engine/symbol.h"

class Grid;

// One maximal run of non-block cells across or down.
class WordSlot {
public:
    WordSlot() = default;

    int CellAt(int i) const;  // throws error("Bug") outside 0..length-1
    void CopySymbols(Symbol* buffer) const;

    std::vector<std::pair<int, Grid*>> cells;  // (row-major cell index, grid)
    int length = 0;
};
