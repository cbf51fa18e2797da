#include "platform/win/device_context.h"

#include "platform/win/window_handle.h"

#include <wx/dcclient.h>
#include <wx/dcscreen.h>

HDC GetDC(HWND window)
{
    if (!window)
        return new HDC__(std::make_unique<wxScreenDC>());
    wxWindow* target = WindowFromHandle(window);
    return target ? new HDC__(std::make_unique<wxClientDC>(target)) : nullptr;
}

int ReleaseDC(HWND, HDC context)
{
    if (!context || !context->owned)
        return 0;
    delete context;
    return 1;
}

int GetDeviceCaps(HDC context, int index)
{
    if (!context)
        return 0;
    const wxSize ppi = context->dc.GetPPI();
    switch (index) {
    case LOGPIXELSX: return ppi.x;
    case LOGPIXELSY: return ppi.y;
    default: return 0;
    }
}
