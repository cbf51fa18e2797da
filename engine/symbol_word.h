#pragma once

#include <iosfwd>
#include <vector>

#include "engine/symbol.h"

// A word as symbols, always ended by BlockSymbol.
using SymbolWord = std::vector<Symbol>;

int WordLength(const Symbol* word);
std::ostream& WriteSymbolWord(std::ostream& out, const Symbol* word);
