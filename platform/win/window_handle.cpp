#include "platform/win/window_handle.h"

#include <wx/window.h>

#include <set>

namespace {

std::set<HWND>& LiveWindows()
{
    static std::set<HWND> windows;
    return windows;
}

}  // namespace

HWND WindowHandle(wxWindow* window)
{
    if (!window)
        return nullptr;
    const HWND handle = reinterpret_cast<HWND>(window);
    if (LiveWindows().insert(handle).second) {
        window->Bind(wxEVT_DESTROY, [handle, window](wxWindowDestroyEvent& event) {
            if (event.GetEventObject() == window)
                LiveWindows().erase(handle);
            event.Skip();
        });
    }
    return handle;
}

wxWindow* WindowFromHandle(HWND window)
{
    return LiveWindows().count(window) ? reinterpret_cast<wxWindow*>(window) : nullptr;
}
