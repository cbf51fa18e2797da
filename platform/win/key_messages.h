#pragma once
// The keyboard message a wx key event stands for: key down and up become
// WM_KEYDOWN/WM_KEYUP (WM_SYSKEYDOWN/WM_SYSKEYUP with Alt or for F10) with
// the virtual-key code, characters become WM_CHAR (WM_SYSCHAR with Alt).

#include "platform/com/base_types.h"

class wxKeyEvent;

struct KeyMessage {
    UINT message;  // 0 when the event stands for no message
    WPARAM wParam;
    LPARAM lParam;
};

KeyMessage KeyEventToMessage(const wxKeyEvent& event);
// The virtual-key code of a wx key code; 0 for a key without one.
WPARAM VirtualKeyCode(int wxKeyCode);
