#pragma once

#include <cstddef>
#include <string>

// What a document may hold. The program writes a few kilobytes nested two
// levels deep, at most 50 entries and a 25 x 25 grid; each bound is far above
// that, and low enough that no accepted document keeps the window busy. The
// size bound is what holds the longest page to show, a hundred bingo cards of
// the longest words, to a few megabytes.
constexpr std::size_t MaxDocumentBytes = 32 * 1024;
constexpr int MaxDocumentDepth = 100;
constexpr int MaxDocumentEntries = 1000;
constexpr int MaxDocumentGridSide = 60;

// The deepest nesting of elements in the text, as TinyXML would meet it, so
// that its parser, which recurses once per level, is never handed more than
// the stack takes. -1 for markup this count might read otherwise than TinyXML
// does (the program never writes such markup).
int ElementDepth(const std::string& text);
