#pragma once

#include <algorithm>

// Words, clues and titles keep to one line: a word list file and a document
// hold one entry per line, a TAB between word and clue. A line break or TAB
// entering them becomes a blank. Kept free of windows, for the document reader.
template <typename Text>
Text OnOneLine(Text text)
{
    std::replace_if(text.begin(), text.end(), [](auto c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    return text;
}
