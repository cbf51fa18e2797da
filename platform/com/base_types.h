#pragma once
// The scalar types, handles and small structures that the COM and window
// calls exchange, with the sizes the 32-bit desktop API gives them.

#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using USHORT = std::uint16_t;
using SHORT = std::int16_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using INT = int;
using UINT = unsigned int;
using BOOL = int;
using LCID = DWORD;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using COLORREF = DWORD;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Wide text is UTF-16, as the automation interfaces expect.
using OLECHAR = char16_t;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
using WCHAR = char16_t;

// Macros rather than constants: the toolkit's C headers define the same two.
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Handles are opaque: the window layer alone knows what stands behind them.
using HWND = struct HWND__*;
using HDC = struct HDC__*;
using HMENU = struct HMENU__*;
using HACCEL = struct HACCEL__*;
using HRGN = struct HRGN__*;
using HOLEMENU = struct HOLEMENU__*;

struct POINT {
    LONG x;
    LONG y;
};

struct POINTL {
    LONG x;
    LONG y;
};

struct POINTF {
    float x;
    float y;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;
using RECTL = RECT;
using LPCRECTL = const RECTL*;
using BORDERWIDTHS = RECT;
using LPCBORDERWIDTHS = const RECT*;

struct SIZEL {
    LONG cx;
    LONG cy;
};

using SIZE = SIZEL;

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
using LPMSG = MSG*;

union LARGE_INTEGER {
    LONGLONG QuadPart;
};

union ULARGE_INTEGER {
    ULONGLONG QuadPart;
};

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};
