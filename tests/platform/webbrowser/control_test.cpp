#include "view_fixture.h"

#include "platform/win/window_handle.h"

#include <wx/webview.h>

TEST_F(ViewTest, ActiveControlShowsThePageInItsOwnWindow)
{
    ASSERT_NE(view->Page(), nullptr);
    EXPECT_EQ(view->m_controlWindow, WindowHandle(view->Page()));
    HWND window = nullptr;
    EXPECT_EQ(view->m_inPlaceObject->GetWindow(&window), S_OK);
    EXPECT_EQ(window, view->m_controlWindow);
    EXPECT_NE(view->m_inPlaceActiveObject.Get(), nullptr) << "the control became the frame's active object";
}

TEST_F(ViewTest, ControlTakesTheExtentItsContainerSets)
{
    SIZEL extent = {0, 0};
    ASSERT_TRUE(PumpUntil([&] {
        view->m_oleObject->GetExtent(DVASPECT_CONTENT, &extent);
        return extent.cx > 0;
    }));
    SIZEL expected = {view->GetClientSize().x, view->GetClientSize().y};
    PixelsToHimetric(expected);
    EXPECT_EQ(extent.cx, expected.cx);
    EXPECT_EQ(extent.cy, expected.cy);
}

TEST_F(ViewTest, DeactivatedControlLosesItsWindowAndGetsItBackWithTheSamePage)
{
    ASSERT_TRUE(view->LoadString("<body>kept page</body>"));
    ASSERT_EQ(view->m_inPlaceObject->InPlaceDeactivate(), S_OK);
    EXPECT_EQ(view->Page(), nullptr);
    HWND window = nullptr;
    EXPECT_EQ(view->m_inPlaceObject->GetWindow(&window), E_FAIL);
    EXPECT_EQ(view->m_inPlaceActiveObject.Get(), nullptr);
    view->Print("", "");

    const RECT area = {0, 0, 150, 80};
    ASSERT_EQ(view->m_oleObject->DoVerb(OLEIVERB_SHOW, nullptr, view->m_clientSite.Get(), 0, WindowHandle(view),
                                        &area),
              S_OK);
    ASSERT_NE(view->Page(), nullptr);
    EXPECT_EQ(view->Page()->GetSize(), view->GetClientSize()) << "the site gives the rectangle";
    EXPECT_NE(view->m_inPlaceActiveObject.Get(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return view->RenderedText() == "kept page"; }));
}

TEST_F(ViewTest, TypeInformationDescribesTheBrowserAndItsEvents)
{
    EXPECT_EQ(view->m_methodsIdx.count("Navigate"), 1u);
    EXPECT_EQ(view->m_methodsIdx.count("ExecWB"), 1u);
    ASSERT_EQ(view->m_propsIdx.count("Document"), 1u);
    EXPECT_EQ(view->m_props[std::size_t(view->m_propsIdx["Document"])].type.vt, VT_DISPATCH);
    ASSERT_EQ(view->m_propsIdx.count("MenuBar"), 1u);
    EXPECT_EQ(view->m_props[std::size_t(view->m_propsIdx["MenuBar"])].arg.vt, VT_BOOL);

    ASSERT_EQ(view->m_events.size(), 1u);
    const FunctionRecord& complete = view->m_events.front();
    EXPECT_EQ(complete.name, "DocumentComplete");
    ASSERT_EQ(complete.params.size(), 2u);
    EXPECT_EQ(complete.params[0].vt, VT_DISPATCH);
    EXPECT_EQ(complete.params[1].name, "URL");
    EXPECT_TRUE(complete.params[1].isPtr);
    EXPECT_EQ(complete.params[1].vt, VT_VARIANT);
}

TEST_F(ViewTest, BrowserCarriesOutPrintingOnly)
{
    EXPECT_EQ(view->m_webBrowser->ExecWB(OLECMDID_SAVEAS, OLECMDEXECOPT_DONTPROMPTUSER, nullptr, nullptr),
              OLECMDERR_E_NOTSUPPORTED);
    IDispatch* document = nullptr;
    ASSERT_EQ(view->m_webBrowser->get_Document(&document), S_OK);
    void* custom = nullptr;
    EXPECT_EQ(document->QueryInterface(IID_ICustomDoc, &custom), S_OK);
    static_cast<ICustomDoc*>(custom)->Release();
    document->Release();
}
