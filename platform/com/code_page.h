#pragma once
// 8-bit text to UTF-16. The system's 8-bit code page (CP_ACP) is Windows-1252.

#include <optional>
#include <string>

#include "platform/com/base_types.h"

constexpr UINT CP_ACP = 0;
constexpr UINT CP_WINDOWS_1252 = 1252;
constexpr DWORD MB_PRECOMPOSED = 0x1;

// A length of -1 converts up to and including the terminating zero. With no
// room given (wideLength 0) returns the number of UTF-16 units needed; 0 on
// failure (unknown code page, bad arguments, too little room).
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* text, int length, WCHAR* wide, int wideLength);

// The one Windows-1252 table every 8-bit text of the program goes through. The
// five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand
// for the control characters of the same value, so every byte has a character
// and comes back from it unchanged.
WCHAR Windows1252Char(unsigned char byte);
// A whole 8-bit text, byte by byte.
std::wstring WideFromWindows1252(const std::string& text);
// Nothing for a character that has no byte.
std::optional<char> Windows1252Byte(char32_t c);
