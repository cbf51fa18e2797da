#include "browser/frame_site.h"

#include "host_fixture.h"
#include "platform/win/window_calls.h"
#include "platform/win/window_handle.h"

#include <tuple>

namespace {

// A document view that records how the site activates it.
class TestView : public IOleDocumentView {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        return QueryOne(this, IID_IOleDocumentView, riid, object);
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT SetInPlaceSite(IOleInPlaceSite* site) override
    {
        calls.push_back(site ? "SetInPlaceSite" : "SetInPlaceSite(null)");
        return S_OK;
    }
    HRESULT GetInPlaceSite(IOleInPlaceSite**) override { return E_NOTIMPL; }
    HRESULT GetDocument(IUnknown**) override { return E_NOTIMPL; }
    HRESULT SetRect(LPRECT) override { return E_NOTIMPL; }
    HRESULT GetRect(LPRECT) override { return E_NOTIMPL; }
    HRESULT SetRectComplex(LPRECT, LPRECT, LPRECT, LPRECT) override { return E_NOTIMPL; }
    HRESULT Show(BOOL) override { return E_NOTIMPL; }
    HRESULT UIActivate(BOOL activate) override
    {
        calls.push_back("UIActivate " + std::to_string(activate));
        return S_OK;
    }
    HRESULT Open() override { return E_NOTIMPL; }
    HRESULT CloseView(DWORD) override { return E_NOTIMPL; }
    HRESULT SaveViewState(IStream*) override { return E_NOTIMPL; }
    HRESULT ApplyViewState(IStream*) override { return E_NOTIMPL; }
    HRESULT Clone(IOleInPlaceSite*, IOleDocumentView**) override { return E_NOTIMPL; }

    ULONG refs = 1;
    Calls calls;
};

template <class I>
I* Face(IUnknown* site, REFIID riid)
{
    void* face = nullptr;
    EXPECT_EQ(site->QueryInterface(riid, &face), S_OK);
    static_cast<IUnknown*>(face)->Release();
    return static_cast<I*>(face);
}

class SiteTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        host = Host();
        site = controlClass.last->site;
        TakeCalls();
    }

    InspectedActiveX* host = nullptr;
    IOleClientSite* site = nullptr;
};

}  // namespace

TEST_F(SiteTest, EveryFaceAnswersForItsInterfaces)
{
    const auto window = Face<IOleInPlaceSiteEx>(site, IID_IOleInPlaceSiteEx);
    EXPECT_EQ(Face<IUnknown>(site, IID_IOleWindow), static_cast<IUnknown*>(window));
    EXPECT_EQ(Face<IOleInPlaceSite>(site, IID_IOleInPlaceSite), window);
    const auto container = Face<IOleItemContainer>(site, IID_IOleItemContainer);
    EXPECT_EQ(Face<IUnknown>(site, IID_IParseDisplayName), static_cast<IUnknown*>(container));
    EXPECT_EQ(Face<IUnknown>(site, IID_IOleContainer), static_cast<IUnknown*>(container));
    EXPECT_EQ(Face<IUnknown>(site, IID_IOleInPlaceUIWindow), Face<IUnknown>(site, IID_IOleInPlaceFrame));
    EXPECT_EQ(Face<IUnknown>(site, IID_IUnknown), static_cast<IUnknown*>(site));
    IOleContainer* viaSite = nullptr;
    ASSERT_EQ(site->GetContainer(&viaSite), S_OK);
    EXPECT_EQ(static_cast<IUnknown*>(viaSite), static_cast<IUnknown*>(container));
    viaSite->Release();
    for (const IID* iid : {&IID_IDispatch, &IID_IOleCommandTarget, &IID_IOleDocumentSite, &IID_IAdviseSink,
                           &IID_IOleControlSite})
        Face<IUnknown>(site, *iid);
    // All faces share one count.
    const ULONG raised = Face<IOleControlSite>(site, IID_IOleControlSite)->AddRef();
    EXPECT_EQ(Face<IUnknown>(site, IID_IAdviseSink)->Release(), raised - 1);
}

TEST_F(SiteTest, RefusalsAndAReleaseTooManyLeaveTheCountSound)
{
    const ULONG before = site->AddRef() - 1;
    site->Release();
    EXPECT_EQ(site->QueryInterface(IID_IOleClientSite, nullptr), E_FAIL);
    void* face = reinterpret_cast<void*>(1);
    EXPECT_EQ(site->QueryInterface(IID_IStream, &face), E_NOINTERFACE);
    EXPECT_EQ(face, nullptr);
    EXPECT_EQ(site->AddRef() - 1, before);
    site->Release();

    IOleClientSite* fresh = new FrameSite(host);
    EXPECT_EQ(fresh->Release(), 0u);
    EXPECT_EQ(fresh->AddRef(), 1u);  // still alive
    EXPECT_EQ(fresh->Release(), 0u);  // and now gone
}

TEST_F(SiteTest, AmbientPropertiesAnswerPropertyGetsOnly)
{
    auto* dispatch = Face<IDispatch>(site, IID_IDispatch);
    const auto invoke = [dispatch](DISPID id, VARIANT* result, WORD flags = DISPATCH_PROPERTYGET) {
        return dispatch->Invoke(id, GUID_NULL, 0, flags, nullptr, result, nullptr, nullptr);
    };
    VARIANT result;
    VariantInit(&result);
    result.vt = VT_I2;
    EXPECT_EQ(invoke(DISPID_AMBIENT_SILENT, &result, DISPATCH_METHOD), S_OK);
    EXPECT_EQ(result.vt, VT_I2);
    EXPECT_EQ(invoke(-12345, &result), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(result.vt, VT_BOOL);
    EXPECT_EQ(invoke(DISPID_AMBIENT_SILENT, nullptr), E_INVALIDARG);

    host->m_ambientUserMode = false;  // read at the time of the call
    const std::tuple<DISPID, VARTYPE, LONG> table[] = {
        {DISPID_AMBIENT_SILENT, VT_BOOL, 1},
        {DISPID_AMBIENT_OFFLINEIFNOTCONNECTED, VT_BOOL, 1},
        {DISPID_AMBIENT_DISPLAYASDEFAULT, VT_BOOL, 1},
        {DISPID_AMBIENT_APPEARANCE, VT_BOOL, 1},
        {DISPID_AMBIENT_SHOWHATCHING, VT_BOOL, 1},
        {DISPID_AMBIENT_SHOWGRABHANDLES, VT_BOOL, 1},
        {DISPID_AMBIENT_USERMODE, VT_BOOL, 0},
        {DISPID_AMBIENT_MESSAGEREFLECT, VT_BOOL, 0},
        {DISPID_AMBIENT_LOCALEID, VT_I4, 0},
        {DISPID_AMBIENT_FORECOLOR, VT_I4, LONG(GetSysColor(COLOR_WINDOWTEXT))},
        {DISPID_AMBIENT_BACKCOLOR, VT_I4, LONG(GetSysColor(COLOR_WINDOW))},
    };
    for (const auto& [id, vt, value] : table) {
        VariantInit(&result);
        EXPECT_EQ(invoke(id, &result), S_OK);
        EXPECT_EQ(result.vt, vt) << id;
        EXPECT_EQ(vt == VT_BOOL ? LONG(result.boolVal) : result.lVal, value) << id;
    }
}

TEST_F(SiteTest, WindowContextIsTheSiteItselfOverTheClientArea)
{
    auto* inPlace = Face<IOleInPlaceSite>(site, IID_IOleInPlaceSite);
    IOleInPlaceFrame* frameOut = reinterpret_cast<IOleInPlaceFrame*>(1);
    IOleInPlaceUIWindow* documentOut = reinterpret_cast<IOleInPlaceUIWindow*>(1);
    RECT position{};
    RECT clip{};
    OLEINPLACEFRAMEINFO info{};
    EXPECT_EQ(inPlace->GetWindowContext(&frameOut, &documentOut, &position, nullptr, &info), E_INVALIDARG);
    EXPECT_EQ(frameOut, nullptr);
    EXPECT_EQ(documentOut, nullptr);
    documentOut = reinterpret_cast<IOleInPlaceUIWindow*>(1);
    EXPECT_EQ(inPlace->GetWindowContext(nullptr, &documentOut, &position, &clip, &info), E_INVALIDARG);
    EXPECT_EQ(documentOut, nullptr);

    ASSERT_EQ(inPlace->GetWindowContext(&frameOut, &documentOut, &position, &clip, &info), S_OK);
    EXPECT_EQ(static_cast<IUnknown*>(frameOut), Face<IUnknown>(site, IID_IOleInPlaceFrame));
    EXPECT_EQ(static_cast<IUnknown*>(documentOut), Face<IUnknown>(site, IID_IOleInPlaceUIWindow));
    const wxSize client = host->GetClientSize();
    for (const RECT& area : {position, clip})
        EXPECT_TRUE(area.left == 0 && area.top == 0 && area.right == client.x && area.bottom == client.y);
    EXPECT_EQ(info.cb, sizeof(OLEINPLACEFRAMEINFO));
    EXPECT_EQ(info.cAccelEntries, 0u);  // there is no accelerator table
    EXPECT_EQ(info.hwndFrame, WindowHandle(host));
    frameOut->Release();
    documentOut->Release();

    HWND window = nullptr;
    EXPECT_EQ(inPlace->GetWindow(nullptr), E_INVALIDARG);
    EXPECT_EQ(inPlace->GetWindow(&window), S_OK);
    EXPECT_EQ(window, WindowHandle(host));
}

TEST_F(SiteTest, PositionChangesReachTheInPlaceObject)
{
    auto* inPlace = Face<IOleInPlaceSite>(site, IID_IOleInPlaceSite);
    EXPECT_EQ(inPlace->OnPosRectChange(nullptr), S_OK);
    EXPECT_TRUE(TakeCalls().empty());
    const RECT moved = {1, 2, 3, 4};
    EXPECT_EQ(inPlace->OnPosRectChange(&moved), S_OK);
    EXPECT_EQ(TakeCalls(), Calls{"SetObjectRects 1,2,3,4 1,2,3,4"});
}

TEST_F(SiteTest, TheFrameNeverClaimsAnAccelerator)
{
    auto* frameFace = Face<IOleInPlaceFrame>(site, IID_IOleInPlaceFrame);
    MSG message{};
    EXPECT_EQ(frameFace->TranslateAccelerator(&message, 0), S_FALSE);
    EXPECT_EQ(TakeCalls(), Calls{"TranslateAccelerator"});
    EXPECT_EQ(frameFace->SetActiveObject(nullptr, nullptr), S_OK);
    EXPECT_FALSE(host->m_inPlaceActiveObject);
    EXPECT_EQ(frameFace->TranslateAccelerator(&message, 0), S_FALSE);
    EXPECT_TRUE(TakeCalls().empty());

    RECT border{};
    EXPECT_EQ(frameFace->GetBorder(&border), INPLACE_E_NOTOOLSPACE);
    EXPECT_EQ(frameFace->GetBorder(nullptr), E_INVALIDARG);
    EXPECT_EQ(frameFace->RequestBorderSpace(&border), INPLACE_E_NOTOOLSPACE);
    EXPECT_EQ(frameFace->RequestBorderSpace(nullptr), E_INVALIDARG);
}

TEST_F(SiteTest, RunningLocksFollowInPlaceActivation)
{
    auto* siteEx = Face<IOleInPlaceSiteEx>(site, IID_IOleInPlaceSiteEx);
    BOOL noRedraw = TRUE;
    EXPECT_EQ(siteEx->OnInPlaceActivateEx(&noRedraw, 0), S_OK);
    EXPECT_EQ(noRedraw, FALSE);
    EXPECT_EQ(siteEx->OnInPlaceDeactivateEx(TRUE), S_OK);
    EXPECT_EQ(TakeCalls(), (Calls{"LockRunning 1 0", "LockRunning 0 0"}));
}

TEST_F(SiteTest, ItemsCommandsAndCoordinatesAreRefusedSafely)
{
    auto* container = Face<IOleItemContainer>(site, IID_IOleItemContainer);
    OLECHAR item[] = u"item";
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(container->GetObject(item, 0, nullptr, IID_IUnknown, &object), MK_E_NOOBJECT);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(container->GetObject(nullptr, 0, nullptr, IID_IUnknown, &object), E_INVALIDARG);
    EXPECT_EQ(container->GetObjectStorage(item, nullptr, IID_IUnknown, nullptr), E_INVALIDARG);
    EXPECT_EQ(container->IsRunning(item), MK_E_NOOBJECT);
    EXPECT_EQ(container->IsRunning(nullptr), E_INVALIDARG);
    EXPECT_EQ(site->GetContainer(nullptr), E_INVALIDARG);
    IMoniker* moniker = reinterpret_cast<IMoniker*>(1);
    EXPECT_EQ(site->GetMoniker(0, 0, &moniker), E_FAIL);
    EXPECT_EQ(moniker, nullptr);

    auto* target = Face<IOleCommandTarget>(site, IID_IOleCommandTarget);
    OLECMD commands[2] = {{1, 7}, {2, 9}};
    EXPECT_EQ(target->QueryStatus(nullptr, 2, commands, nullptr), S_OK);
    EXPECT_EQ(commands[0].cmdf + commands[1].cmdf, 0u);  // neither supported
    EXPECT_EQ(target->QueryStatus(nullptr, 0, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(target->Exec(nullptr, 1, 0, nullptr, nullptr), OLECMDERR_E_NOTSUPPORTED);
    auto* controlSite = Face<IOleControlSite>(site, IID_IOleControlSite);
    POINTL himetric{};
    POINTF point{};
    EXPECT_EQ(controlSite->TransformCoords(&himetric, nullptr, 0), E_INVALIDARG);
    EXPECT_EQ(controlSite->TransformCoords(&himetric, &point, 0), E_NOTIMPL);
}

TEST_F(SiteTest, ShowObjectShowsTheControlWindow)
{
    ShowWindow(host->m_controlWindow, SW_HIDE);
    EXPECT_EQ(site->ShowObject(), S_OK);
    EXPECT_TRUE(WindowFromHandle(host->m_controlWindow)->IsShown());
}

TEST_F(SiteTest, ActivateMeKeepsAGivenViewOrOneTheDocumentMakesAndActivatesIt)
{
    auto* documentSite = Face<IOleDocumentSite>(site, IID_IOleDocumentSite);
    EXPECT_EQ(documentSite->ActivateMe(nullptr), E_FAIL);  // no view, and no document to make one
    TestView view;
    EXPECT_EQ(documentSite->ActivateMe(&view), S_OK);
    EXPECT_EQ(view.calls, (Calls{"SetInPlaceSite", "UIActivate 1"}));
    EXPECT_EQ(view.refs, 2u);

    TestView made;
    controlClass.last->documentView = &made;
    EXPECT_EQ(documentSite->ActivateMe(nullptr), S_OK);
    EXPECT_EQ(TakeCalls(), Calls{"CreateView"});
    EXPECT_EQ(made.calls, (Calls{"SetInPlaceSite", "UIActivate 1"}));
    EXPECT_EQ(view.refs, 1u);  // the view it replaces is let go
    delete host;
    EXPECT_EQ(made.refs, 1u);
}
