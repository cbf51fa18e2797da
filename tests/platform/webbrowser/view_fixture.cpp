#include "view_fixture.h"

#include "platform/com/web_browser.h"
#include "support/event_pump.h"

#include <wx/display.h>

namespace {

// A stream that keeps what is written to it.
class CapturingStream : public IStreamAdaptorBase {
public:
    int _Read(void*, int) override { return 0; }
    HRESULT Write(const void* buffer, ULONG count, ULONG* written) override
    {
        bytes.append(static_cast<const char*>(buffer), count);
        if (written)
            *written = count;
        return S_OK;
    }
    std::string bytes;
};

}  // namespace

wxWindow* InspectedView::Page() const
{
    return WebViewWindowIn(this);
}

WebKitWebView* InspectedView::PageView() const
{
    return WebViewIn(this);
}

std::string InspectedView::DocumentSource() const
{
    OleInterfacePtr<IDispatch> document;
    m_webBrowser->get_Document(document.Out());
    OleInterfacePtr<IPersistStreamInit> persistence;
    persistence.QueryInterface(document.Get(), IID_IPersistStreamInit);
    auto* stream = new CapturingStream;
    stream->AddRef();
    persistence->Save(stream, FALSE);
    const std::string bytes = stream->bytes;
    stream->Release();
    return bytes;
}

std::string InspectedView::RenderedText() const { return WebViewText(PageView()); }

void ViewTest::SetUp()
{
    // Top right, clear of the windows other tests open at the origin.
    const wxRect display = wxGetClientDisplayRect();
    frame = new wxFrame(nullptr, wxID_ANY, "view", wxPoint(display.GetRight() - 420, display.GetTop()),
                        wxSize(400, 300));
    view = new InspectedView(frame, 999, wxPoint(5, 5), wxSize(185, 89), 0, "panel");
    frame->Show();
    PumpUntil([] { return false; }, 100);
}

void ViewTest::TearDown()
{
    frame->Destroy();
    PumpUntil([] { return false; }, 50);
}
