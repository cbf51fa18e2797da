#include "view_fixture.h"

#include "browser/my_doc_handler.h"

#include <webkit2/webkit2.h>
#include <wx/display.h>
#include <wx/uiaction.h>

namespace {

// A UI handler that leaves the context menu to the page.
class MenuLeavingHandler final : public MyDocHandler {
public:
    HRESULT ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override
    {
        ++asked;
        return S_FALSE;
    }

    int asked = 0;
};

struct MenuCounts {
    int requested = 0;  // WebKit asked for a menu
    int shown = 0;      // the request got past the host, so the page would show it
};

gboolean CountRequest(GSignalInvocationHint*, guint, const GValue*, gpointer data)
{
    ++static_cast<MenuCounts*>(data)->requested;
    return TRUE;
}

// Connected after the control's own handler: reached only when that one let
// the menu through. It then stops the menu itself, so none stays open.
gboolean CountShown(WebKitWebView*, WebKitContextMenu*, GdkEvent*, WebKitHitTestResult*, gpointer data)
{
    ++static_cast<MenuCounts*>(data)->shown;
    return TRUE;
}

class ContextMenuTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        // Bottom right, where no other test opens a window, and on top.
        const wxRect display = wxGetClientDisplayRect();
        frame->SetSize(display.GetRight() - 320, display.GetBottom() - 260, 300, 240);
        frame->Raise();
        ASSERT_TRUE(view->LoadString("<body style=\"margin:0\"><div style=\"height:400px\">page</div></body>"));
        ASSERT_TRUE(PumpUntil([&] { return view->RenderedText().find("page") != std::string::npos; }));
        native = view->PageView();
        hook = g_signal_add_emission_hook(g_signal_lookup("context-menu", WEBKIT_TYPE_WEB_VIEW), 0, CountRequest,
                                          &counts, nullptr);
        g_signal_connect(native, "context-menu", G_CALLBACK(CountShown), &counts);
    }

    void TearDown() override
    {
        g_signal_handlers_disconnect_by_func(native, reinterpret_cast<gpointer>(CountShown), &counts);
        g_signal_remove_emission_hook(g_signal_lookup("context-menu", WEBKIT_TYPE_WEB_VIEW), hook);
        ViewTest::TearDown();
    }

    void RightClickOnPage()
    {
        wxWindow* page = view->Page();
        wxUIActionSimulator simulator;
        simulator.MouseMove(page->ClientToScreen(wxPoint(40, 30)));
        PumpUntil([] { return false; }, 100);
        simulator.MouseClick(wxMOUSE_BTN_RIGHT);
        const int before = counts.requested;
        PumpUntil([&] { return counts.requested > before; }, 5000);
        PumpUntil([] { return false; }, 200);
    }

    WebKitWebView* native = nullptr;
    gulong hook = 0;
    MenuCounts counts;
};

}  // namespace

// One test, so that no other right-click of these tests lands in its window.
TEST_F(ContextMenuTest, RightClickOpensNoMenuUnlessTheHandlerLeavesItToThePage)
{
    RightClickOnPage();
    EXPECT_EQ(counts.requested, 1);
    EXPECT_EQ(counts.shown, 0);

    auto* handler = new MenuLeavingHandler;
    OleInterfacePtr<IDispatch> document;
    view->m_webBrowser->get_Document(document.Out());
    OleInterfacePtr<ICustomDoc> customDoc;
    customDoc.QueryInterface(document.Get(), IID_ICustomDoc);
    ASSERT_EQ(customDoc->SetUIHandler(handler), S_OK);
    handler->Release();
    RightClickOnPage();
    EXPECT_EQ(handler->asked, 1);
    EXPECT_EQ(counts.requested, 2);
    EXPECT_EQ(counts.shown, 1);
}
