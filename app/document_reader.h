#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "app/puzzle_type.h"

class LetterNeed;
class PuzzleContent;
class TiXmlDocument;
class TiXmlElement;

// Reading a saved puzzle document. Loading is split from filling so that the
// frame can make the puzzle (and its view) of the right kind in between.
class DocumentReader {
public:
    DocumentReader();
    ~DocumentReader();
    DocumentReader(const DocumentReader&) = delete;
    DocumentReader& operator=(const DocumentReader&) = delete;

    // False when the file cannot be read, is not a document, or holds more
    // than a document may, its page included; Failure then says which. The
    // page is built once without a window to measure it, so engine errors of
    // building it (too many letters) pass through; the alphabet is left as
    // it was.
    bool LoadFile(const std::string& path);
    bool Parse(const std::string& text);
    const std::string& Failure() const { return failure_; }

    PuzzleType Type() const;
    // Takes every child of the root in order, writing each one's name to the trace.
    void ReadInto(PuzzleContent& puzzle, std::ostream& trace) const;
    // The characters that reading puts in the alphabet, counted without it:
    // those of the words, and those of the words and the stored grids.
    void CountLetters(LetterNeed& words, LetterNeed& withGrids) const;
    // Whether the puzzle is built again from its list rather than shown from its grid.
    bool IsRegenerated() const;
    // Shows the puzzle ReadInto filled as opening does: bingo cards and
    // scrambles built again, the others shown from their grid.
    void Show(PuzzleContent& puzzle) const;

private:
    std::string ShownPageFailure() const;

    std::unique_ptr<TiXmlDocument> document_;
    const TiXmlElement* root_ = nullptr;
    std::string failure_;
};
