#pragma once

#include <algorithm>
#include <string>

// Words, clues and titles keep to one line: a word list file and a document
// hold one entry per line, a TAB between word and clue. A line break or TAB
// entering them becomes a blank. Kept free of windows, for the document reader.
template <typename Text>
Text OnOneLine(Text text)
{
    std::replace_if(text.begin(), text.end(), [](auto c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    return text;
}

// A word of blanks alone looks empty and is no word: a row or line that holds
// it is skipped like an empty one. A line break or TAB shows as a blank.
inline bool HoldsWord(const std::string& word) { return word.find_first_not_of(" \xA0\t\r\n") != std::string::npos; }
