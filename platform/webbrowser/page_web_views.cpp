#include "platform/webbrowser/page_web_views.h"

#include <set>

namespace {

// Views still open, to relate the next one to: WebKit gives related views the
// process of the view they relate to.
std::set<WebKitWebView*>& OpenViews()
{
    static std::set<WebKitWebView*> views;
    return views;
}

void ForgetView(GtkWidget* view, gpointer)
{
    OpenViews().erase(WEBKIT_WEB_VIEW(view));
}

WebKitWebView* NewUnrelatedView()
{
    WebKitWebContext* context = webkit_web_context_get_default();
    webkit_web_context_set_cache_model(context, WEBKIT_CACHE_MODEL_DOCUMENT_VIEWER);
    return WEBKIT_WEB_VIEW(webkit_web_view_new_with_context(context));
}

}  // namespace

WebKitWebView* NewPageWebView()
{
    std::set<WebKitWebView*>& open = OpenViews();
    WebKitWebView* view =
        open.empty() ? NewUnrelatedView() : WEBKIT_WEB_VIEW(webkit_web_view_new_with_related_view(*open.begin()));
    // Each view's own compositing buffers cost tens of megabytes.
    webkit_settings_set_hardware_acceleration_policy(webkit_web_view_get_settings(view),
                                                     WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
    open.insert(view);
    g_signal_connect(view, "destroy", G_CALLBACK(ForgetView), nullptr);
    return view;
}
