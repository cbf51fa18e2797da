#pragma once

#include <cstdint>

// The kind of a puzzle document, as stored in documents and chosen by the New commands.
using PuzzleType = std::int32_t;

enum : PuzzleType {
    CrosswordPuzzle = 0,  // known to documents only; nothing makes one
    FreeformPuzzle = 1,
    WordSearchPuzzle = 2,
    BingoPuzzle = 3,
    ScramblePuzzle = 4,
};
