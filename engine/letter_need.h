#pragma once

#include <bitset>
#include <string>

// The different characters a puzzle needs in the alphabet by itself, gathered
// without adding any to the alphabet, which every puzzle of the run shares.
class LetterNeed {
public:
    // The characters of a word as a word list stores it (A to Z lower-cased);
    // a word the list refuses adds none.
    void AddWord(const std::string& word);
    // Characters as they stand, such as those of a grid.
    void AddLetters(const std::string& letters);
    int Count() const { return int(characters_.count()); }

private:
    std::bitset<256> characters_;
};
