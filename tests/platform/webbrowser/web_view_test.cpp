#include "view_fixture.h"

#include "browser/active_x_event.h"
#include "browser/active_x_events.h"
#include "platform/com/class_registry.h"
#include "platform/com/code_page.h"
#include "platform/webbrowser/browser_type_info.h"
#include "platform/webbrowser/web_browser_class.h"

#include <webkit2/webkit2.h>
#include <wx/log.h>

namespace {

const std::string AccentedPage = "<body><p>Caf\xE9 na\xEFve \x80 5</p></body></html>";

// A page given as Windows-1252 bytes, the way the program hands pages over.
wxString PageText(const std::string& windows1252)
{
    wxString text;
    for (char c : windows1252)
        text += wxUniChar(Windows1252Char(static_cast<unsigned char>(c)));
    return text;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

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

// A page whose bytes cannot be read.
class UnreadableStream : public IStreamAdaptorBase {
public:
    int _Read(void*, int) override { return 0; }
    HRESULT Read(void*, ULONG, ULONG*) override { return E_FAIL; }
};

}  // namespace

// Each page replaces the whole document before it; a character Windows-1252 lacks costs only itself.
TEST_F(ViewTest, EveryPageByteArrivesUnchangedAndIsRenderedAsItsWindows1252Letter)
{
    ASSERT_TRUE(view->LoadString(""));
    EXPECT_EQ(view->DocumentSource(), "<html>");
    ASSERT_TRUE(view->LoadString(wxString::FromUTF8("<p>\xE2\x82\xAC \xE2\x98\x83 caf\xC3\xA9</p>")));
    EXPECT_EQ(view->DocumentSource(), "<html><p>\x80 ? caf\xE9</p>");

    std::string everyByte(256, '\0');
    for (int byte = 0; byte < 256; ++byte)
        everyByte[byte] = char(byte);
    ASSERT_TRUE(view->LoadString(PageText(everyByte)));
    EXPECT_EQ(view->DocumentSource(), "<html>" + everyByte);

    ASSERT_TRUE(view->LoadString(PageText(AccentedPage)));
    std::string text;
    EXPECT_TRUE(PumpUntil([&] { return Contains(text = view->RenderedText(), "Caf"); }));
    EXPECT_EQ(text, "Caf\xC3\xA9 na\xC3\xAFve \xE2\x82\xAC 5");

    // One that cannot be read leaves an empty document, not the page before as if it were the new one.
    auto* unreadable = new UnreadableStream;
    unreadable->AddRef();
    EXPECT_FALSE(view->LoadStream(unreadable));
    EXPECT_EQ(view->DocumentSource(), "");
}

// The control fires into the view's own sink, which hands the event on with its parameters.
TEST_F(ViewTest, DocumentCompleteReachesTheViewAsAnEvent)
{
    const wxEventType complete = wxNewEventType();
    ActiveXEventTypesByDispId()[DISPID_DOCUMENTCOMPLETE] = std::make_unique<wxEventType>(complete);
    wxVariant params;
    view->Bind(wxEventTypeTag<wxActiveXEvent>(complete), [&](wxActiveXEvent& event) { params = event.m_params; });
    ASSERT_TRUE(view->LoadString("<body>done</body>"));
    EXPECT_TRUE(PumpUntil([&] { return !params.IsNull(); }));
    ActiveXEventTypesByDispId().erase(DISPID_DOCUMENTCOMPLETE);
    EXPECT_EQ(params.GetName(), "DocumentComplete");
    ASSERT_EQ(params.GetCount(), 2u);
    EXPECT_EQ(params[1].GetName(), "URL");
    EXPECT_EQ(params[1].GetString(), "about:blank");
}

// Ending the first view's web process ends the second's: they share it.
TEST_F(ViewTest, ViewsShareOneWebProcessAndDrawWithoutAcceleration)
{
    auto* second = new InspectedView(frame, 998, wxPoint(200, 5), wxSize(185, 89), 0, "second");
    ASSERT_TRUE(view->LoadString("<body>one</body>"));
    ASSERT_TRUE(second->LoadString("<body>two</body>"));
    ASSERT_EQ(view->RenderedText(), "one");
    ASSERT_EQ(second->RenderedText(), "two");
    EXPECT_EQ(webkit_settings_get_hardware_acceleration_policy(webkit_web_view_get_settings(second->PageView())),
              WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
    bool secondEnded = false;
    g_signal_connect(second->PageView(), "web-process-terminated",
                     G_CALLBACK(+[](WebKitWebView*, WebKitWebProcessTerminationReason, gpointer ended) {
                         *static_cast<bool*>(ended) = true;
                     }),
                     &secondEnded);
    webkit_web_view_terminate_web_process(view->PageView());
    EXPECT_TRUE(PumpUntil([&] { return secondEnded; }));
    second->Destroy();
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
