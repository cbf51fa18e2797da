#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/symbol_word.h"

// The word list of a puzzle: lower-cased symbol words and clues keyed by the word as given.
// Copies share the stored words, which never change once made.
class Dictionary {
public:
    Dictionary() = default;

    void AddWord(std::string word, std::string clue);
    std::string WordText(int i) const;
    std::string ClueFor(std::string word) const;
    bool HasClues() const;
    int WordCount() const { return static_cast<int>(words.size()); }

    std::vector<std::shared_ptr<const SymbolWord>> words;
    int acceptedCount = 0;
    int rejectedCount = 0;
    std::map<std::string, std::string> clues;
};

bool IsAcceptableWord(const std::string& word);
