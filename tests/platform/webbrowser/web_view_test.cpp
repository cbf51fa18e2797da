#include "view_fixture.h"

#include "platform/com/class_registry.h"
#include "platform/webbrowser/web_browser_class.h"

#include <wx/log.h>
#include <wx/webview.h>


namespace {

const std::string AccentedPage = "<body><p>Caf\xE9 na\xEFve \x80 5</p></body></html>";

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// An event sink that counts the browser's document-complete calls.
class DocumentCompleteSink final : public IDispatch {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        *object = nullptr;
        if (riid != IID_IUnknown && riid != IID_IDispatch)
            return E_NOINTERFACE;
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override
    {
        if (--references > 0)
            return references;
        delete this;
        return 0;
    }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override
    {
        if (id == 259 && params && params->cArgs == 2 && params->rgvarg[0].vt == (VT_VARIANT | VT_BYREF)) {
            url = std::u16string(params->rgvarg[0].pvarVal->bstrVal);
            ++completed;
        }
        return S_OK;
    }

    ULONG references = 0;
    int completed = 0;
    std::u16string url;
};

// A class factory that cannot make the control.
class FailingFactory : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT CreateInstance(IUnknown*, REFIID, void** object) override
    {
        *object = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    HRESULT LockServer(BOOL) override { return S_OK; }
};

}  // namespace

// Each page replaces the whole document before it.
TEST_F(ViewTest, PageIsRenderedWithItsWindows1252Letters)
{
    ASSERT_TRUE(view->LoadString("<body>first</body>"));
    ASSERT_TRUE(view->LoadString(PageText(AccentedPage)));
    EXPECT_EQ(view->DocumentSource(), "<html>" + AccentedPage);
    std::string text;
    EXPECT_TRUE(PumpUntil([&] { return Contains(text = view->RenderedText(), "5"); }));
    EXPECT_TRUE(Contains(text, "Caf\xC3\xA9 na\xC3\xAFve \xE2\x82\xAC 5")) << text;
    EXPECT_FALSE(Contains(text, "first"));
}

TEST_F(ViewTest, CharacterWithoutAWindows1252ByteCostsOnlyItself)
{
    ASSERT_TRUE(view->LoadString(""));
    EXPECT_EQ(view->DocumentSource(), "<html>");
    ASSERT_TRUE(view->LoadString(wxString::FromUTF8("<p>\xE2\x82\xAC \xE2\x98\x83 caf\xC3\xA9</p>")));
    EXPECT_EQ(view->DocumentSource(), "<html><p>\x80 ? caf\xE9</p>");
}

TEST_F(ViewTest, EventsOfTheControlReachTheSinks)
{
    EXPECT_EQ(view->m_eventsIdx.count(259), 1u);
    EXPECT_EQ(view->m_sinkConnections.size(), 1u);
    auto* sink = new DocumentCompleteSink;
    sink->AddRef();
    ASSERT_EQ(view->ConnectEventSink(DIID_DWebBrowserEvents2, sink), S_OK);
    ASSERT_TRUE(view->LoadString("<body>done</body>"));
    EXPECT_TRUE(PumpUntil([&] { return sink->completed > 0; }));
    EXPECT_EQ(sink->url, u"about:blank");
    sink->Release();
}

TEST(ViewWithoutBrowser, ReportsTheMissingControlAndShowsNothing)
{
    WebBrowserClass();
    FailingFactory failing;
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(CLSID_WebBrowser, &failing, CLSCTX_ALL, REGCLS_MULTIPLEUSE, &cookie), S_OK);
    wxString logged;
    {
        auto* buffer = new wxLogBuffer;
        wxLog* previous = wxLog::SetActiveTarget(buffer);
        auto* frame = new wxFrame(nullptr, wxID_ANY, "no browser");
        auto* view = new InspectedView(frame);
        EXPECT_EQ(view->m_webBrowser.Get(), nullptr);
        EXPECT_FALSE(view->LoadString("<body>x</body>"));
        view->Print("h", "f");
        EXPECT_EQ(view->Page(), nullptr);
        frame->Destroy();
        logged = buffer->GetBuffer();
        wxLog::SetActiveTarget(previous);
        delete buffer;
    }
    EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
    EXPECT_EQ(RegisterWebBrowserClass(), S_OK);
    EXPECT_TRUE(logged.Contains("web browser control")) << logged;
}
