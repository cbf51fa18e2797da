#pragma once
// Showing, activating and repainting windows, and the system colours.

#include "platform/com/base_types.h"

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_UPDATENOW = 0x0100;

constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;

// Non-zero when the window was visible before.
BOOL ShowWindow(HWND window, int command);
// Gives the window the keyboard focus; returns the window that had it, when
// that one has a handle, else null.
HWND SetActiveWindow(HWND window);
// RDW_INVALIDATE repaints the whole window or the given rectangle, RDW_UPDATENOW
// at once; RDW_INTERNALPAINT alone posts WM_PAINT to the window's message handler.
BOOL RedrawWindow(HWND window, const RECT* area, HRGN region, UINT flags);
// 0x00BBGGRR; 0 for an index outside the system colours.
COLORREF GetSysColor(int index);
