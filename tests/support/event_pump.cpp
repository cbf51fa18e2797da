#include "support/event_pump.h"

#include <wx/app.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>
#include <wx/webview.h>

void RunPendingEvents() { wxTheApp->ProcessPendingEvents(); }

bool PumpUntil(const std::function<bool()>& done, int milliseconds)
{
    wxStopWatch watch;
    while (!done()) {
        if (watch.Time() > milliseconds)
            return false;
        wxTheApp->Yield(true);
        wxTheApp->ProcessPendingEvents();
        wxMilliSleep(5);
    }
    return true;
}

wxWebView* WebViewIn(const wxWindow* window)
{
    for (wxWindow* child : window->GetChildren()) {
        if (auto* web = wxDynamicCast(child, wxWebView))
            return web;
        if (auto* inner = WebViewIn(child))
            return inner;
    }
    return nullptr;
}

std::string WebViewText(wxWebView* web)
{
    if (!web)
        return "";
    // Loading is asynchronous: until it ends, the script reads the page before, or a part.
    // The page is made in a separate web process, which is slow to start on a busy machine.
    const char* script = "document.readyState == 'complete' && document.body ? document.body.innerText : ''";
    const int pageLoadMilliseconds = 30000;
    wxString text;
    PumpUntil([&] { return !web->IsBusy() && web->RunScript(script, &text) && !text.empty(); }, pageLoadMilliseconds);
    return std::string(text.utf8_str());
}
