#pragma once
// Device contexts: a handle stands for a wx device context, either one that
// GetDC opened (the screen for a null window) or one a painter lends out.

#include "platform/com/base_types.h"

#include <memory>

class wxDC;

constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

struct HDC__ {
    explicit HDC__(wxDC& lent) : dc(lent) {}
    explicit HDC__(std::unique_ptr<wxDC> opened) : dc(*opened), owned(std::move(opened)) {}

    wxDC& dc;
    std::unique_ptr<wxDC> owned;
};

HDC GetDC(HWND window);
// Closes a context GetDC opened; 1 when released, 0 otherwise.
int ReleaseDC(HWND window, HDC context);
// LOGPIXELSX and LOGPIXELSY: the dots per inch of the device; 0 for any other index.
int GetDeviceCaps(HDC context, int index);
