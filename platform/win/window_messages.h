#pragma once
// Window messages. A component that owns a window registers a handler for
// it; SendMessageA calls the handler at once, PostMessageA from the event
// loop. A window without a handler answers 0 and drops posted messages.

#include "platform/com/base_types.h"

#include <functional>

constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_DEADCHAR = 0x0103;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_SYSCHAR = 0x0106;
constexpr UINT WM_SYSDEADCHAR = 0x0107;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;

// Key state flags of the mouse messages.
constexpr WPARAM MK_LBUTTON = 0x01;
constexpr WPARAM MK_RBUTTON = 0x02;
constexpr WPARAM MK_SHIFT = 0x04;
constexpr WPARAM MK_CONTROL = 0x08;
constexpr WPARAM MK_MBUTTON = 0x10;

constexpr LPARAM MAKELPARAM(int low, int high)
{
    return LPARAM((DWORD(WORD(low)) | (DWORD(WORD(high)) << 16)));
}

using WindowMessageHandler = std::function<LRESULT(HWND window, UINT message, WPARAM wParam, LPARAM lParam)>;

// FALSE for a handle that is not a live window. An empty handler removes
// the one registered; a window's handler goes with the window.
BOOL SetWindowMessageHandler(HWND window, WindowMessageHandler handler);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// FALSE when the window is not live or no event loop can deliver the message.
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
