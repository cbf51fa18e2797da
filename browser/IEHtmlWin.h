#pragma once
// The window that shows one puzzle page: an ActiveX container hosting the
// web browser control, stripped of its bars and context menu, fed pages held
// in memory, and printing them on the default printer without a prompt.

#include "browser/active_x.h"
#include "browser/stream_adaptor.h"
#include "platform/com/web_browser.h"

#include <string>

class wxIEHtmlWin : public wxActiveX {
public:
    wxIEHtmlWin(wxWindow* parent, wxWindowID id = -1, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, long style = 0, const wxString& name = wxPanelNameStr);
    virtual ~wxIEHtmlWin();

    // The page's characters are its Windows-1252 bytes; true when the document took it.
    bool LoadString(wxString html);
    // Takes ownership of the stream.
    bool LoadStream(wxInputStream* stream);
    // Takes over one reference on the adaptor.
    bool LoadStream(IStreamAdaptorBase* adaptor);
    // Prints the page on the default printer without asking.
    void Print(const std::string& header, const std::string& footer);

protected:
    void SetupBrowser();

    OleInterfacePtr<IWebBrowser2> m_webBrowser;

    wxDECLARE_EVENT_TABLE();
};
