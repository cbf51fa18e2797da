#include "platform/win/window_messages.h"

#include "platform/win/window_handle.h"

#include <wx/app.h>
#include <wx/window.h>

#include <map>

namespace {

std::map<HWND, WindowMessageHandler>& Handlers()
{
    static std::map<HWND, WindowMessageHandler> handlers;
    return handlers;
}

void ForgetHandlerOnDestroy(wxWindow* window, HWND handle)
{
    window->Bind(wxEVT_DESTROY, [handle, window](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == window)
            Handlers().erase(handle);
        event.Skip();
    });
}

}  // namespace

BOOL SetWindowMessageHandler(HWND window, WindowMessageHandler handler)
{
    wxWindow* target = WindowFromHandle(window);
    if (!target)
        return FALSE;
    if (!handler) {
        Handlers().erase(window);
        return TRUE;
    }
    const bool first = Handlers().count(window) == 0;
    Handlers()[window] = std::move(handler);
    if (first)
        ForgetHandlerOnDestroy(target, window);
    return TRUE;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto found = Handlers().find(window);
    if (found == Handlers().end())
        return 0;
    // A copy: the handler may replace itself while it runs.
    const WindowMessageHandler handler = found->second;
    return handler(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!WindowFromHandle(window) || !wxTheApp)
        return FALSE;
    // Delivered only if the window still lives when the loop gets to it.
    wxTheApp->CallAfter([=] {
        if (WindowFromHandle(window))
            SendMessageA(window, message, wParam, lParam);
    });
    return TRUE;
}
