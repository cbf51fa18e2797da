#include "engine/letter_need.h"

#include "engine/ascii.h"
#include "engine/dictionary.h"

void LetterNeed::AddWord(const std::string& word)
{
    if (!IsAcceptableWord(word))
        return;
    for (char c : word)
        characters_.set(static_cast<unsigned char>(LowerAscii(c)));
}

void LetterNeed::AddLetters(const std::string& letters)
{
    for (char c : letters)
        characters_.set(static_cast<unsigned char>(c));
}
