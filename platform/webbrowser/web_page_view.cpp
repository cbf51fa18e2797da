#include "platform/webbrowser/web_page_view.h"

#include "platform/webbrowser/page_printing.h"
#include "platform/webbrowser/page_web_views.h"
#include "platform/win/window_handle.h"

#include <webkit2/webkit2.h>
#include <wx/nativewin.h>
#include <wx/string.h>

namespace {

gboolean OnContextMenu(WebKitWebView*, WebKitContextMenu*, GdkEvent* event, WebKitHitTestResult*, gpointer data)
{
    gdouble x = 0;
    gdouble y = 0;
    if (event)
        gdk_event_get_coords(event, &x, &y);
    auto* listener = static_cast<WebPageView::Listener*>(data);
    return listener->HostClaimsContextMenu(POINT{LONG(x), LONG(y)}) ? TRUE : FALSE;
}

void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer data)
{
    if (event != WEBKIT_LOAD_FINISHED)
        return;
    const gchar* uri = webkit_web_view_get_uri(view);
    static_cast<WebPageView::Listener*>(data)->OnPageLoaded(wxString::FromUTF8(uri ? uri : ""));
}

}  // namespace

WebPageView::WebPageView(wxWindow* parent, const RECT& position, Listener& listener) : m_listener(listener)
{
    m_web = NewPageWebView();
    // The host window takes over this reference and destroys the view with itself.
    g_object_ref_sink(m_web);
    m_host = new wxNativeWindow(parent, wxID_ANY, GTK_WIDGET(m_web));
    m_host->Disown();
    m_host->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == m_host)
            Forget();
        event.Skip();
    });
    SetRect(position);
    ConnectSignals();
}

WebPageView::~WebPageView()
{
    if (!m_host)
        return;
    wxNativeWindow* host = m_host;
    Forget();
    host->Destroy();
}

// The view may still finish a load while it is destroyed; the listener hears no more.
void WebPageView::Forget()
{
    g_signal_handlers_disconnect_by_data(m_web, &m_listener);
    m_host = nullptr;
    m_web = nullptr;
}

void WebPageView::ConnectSignals()
{
    g_signal_connect(m_web, "context-menu", G_CALLBACK(OnContextMenu), &m_listener);
    g_signal_connect(m_web, "load-changed", G_CALLBACK(OnLoadChanged), &m_listener);
}

HWND WebPageView::Window() const
{
    return WindowHandle(m_host);
}

void WebPageView::SetRect(const RECT& position)
{
    if (m_host)
        m_host->SetSize(position.left, position.top, position.right - position.left, position.bottom - position.top);
}

void WebPageView::Show(bool show)
{
    if (m_host)
        m_host->Show(show);
}

void WebPageView::ShowPage(const std::string& bytes)
{
    if (!m_web)
        return;
    // WebKit takes no empty byte buffer: an empty page is empty text.
    if (bytes.empty()) {
        webkit_web_view_load_html(m_web, "", "about:blank");
        return;
    }
    GBytes* page = g_bytes_new(bytes.data(), bytes.size());
    webkit_web_view_load_bytes(m_web, page, "text/html", "windows-1252", "about:blank");
    g_bytes_unref(page);
}

void WebPageView::Navigate(const wxString& url)
{
    if (m_web)
        webkit_web_view_load_uri(m_web, url.utf8_str());
}

bool WebPageView::PrintOnDefaultPrinter()
{
    return ::PrintOnDefaultPrinter(m_web);
}

void WebPageView::PrintWithDialog()
{
    if (!m_web)
        return;
    GtkWidget* toplevel = gtk_widget_get_toplevel(GTK_WIDGET(m_web));
    WebKitPrintOperation* operation = webkit_print_operation_new(m_web);
    webkit_print_operation_run_dialog(operation, GTK_IS_WINDOW(toplevel) ? GTK_WINDOW(toplevel) : nullptr);
    g_object_unref(operation);
}
