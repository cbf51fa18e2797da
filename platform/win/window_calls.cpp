#include "platform/win/window_calls.h"

#include "platform/win/window_handle.h"
#include "platform/win/window_messages.h"

#include <wx/settings.h>
#include <wx/window.h>

BOOL ShowWindow(HWND window, int command)
{
    wxWindow* target = WindowFromHandle(window);
    if (!target)
        return FALSE;
    const BOOL wasVisible = target->IsShown() ? TRUE : FALSE;
    target->Show(command != SW_HIDE);
    return wasVisible;
}

HWND SetActiveWindow(HWND window)
{
    wxWindow* target = WindowFromHandle(window);
    if (!target)
        return nullptr;
    wxWindow* previous = wxWindow::FindFocus();
    target->SetFocus();
    return previous ? WindowHandle(previous) : nullptr;
}

BOOL RedrawWindow(HWND window, const RECT* area, HRGN, UINT flags)
{
    wxWindow* target = WindowFromHandle(window);
    if (!target)
        return FALSE;
    // A paint without anything invalid is the owner's business: repainting
    // the window here would repaint its parent too, which may ask again.
    if ((flags & RDW_INTERNALPAINT) && !(flags & RDW_INVALIDATE))
        PostMessageA(window, WM_PAINT, 0, 0);
    if (flags & RDW_INVALIDATE) {
        const bool erase = (flags & RDW_ERASE) != 0;
        if (area) {
            const wxRect rect(area->left, area->top, area->right - area->left, area->bottom - area->top);
            target->Refresh(erase, &rect);
        } else {
            target->Refresh(erase);
        }
    }
    if (flags & RDW_UPDATENOW)
        target->Update();
    return TRUE;
}

COLORREF GetSysColor(int index)
{
    // The toolkit numbers its system colours as the platform does.
    if (index < 0 || index >= wxSYS_COLOUR_MAX)
        return 0;
    const wxColour colour = wxSystemSettings::GetColour(static_cast<wxSystemColour>(index));
    return COLORREF(colour.Red()) | (COLORREF(colour.Green()) << 8) | (COLORREF(colour.Blue()) << 16);
}
