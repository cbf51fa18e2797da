#include "engine/cell.h"

#include "engine/error.h"

Cell::Cell(Symbol symbol) : symbol(symbol) {}

void Cell::SetSymbol(Symbol s)
{
    if (locked)
        throw error("Attempt to set symbol in locked cell");
    if (s != EmptySymbol && s != BlockSymbol)
        ++fillCount;
    symbol = s;
}

void Cell::SetBlock() { symbol = BlockSymbol; }

void Cell::Reset(bool keepPrevious)
{
    previousSymbol = keepPrevious ? symbol : NoSymbol;
    symbol = EmptySymbol;
}

bool Cell::IsBlock() const { return symbol == BlockSymbol; }

bool Cell::HasLetter() const { return symbol != EmptySymbol && symbol != BlockSymbol; }

void Cell::AddWordRef(WordSlot* slot, int position)
{
    references.emplace_back(position, slot);
    ++referenceCount;
}
