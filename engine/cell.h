#pragma once

#include <utility>
#include <vector>

#include "engine/symbol.h"

class WordSlot;

// One grid cell with the word slots that run through it.
class Cell {
public:
    explicit Cell(Symbol symbol);

    void SetSymbol(Symbol s);  // throws error on a locked cell
    void SetBlock();
    void Reset(bool keepPrevious);
    bool IsBlock() const;
    bool HasLetter() const;
    void AddWordRef(WordSlot* slot, int position);

    std::vector<std::pair<int, WordSlot*>> references;  // (position in slot, slot)
    int referenceCount = 0;
    int fillCount = 0;
    Symbol symbol;
    Symbol previousSymbol = NoSymbol;
    bool locked = false;
};
