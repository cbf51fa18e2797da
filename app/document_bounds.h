#pragma once

#include <cstddef>
#include <string>

// What a puzzle may hold, in one place for the dialogs that make puzzles and
// for the reader that opens them, so that every document the program writes
// it opens again.

// An entry or title holds at most this many characters. A clue is a passage of
// text; a word is what fits a bingo card's cell.
constexpr int MaxWordChars = 150;
constexpr int MaxClueChars = 5000;
constexpr int MaxTitleChars = 500;

// A dialog holds at most this many entries, one per grid row.
constexpr int MaxWordListEntries = 50;

// A word list file is read up to this size, far more than a full grid takes
// even as UTF-8 (3 bytes a character at most); a larger one is not read at all.
constexpr std::size_t MaxWordListFileBytes = 2 * 1024 * 1024;
static_assert(3 * MaxWordListEntries * (MaxWordChars + 1 + MaxClueChars + 2) < MaxWordListFileBytes,
              "the dialogs must load every word list they save");

// Limits of the bingo dialog, kept by documents as well.
constexpr int MinBingoCards = 1;
constexpr int MaxBingoCards = 100;

// What costs time is showing the page: the browser lays out about four
// megabytes of text a second. A puzzle whose page would be longer is refused,
// made in a dialog or read from a file; the dialogs' limits keep their
// puzzles below it (see the bingo cards below).
constexpr std::size_t MaxPageBytes = 2 * 1024 * 1024;

// Bounds of the document text itself, each checked before anything is built
// from it: the size before TinyXML reads it, the nesting TinyXML recurses on,
// the attributes of one element, which TinyXML compares pairwise (the program
// writes four at most, a solution's ends), and the counts that would multiply
// work.
constexpr int MaxDocumentDepth = 100;
constexpr int MaxElementAttributes = 16;
constexpr int MaxDocumentEntries = 1000;
constexpr int MaxDocumentSolutions = 1000;
constexpr int MaxDocumentGridSide = 60;

namespace document_size {

// A character written to a document or page takes at most 5 bytes ("&amp;").
constexpr std::size_t Escaped(std::size_t chars) { return 5 * chars; }

// The longest bingo page the dialog makes: the most cards, each cell holding
// a word at its limit within its table cell's tags.
constexpr std::size_t LargestBingoPage = MaxBingoCards * (25 * (Escaped(MaxWordChars) + 64) + 256) + 1024;
static_assert(LargestBingoPage <= MaxPageBytes, "the bingo dialog must not make a page it refuses");

// The grid picture of w x h cells, each line ended by CR LF.
constexpr std::size_t GridPicture(std::size_t w, std::size_t h) { return (2 * h + 1) * (4 * w + 3) + Escaped(w * h); }

// The largest document the dialogs make: every entry and the title at their
// limits, written as entity references, the 25 x 25 crossword grid, a solution
// per entry and the bingo settings, with room to spare for the tags.
constexpr std::size_t LargestMade = MaxWordListEntries * (Escaped(MaxWordChars) + 1 + Escaped(MaxClueChars) + 2) +
                                    Escaped(MaxTitleChars) + GridPicture(25, 25) + MaxWordListEntries * 64 + 1024;

}  // namespace document_size

// The size bound, a whole number of megabytes above the largest document the
// program writes.
constexpr std::size_t MaxDocumentBytes = (document_size::LargestMade / (1024 * 1024) + 1) * 1024 * 1024;
static_assert(document_size::LargestMade < MaxDocumentBytes, "the program must open every document it writes");

// What is wrong with an entry or a title, as it would follow "could not be
// opened: "; empty when it is within its limit. Lengths are in characters of
// the 8-bit text.
std::string EntryFailure(const std::string& word, const std::string& clue);
std::string TitleFailure(const std::string& title);

// The same for a page of that many bytes.
std::string PageFailure(std::size_t pageBytes);

// "5,000": numbers as a teacher reads them.
std::string Thousands(std::size_t number);
