#include "engine/alphabet.h"

#include <iostream>

#include "engine/error.h"

namespace {

// Letter slots read as blanks until the first reset, as the tables start out.
char symbolToChar[37] = "                                # /+";
Symbol charToSymbol[256];  // every entry starts as DefaultSymbol
int letterCount = 0;

unsigned char ByteOf(char c) { return static_cast<unsigned char>(c); }

}  // namespace

Symbol Alphabet::SymbolOf(char c)
{
    Symbol s = charToSymbol[ByteOf(c)];
    return s == NoSymbol ? AddLetter(c) : s;
}

char Alphabet::CharOf(Symbol s) { return symbolToChar[s.code()]; }

int Alphabet::LetterCount() { return letterCount; }

Symbol Alphabet::AddLetter(char c)
{
    if (letterCount >= MaxLetters) {
        std::cout.write(symbolToChar, MaxLetters) << '\n';
        std::cout << "Adding letter: " << c << " (" << unsigned(ByteOf(c)) << ")" << std::endl;
        throw TooManyLetters(c);
    }
    Symbol s(static_cast<std::uint8_t>(letterCount++));
    symbolToChar[s.code()] = c;
    charToSymbol[ByteOf(c)] = s;
    return s;
}

void Alphabet::GiveBackLetters(int count)
{
    for (; letterCount > count; --letterCount) {
        char& c = symbolToChar[letterCount - 1];
        charToSymbol[ByteOf(c)] = NoSymbol;
        c = '\0';
    }
}

TooManyLetters::TooManyLetters(char refused)
    : error("Too many letters in dictonary. Try compiling with -DBIGALPHABET."), refused(refused)
{
}

void ResetAlphabet()
{
    for (int i = 0; i < Alphabet::MaxLetters; ++i)
        symbolToChar[i] = '\0';
    for (Symbol& s : charToSymbol)
        s = NoSymbol;
    letterCount = 0;
}
