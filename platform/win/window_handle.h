#pragma once
// Window handles stand for wx windows. A handle is valid from the first time
// it is asked for until its window is destroyed.

#include "platform/com/base_types.h"

class wxWindow;

HWND WindowHandle(wxWindow* window);
// Null for a null handle and for a window that has been destroyed.
wxWindow* WindowFromHandle(HWND window);
