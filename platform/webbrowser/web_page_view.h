#pragma once
// The control's window: a WebKitGTK view hosted as a wx window, child of the
// container window, that shows a page given as bytes or a URL and tells its
// listener when a page has loaded and when the page wants a context menu.

#include "platform/com/base_types.h"

#include <string>

class wxNativeWindow;
class wxWindow;
typedef struct _WebKitWebView WebKitWebView;
class wxString;

class WebPageView {
public:
    class Listener {
    public:
        virtual void OnPageLoaded(const wxString& url) = 0;
        // True when the host claims the context menu, so that the page shows none.
        virtual bool HostClaimsContextMenu(POINT at) = 0;

    protected:
        ~Listener() = default;
    };

    WebPageView(wxWindow* parent, const RECT& position, Listener& listener);
    ~WebPageView();
    WebPageView(const WebPageView&) = delete;
    WebPageView& operator=(const WebPageView&) = delete;

    // Null once the toolkit has destroyed the window with its parent.
    HWND Window() const;
    void SetRect(const RECT& position);
    void Show(bool show);
    // The bytes are HTML in Windows-1252.
    void ShowPage(const std::string& bytes);
    void Navigate(const wxString& url);
    bool PrintOnDefaultPrinter();
    // Asks the user with the toolkit's print dialog.
    void PrintWithDialog();

private:
    void ConnectSignals();
    void Forget();

    // The host window owns the web view; both are null once it is destroyed.
    wxNativeWindow* m_host = nullptr;
    WebKitWebView* m_web = nullptr;
    Listener& m_listener;
};
