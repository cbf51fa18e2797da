#include "support/event_pump.h"

#include <wx/app.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>
#include <wx/webview.h>

#include <webkit2/webkit2.h>

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

wxWindow* WebViewWindowIn(const wxWindow* window)
{
    for (wxWindow* child : window->GetChildren()) {
        if (WEBKIT_IS_WEB_VIEW(child->GetHandle()))
            return child;
        if (wxWindow* inner = WebViewWindowIn(child))
            return inner;
    }
    return nullptr;
}

WebKitWebView* WebViewIn(const wxWindow* window)
{
    wxWindow* found = WebViewWindowIn(window);
    return found ? WEBKIT_WEB_VIEW(found->GetHandle()) : nullptr;
}

namespace {

// Outlives a script that is given up on: the last of the two to finish frees it.
struct ScriptResult {
    bool done = false;
    bool abandoned = false;
    std::string text;
};

void KeepScriptResult(GObject* view, GAsyncResult* result, gpointer data)
{
    auto* kept = static_cast<ScriptResult*>(data);
    if (JSCValue* value = webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(view), result, nullptr)) {
        gchar* utf8 = jsc_value_to_string(value);
        kept->text = utf8 ? utf8 : "";
        g_free(utf8);
        g_object_unref(value);
    }
    kept->done = true;
    if (kept->abandoned)
        delete kept;
}

}  // namespace

std::string RunScript(WebKitWebView* web, const char* script)
{
    auto* kept = new ScriptResult;
    webkit_web_view_evaluate_javascript(web, script, -1, nullptr, nullptr, nullptr, KeepScriptResult, kept);
    if (!PumpUntil([&] { return kept->done; }, 5000)) {
        kept->abandoned = true;
        return "";
    }
    const std::string text = kept->text;
    delete kept;
    return text;
}

std::string WebViewText(WebKitWebView* web)
{
    if (!web)
        return "";
    // Loading is asynchronous: until it ends, the script reads the page before, or a part.
    // The page is made in a separate web process, which is slow to start on a busy machine.
    const char* script = "document.readyState == 'complete' && document.body ? document.body.innerText : ''";
    const int pageLoadMilliseconds = 30000;
    std::string text;
    PumpUntil([&] { return !webkit_web_view_is_loading(web) && !(text = RunScript(web, script)).empty(); },
              pageLoadMilliseconds);
    return text;
}

std::string WebViewText(wxWebView* web)
{
    return WebViewText(web ? static_cast<WebKitWebView*>(web->GetNativeBackend()) : nullptr);
}
