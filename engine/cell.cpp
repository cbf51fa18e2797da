#include "engine/cell.h"

#include "engine/error.h"

Cell::Cell(Symbol symbol) : symbol(symbol) {}

void Cell::RefuseLockedWrite() { throw error("Attempt to set symbol in locked cell"); }

void Cell::SetBlock() { symbol = BlockSymbol; }

void Cell::Reset(bool keepPrevious)
{
    previousSymbol = keepPrevious ? symbol : NoSymbol;
    symbol = EmptySymbol;
}

void Cell::AddWordRef(WordSlot* slot, int position)
{
    references.emplace_back(position, slot);
    ++referenceCount;
}
