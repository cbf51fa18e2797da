#pragma once
// Waiting on the running toolkit in window tests (under Xvfb).

#include <functional>
#include <string>

class wxWebView;
class wxWindow;
typedef struct _WebKitWebView WebKitWebView;

// Runs the pending events of the event loop, as the loop would next.
void RunPendingEvents();

// Runs the event loop until done() holds; false when it still does not after
// the given time (a guard against hanging, not a measure of speed).
bool PumpUntil(const std::function<bool()>& done, int milliseconds = 10000);

// The window of the WebKit view inside a window, at any depth; null when there is none.
wxWindow* WebViewWindowIn(const wxWindow* window);
WebKitWebView* WebViewIn(const wxWindow* window);

// The result of a script run in the view's page, as text; empty when it failed
// or did not finish in time.
std::string RunScript(WebKitWebView* web, const char* script);

// What the web view's page shows once loaded, as UTF-8; empty when it cannot be read.
std::string WebViewText(WebKitWebView* web);
std::string WebViewText(wxWebView* web);
