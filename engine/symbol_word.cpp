#include "engine/symbol_word.h"

#include <ostream>

#include "engine/alphabet.h"

int WordLength(const Symbol* word)
{
    int n = 0;
    while (word[n] != BlockSymbol)
        ++n;
    return n;
}

std::ostream& WriteSymbolWord(std::ostream& out, const Symbol* word)
{
    for (; *word != BlockSymbol; ++word)
        out << Alphabet::CharOf(*word);
    return out;
}
