#include "platform/webbrowser/web_page_view.h"

#include "platform/webbrowser/page_printing.h"
#include "platform/win/window_handle.h"

#include <webkit2/webkit2.h>
#include <wx/webview.h>

namespace {

WebKitWebView* NativeView(wxWebView* web)
{
    return web ? static_cast<WebKitWebView*>(web->GetNativeBackend()) : nullptr;
}

gboolean OnContextMenu(WebKitWebView*, WebKitContextMenu*, GdkEvent* event, WebKitHitTestResult*, gpointer data)
{
    gdouble x = 0;
    gdouble y = 0;
    if (event)
        gdk_event_get_coords(event, &x, &y);
    auto* listener = static_cast<WebPageView::Listener*>(data);
    return listener->HostClaimsContextMenu(POINT{LONG(x), LONG(y)}) ? TRUE : FALSE;
}

}  // namespace

WebPageView::WebPageView(wxWindow* parent, const RECT& position, Listener& listener) : m_listener(listener)
{
    m_web = wxWebView::New(parent, wxID_ANY, wxWebViewDefaultURLStr,
                           wxPoint(position.left, position.top),
                           wxSize(position.right - position.left, position.bottom - position.top),
                           wxWebViewBackendWebKit);
    if (!m_web)
        return;
    m_web->Bind(wxEVT_WEBVIEW_LOADED, [this](wxWebViewEvent& event) { m_listener.OnPageLoaded(event.GetURL()); });
    m_web->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == m_web)
            m_web = nullptr;
        event.Skip();
    });
    ConnectContextMenu();
}

WebPageView::~WebPageView()
{
    if (!m_web)
        return;
    g_signal_handler_disconnect(NativeView(m_web), m_contextMenuHandler);
    wxWebView* web = m_web;
    m_web = nullptr;
    web->Destroy();
}

void WebPageView::ConnectContextMenu()
{
    m_contextMenuHandler = g_signal_connect(NativeView(m_web), "context-menu", G_CALLBACK(OnContextMenu), &m_listener);
}

HWND WebPageView::Window() const
{
    return WindowHandle(m_web);
}

void WebPageView::SetRect(const RECT& position)
{
    if (m_web)
        m_web->SetSize(position.left, position.top, position.right - position.left, position.bottom - position.top);
}

void WebPageView::Show(bool show)
{
    if (m_web)
        m_web->Show(show);
}

void WebPageView::ShowPage(const std::string& bytes)
{
    WebKitWebView* view = NativeView(m_web);
    if (!view)
        return;
    // WebKit takes no empty byte buffer: an empty page is empty text.
    if (bytes.empty()) {
        webkit_web_view_load_html(view, "", "about:blank");
        return;
    }
    GBytes* page = g_bytes_new(bytes.data(), bytes.size());
    webkit_web_view_load_bytes(view, page, "text/html", "windows-1252", "about:blank");
    g_bytes_unref(page);
}

void WebPageView::Navigate(const wxString& url)
{
    if (m_web)
        m_web->LoadURL(url);
}

bool WebPageView::PrintOnDefaultPrinter()
{
    return ::PrintOnDefaultPrinter(NativeView(m_web));
}

void WebPageView::PrintWithDialog()
{
    if (m_web)
        m_web->Print();
}
