#pragma once

#include <utility>
#include <vector>

#include "engine/symbol.h"

class WordSlot;

// One grid cell with the word slots that run through it.
class Cell {
public:
    explicit Cell(Symbol symbol);

    // Throws error on a locked cell.
    void SetSymbol(Symbol s)
    {
        if (locked)
            RefuseLockedWrite();
        if (s != EmptySymbol && s != BlockSymbol)
            ++fillCount;
        symbol = s;
    }
    void SetBlock();
    void Reset(bool keepPrevious);
    bool IsBlock() const { return symbol == BlockSymbol; }
    bool HasLetter() const { return symbol != EmptySymbol && symbol != BlockSymbol; }
    void AddWordRef(WordSlot* slot, int position);

    std::vector<std::pair<int, WordSlot*>> references;  // (position in slot, slot)
    int referenceCount = 0;
    int fillCount = 0;
    Symbol symbol;
    Symbol previousSymbol = NoSymbol;
    bool locked = false;

private:
    [[noreturn]] static void RefuseLockedWrite();
};
