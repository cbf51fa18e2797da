#pragma once
// A frame holding one web browser view, with ways to look inside it: the
// page's web view, the bytes its document loaded, the text WebKit renders.

#include "browser/IEHtmlWin.h"
#include "support/event_pump.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

#include <string>

typedef struct _WebKitWebView WebKitWebView;

class InspectedView : public wxIEHtmlWin {
public:
    using wxIEHtmlWin::wxIEHtmlWin;
    using wxIEHtmlWin::m_clientSite;
    using wxIEHtmlWin::m_controlWindow;
    using wxIEHtmlWin::m_inPlaceActiveObject;
    using wxIEHtmlWin::m_inPlaceObject;
    using wxIEHtmlWin::m_oleObject;
    using wxIEHtmlWin::m_webBrowser;

    // The page's window and the WebKit view it hosts; null without a page.
    wxWindow* Page() const;
    WebKitWebView* PageView() const;
    // The bytes the browser document holds, as it saves them.
    std::string DocumentSource() const;
    // What the page shows once loaded, as UTF-8; empty when it cannot be read.
    std::string RenderedText() const;
};

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    wxFrame* frame = nullptr;
    InspectedView* view = nullptr;
};
