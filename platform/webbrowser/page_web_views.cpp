#include "platform/webbrowser/page_web_views.h"

#include <webkit2/webkit2.h>

namespace {

// Each view's own compositing buffers would cost tens of megabytes.
void DrawWithoutAcceleration(WebKitWebView* view)
{
    webkit_settings_set_hardware_acceleration_policy(webkit_web_view_get_settings(view),
                                                     WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
}

// Never shown and never freed: WebKit gives related views the process of the
// view they relate to, so this one keeps it for all pages, open or still to come.
WebKitWebView* ProcessHolder()
{
    static WebKitWebView* const holder = [] {
        WebKitWebContext* context = webkit_web_context_get_default();
        webkit_web_context_set_cache_model(context, WEBKIT_CACHE_MODEL_DOCUMENT_VIEWER);
        auto* view = WEBKIT_WEB_VIEW(webkit_web_view_new_with_context(context));
        g_object_ref_sink(view);
        DrawWithoutAcceleration(view);
        return view;
    }();
    return holder;
}

}  // namespace

void StartPageWebProcess()
{
    webkit_web_view_load_html(ProcessHolder(), "", "about:blank");
}

WebKitWebView* NewPageWebView()
{
    // A related view shares the holder's settings, acceleration policy included.
    return WEBKIT_WEB_VIEW(webkit_web_view_new_with_related_view(ProcessHolder()));
}
