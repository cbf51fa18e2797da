#include "platform/webbrowser/page_web_views.h"

#include <webkit2/webkit2.h>

namespace {

// Each view's own compositing buffers would cost tens of megabytes.
void DrawWithoutAcceleration(WebKitWebView* view)
{
    webkit_settings_set_hardware_acceleration_policy(webkit_web_view_get_settings(view),
                                                     WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
}

// The pages mark a page break with a line break element styled to break after
// it, as the browser they were written for honours; WebKit breaks no page at a
// line break, so on paper the table that follows the mark starts a new sheet.
// A table is kept whole on one sheet where it fits. The screen is left as it is.
constexpr char PrintStyle[] =
    "@media print {"
    " br[style*=\"page-break-after\"] + table { page-break-before: always; break-before: page; }"
    " table { page-break-inside: avoid; }"
    " }";

void AddPrintStyle(WebKitWebView* view)
{
    WebKitUserStyleSheet* sheet = webkit_user_style_sheet_new(
        PrintStyle, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES, WEBKIT_USER_STYLE_LEVEL_USER, nullptr, nullptr);
    webkit_user_content_manager_add_style_sheet(webkit_web_view_get_user_content_manager(view), sheet);
    webkit_user_style_sheet_unref(sheet);
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
        AddPrintStyle(view);
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
    // A related view shares the holder's settings, acceleration policy included,
    // and its user content, the print style among it.
    return WEBKIT_WEB_VIEW(webkit_web_view_new_with_related_view(ProcessHolder()));
}
