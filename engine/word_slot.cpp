#include "engine/word_slot.h"

#include "engine/error.h"
#include "engine/grid.h"

int WordSlot::CellAt(int i) const
{
    if (i < 0 || i >= length)
        throw error("Bug");
    return cells[i].first;
}

void WordSlot::CopySymbols(Symbol* buffer) const
{
    for (int i = 0; i < length; ++i) {
        auto [index, grid] = cells[i];
        // The grid may have been resized since the slot was found.
        buffer[i] = index < grid->cellCount ? grid->CellAtIndex(index).symbol : BlockSymbol;
    }
}
