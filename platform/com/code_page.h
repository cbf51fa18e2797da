#pragma once
// 8-bit text to UTF-16. The system's 8-bit code page (CP_ACP) is Windows-1252.

#include "platform/com/base_types.h"

constexpr UINT CP_ACP = 0;
constexpr UINT CP_WINDOWS_1252 = 1252;
constexpr DWORD MB_PRECOMPOSED = 0x1;

// A length of -1 converts up to and including the terminating zero. With no
// room given (wideLength 0) returns the number of UTF-16 units needed; 0 on
// failure (unknown code page, bad arguments, too little room).
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* text, int length, WCHAR* wide, int wideLength);
