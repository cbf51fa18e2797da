#pragma once
// The 32 different characters of a run, as a teacher meets them: what a puzzle
// that found no room needs by itself, and a message that says whether a fresh
// start of the program would make room for it.

#include <functional>
#include <string>
#include <vector>

#include <wx/string.h>

#include "app/puzzle_type.h"
#include "engine/alphabet.h"

class LetterNeed;

// The different characters one puzzle needs by itself: those of its words, and
// all of them with the rest of its grid (a new word search's filler letters, or
// an opened document's stored grid).
struct PuzzleLetters {
    PuzzleType type;
    bool fromDocument;
    int words;
    int total;
    // The filler letters of a new word search that its words lack.
    std::string fillersOnly;
};

PuzzleLetters LettersOfList(PuzzleType type, const std::vector<std::string>& words);
PuzzleLetters LettersOfDocument(PuzzleType type, const LetterNeed& words, const LetterNeed& withGrid);

// A puzzle that found no room for a character, with what it needs by itself.
class LetterLimitReached : public TooManyLetters {
public:
    LetterLimitReached(char refused, const PuzzleLetters& needs) : TooManyLetters(refused), needs(needs) {}
    PuzzleLetters needs;
};

// Runs the building of a puzzle; a character without room fails it with what
// the puzzle needs.
void WithinLetterLimit(const PuzzleLetters& needs, const std::function<void()>& build);

// The user's message for the failure, while the run's other puzzles keep
// `lettersInUse` characters: whether a fresh start makes room for the puzzle,
// or nothing can.
wxString LetterLimitMessage(const LetterLimitReached& failure, int lettersInUse);
// Without knowing what the puzzle needs, only that its character found no room.
wxString LetterLimitMessage(const TooManyLetters& failure, int lettersInUse);
