#include "engine/dictionary.h"

#include <algorithm>

#include "engine/alphabet.h"
#include "engine/ascii.h"

bool IsAcceptableWord(const std::string& word) { return std::none_of(word.begin(), word.end(), IsAsciiControl); }

void Dictionary::AddWord(std::string word, std::string clue)
{
    if (!clue.empty())
        clues[word] = clue;
    if (word.empty())
        return;
    if (!IsAcceptableWord(word)) {
        ++rejectedCount;
        return;
    }
    auto symbols = std::make_shared<SymbolWord>(word.size() + 1);
    for (std::size_t i = 0; i < word.size(); ++i)
        (*symbols)[i] = Alphabet::SymbolOf(LowerAscii(word[i]));
    symbols->back() = BlockSymbol;
    words.push_back(std::move(symbols));
    ++acceptedCount;
}

std::string Dictionary::WordText(int i) const
{
    std::string text;
    for (const Symbol* s = words[i]->data(); *s != BlockSymbol; ++s)
        text += Alphabet::CharOf(*s);
    return text;
}

std::string Dictionary::ClueFor(std::string word) const
{
    auto found = clues.find(word);
    return found == clues.end() ? std::string() : found->second;
}

bool Dictionary::HasClues() const { return !clues.empty(); }
