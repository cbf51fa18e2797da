#pragma once

#include "engine/symbol.h"

// The process-wide letter tables shared by every grid and word list.
// Only the GUI thread touches them.
class Alphabet {
public:
    static constexpr int MaxLetters = 32;

    // The symbol of c, giving c the next letter slot when it has none yet.
    static Symbol SymbolOf(char c);
    static char CharOf(Symbol s);
    static int LetterCount();

private:
    friend void ResetAlphabet();
    static Symbol AddLetter(char c);
};

void ResetAlphabet();
