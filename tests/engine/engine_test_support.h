#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/alphabet.h"
#include "engine/grid.h"
#include "support/fresh_alphabet_test.h"


// The cell indexes of every slot, in the grid's slot order.
inline std::vector<std::vector<int>> AllSlots(const Grid& grid)
{
    std::vector<std::vector<int>> slots;
    for (const WordSlot* slot : grid.wordSlots) {
        slots.emplace_back();
        for (int i = 0; i < slot->length; ++i)
            slots.back().push_back(slot->CellAt(i));
    }
    return slots;
}

inline std::string Printed(Grid& grid, int format)
{
    std::ostringstream out;
    grid.Print(out, format);
    return out.str();
}
