#pragma once

#include <string>

// Case rules of the engine: only the ASCII letters have a case, whatever the locale.
inline bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

inline std::string LowerAscii(std::string text)
{
    for (char& c : text)
        c = LowerAscii(c);
    return text;
}

// The control characters: a line break, a TAB and the like, which no word holds.
inline bool IsAsciiControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }
