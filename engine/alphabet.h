#pragma once

#include "engine/error.h"
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
    // Forgets every letter after the first `count`. Only for letters nothing
    // holds any more: those a failed command added.
    static void GiveBackLetters(int count);

private:
    friend void ResetAlphabet();
    static Symbol AddLetter(char c);
};

void ResetAlphabet();

// The error of a character beyond the 32 letters, which it names.
class TooManyLetters : public error {
public:
    explicit TooManyLetters(char refused);
    char refused;
};
