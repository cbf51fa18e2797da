#include "platform/webbrowser/web_browser_control.h"

#include "platform/webbrowser/browser_type_info.h"
#include "platform/webbrowser/event_connection_point.h"
#include "platform/win/bstr_text.h"
#include "platform/win/device_context.h"
#include "platform/win/window_handle.h"

#include <wx/dc.h>
#include <wx/string.h>

namespace {

constexpr DWORD OLEMISC_RECOMPOSEONRESIZE = 0x1;
constexpr DWORD OLEMISC_CANTLINKINSIDE = 0x10;
constexpr DWORD OLEMISC_INSIDEOUT = 0x80;
constexpr DWORD OLEMISC_ACTIVATEWHENVISIBLE = 0x100;

}  // namespace

WebBrowserControl::WebBrowserControl()
{
    m_document = ComRef<WebDocument>::Share(new WebDocument(this));
    m_events = ComRef<EventConnectionPoint>::Share(
        new EventConnectionPoint(static_cast<IConnectionPointContainer*>(this), DIID_DWebBrowserEvents2));
}

WebBrowserControl::~WebBrowserControl()
{
    m_view.reset();
    m_document->Detach();
    m_events->Detach();
}

HRESULT WebBrowserControl::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleObject)
        *object = static_cast<IOleObject*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceObject)
        *object = static_cast<IOleInPlaceObject*>(this);
    else if (riid == IID_IOleInPlaceActiveObject)
        *object = static_cast<IOleInPlaceActiveObject*>(this);
    else if (riid == IID_IViewObject)
        *object = static_cast<IViewObject*>(this);
    else if (riid == IID_IDispatch || riid == IID_IWebBrowser2)
        *object = static_cast<IWebBrowser2*>(this);
    else if (riid == IID_IProvideClassInfo)
        *object = static_cast<IProvideClassInfo*>(this);
    else if (riid == IID_IConnectionPointContainer)
        *object = static_cast<IConnectionPointContainer*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG WebBrowserControl::AddRef()
{
    return ULONG(++m_references);
}

ULONG WebBrowserControl::Release()
{
    if (--m_references > 0)
        return ULONG(m_references);
    delete this;
    return 0;
}

// --- Embedding -------------------------------------------------------------

HRESULT WebBrowserControl::SetClientSite(IOleClientSite* site)
{
    if (!site)
        InPlaceDeactivate();
    m_clientSite = ComRef<IOleClientSite>::Share(site);
    return S_OK;
}

HRESULT WebBrowserControl::GetClientSite(IOleClientSite** site)
{
    if (!site)
        return E_POINTER;
    *site = m_clientSite.get();
    if (*site)
        (*site)->AddRef();
    return S_OK;
}

HRESULT WebBrowserControl::SetHostNames(LPCOLESTR containerApp, LPCOLESTR)
{
    return containerApp ? S_OK : E_INVALIDARG;
}

HRESULT WebBrowserControl::Close(DWORD)
{
    InPlaceDeactivate();
    for (auto& sink : m_adviseSinks)
        sink.second->OnClose();
    return S_OK;
}

HRESULT WebBrowserControl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT position)
{
    if (site && !m_clientSite)
        m_clientSite = ComRef<IOleClientSite>::Share(site);
    if (position)
        m_position = *position;
    switch (verb) {
    case OLEIVERB_INPLACEACTIVATE:
        return ActivateInPlace(parent);
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_UIACTIVATE: {
        const HRESULT hr = ActivateInPlace(parent);
        return FAILED(hr) ? hr : ActivateUI();
    }
    case OLEIVERB_HIDE:
        UIDeactivate();
        if (m_view)
            m_view->Show(false);
        return S_OK;
    default:
        return E_NOTIMPL;
    }
}

// The site agrees, gives its window and frame; the page's window is made
// inside the container's window.
HRESULT WebBrowserControl::ActivateInPlace(HWND parent)
{
    if (m_view) {
        m_view->Show(true);
        return S_OK;
    }
    IOleInPlaceSite* inPlaceSite = nullptr;
    if (!m_clientSite ||
        FAILED(m_clientSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlaceSite))))
        return E_UNEXPECTED;
    ComRef<IOleInPlaceSite> site;
    site.reset(inPlaceSite);
    if (site->CanInPlaceActivate() != S_OK)
        return E_FAIL;
    site->OnInPlaceActivate();
    HWND siteWindow = nullptr;
    site->GetWindow(&siteWindow);
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* uiWindow = nullptr;
    RECT clip = m_position;
    OLEINPLACEFRAMEINFO frameInfo = {sizeof(OLEINPLACEFRAMEINFO), FALSE, nullptr, nullptr, 0};
    if (SUCCEEDED(site->GetWindowContext(&frame, &uiWindow, &m_position, &clip, &frameInfo))) {
        m_frame.reset(frame);
        m_uiWindow.reset(uiWindow);
    }
    wxWindow* container = WindowFromHandle(parent ? parent : siteWindow);
    if (!container) {
        site->OnInPlaceDeactivate();
        return E_FAIL;
    }
    m_view = std::make_unique<WebPageView>(container, m_position, static_cast<WebPageView::Listener&>(*this));
    m_inPlaceSite = std::move(site);
    ShowContent();
    return S_OK;
}

HRESULT WebBrowserControl::ActivateUI()
{
    if (m_uiActive)
        return S_OK;
    m_uiActive = true;
    m_inPlaceSite->OnUIActivate();
    if (m_frame)
        m_frame->SetActiveObject(this, u"WebBrowser");
    if (m_uiWindow)
        m_uiWindow->SetActiveObject(this, u"WebBrowser");
    m_view->Show(true);
    if (m_clientSite)
        m_clientSite->ShowObject();
    return S_OK;
}

HRESULT WebBrowserControl::UIDeactivate()
{
    if (!m_uiActive)
        return S_OK;
    m_uiActive = false;
    if (m_frame)
        m_frame->SetActiveObject(nullptr, nullptr);
    if (m_uiWindow)
        m_uiWindow->SetActiveObject(nullptr, nullptr);
    if (m_inPlaceSite)
        m_inPlaceSite->OnUIDeactivate(FALSE);
    return S_OK;
}

HRESULT WebBrowserControl::InPlaceDeactivate()
{
    if (!m_view)
        return S_OK;
    UIDeactivate();
    m_view.reset();
    m_frame.reset();
    m_uiWindow.reset();
    ComRef<IOleInPlaceSite> site = std::move(m_inPlaceSite);
    site->OnInPlaceDeactivate();
    return S_OK;
}

HRESULT WebBrowserControl::GetUserClassID(CLSID* clsid)
{
    if (!clsid)
        return E_POINTER;
    *clsid = CLSID_WebBrowser;
    return S_OK;
}

HRESULT WebBrowserControl::SetExtent(DWORD aspect, SIZEL* size)
{
    if (aspect != DVASPECT_CONTENT || !size)
        return E_INVALIDARG;
    m_extent = *size;
    return S_OK;
}

HRESULT WebBrowserControl::GetExtent(DWORD aspect, SIZEL* size)
{
    if (aspect != DVASPECT_CONTENT || !size)
        return E_INVALIDARG;
    *size = m_extent;
    return S_OK;
}

HRESULT WebBrowserControl::Advise(IAdviseSink* sink, DWORD* connection)
{
    if (!connection)
        return E_POINTER;
    *connection = 0;
    if (!sink)
        return E_INVALIDARG;
    *connection = ++m_lastAdviseCookie;
    m_adviseSinks[*connection] = ComRef<IAdviseSink>::Share(sink);
    return S_OK;
}

HRESULT WebBrowserControl::Unadvise(DWORD connection)
{
    return m_adviseSinks.erase(connection) ? S_OK : OLE_E_NOCONNECTION;
}

HRESULT WebBrowserControl::GetMiscStatus(DWORD, DWORD* status)
{
    if (!status)
        return E_POINTER;
    *status = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT |
              OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE;
    return S_OK;
}

// --- The window ------------------------------------------------------------

HRESULT WebBrowserControl::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = m_view ? m_view->Window() : nullptr;
    return *window ? S_OK : E_FAIL;
}

HRESULT WebBrowserControl::SetObjectRects(LPCRECT position, LPCRECT)
{
    if (!position)
        return E_INVALIDARG;
    m_position = *position;
    if (m_view)
        m_view->SetRect(m_position);
    return S_OK;
}

// The page's window paints itself; without one the control shows an empty page.
HRESULT WebBrowserControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC draw, LPCRECTL bounds,
                                LPCRECTL, BOOL (*)(std::uintptr_t), std::uintptr_t)
{
    if (aspect != DVASPECT_CONTENT || !draw || !bounds)
        return E_INVALIDARG;
    if (m_view && m_view->Window())
        return S_OK;
    draw->dc.SetBrush(*wxWHITE_BRUSH);
    draw->dc.SetPen(*wxTRANSPARENT_PEN);
    draw->dc.DrawRectangle(bounds->left, bounds->top, bounds->right - bounds->left, bounds->bottom - bounds->top);
    draw->dc.SetBrush(wxNullBrush);
    return S_OK;
}

// --- Automation ------------------------------------------------------------

HRESULT WebBrowserControl::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_INVALIDARG;
    *count = 1;
    return S_OK;
}

HRESULT WebBrowserControl::GetTypeInfo(UINT index, LCID, ITypeInfo** info)
{
    if (!info)
        return E_INVALIDARG;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    return WebBrowserClassInfo()->GetRefTypeInfo(0, info);
}

HRESULT WebBrowserControl::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale, DISPID* ids)
{
    ITypeInfo* info = nullptr;
    const HRESULT hr = GetTypeInfo(0, locale, &info);
    if (FAILED(hr))
        return hr;
    const HRESULT found = info->GetIDsOfNames(names, count, ids);
    info->Release();
    return found;
}

// The control shows no bars and keeps no window list or drop target of its
// own: the settings are accepted and change nothing on screen.
HRESULT WebBrowserControl::put_MenuBar(VARIANT_BOOL)
{
    return S_OK;
}

HRESULT WebBrowserControl::put_AddressBar(VARIANT_BOOL)
{
    return S_OK;
}

HRESULT WebBrowserControl::put_StatusBar(VARIANT_BOOL)
{
    return S_OK;
}

HRESULT WebBrowserControl::put_ToolBar(int)
{
    return S_OK;
}

HRESULT WebBrowserControl::put_RegisterAsBrowser(VARIANT_BOOL)
{
    return S_OK;
}

HRESULT WebBrowserControl::put_RegisterAsDropTarget(VARIANT_BOOL)
{
    return S_OK;
}

HRESULT WebBrowserControl::Navigate(BSTR url, VARIANT*, VARIANT*, VARIANT*, VARIANT*)
{
    if (!url)
        return E_INVALIDARG;
    m_url = BstrToString(url);
    m_showsPage = false;
    m_page.clear();
    ShowContent();
    return S_OK;
}

HRESULT WebBrowserControl::get_Document(IDispatch** document)
{
    if (!document)
        return E_POINTER;
    *document = m_document.get();
    (*document)->AddRef();
    return S_OK;
}

// Only printing is carried out; asked not to prompt, the control prints on
// the default printer.
HRESULT WebBrowserControl::ExecWB(OLECMDID command, OLECMDEXECOPT option, VARIANT*, VARIANT*)
{
    if (command != OLECMDID_PRINT)
        return OLECMDERR_E_NOTSUPPORTED;
    if (!m_view)
        return E_UNEXPECTED;
    if (option != OLECMDEXECOPT_DONTPROMPTUSER) {
        m_view->PrintWithDialog();
        return S_OK;
    }
    return m_view->PrintOnDefaultPrinter() ? S_OK : E_FAIL;
}

HRESULT WebBrowserControl::GetClassInfo(ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = WebBrowserClassInfo();
    (*info)->AddRef();
    return S_OK;
}

HRESULT WebBrowserControl::FindConnectionPoint(REFIID riid, IConnectionPoint** point)
{
    if (!point)
        return E_POINTER;
    *point = nullptr;
    if (riid != DIID_DWebBrowserEvents2)
        return CONNECT_E_NOCONNECTION;
    *point = m_events.get();
    (*point)->AddRef();
    return S_OK;
}

// --- Content and events ----------------------------------------------------

void WebBrowserControl::ShowDocument(const std::string& bytes)
{
    m_page = bytes;
    m_showsPage = true;
    ShowContent();
}

void WebBrowserControl::ShowContent()
{
    if (!m_view)
        return;
    if (m_showsPage)
        m_view->ShowPage(m_page);
    else if (!m_url.empty())
        m_view->Navigate(m_url);
}

void WebBrowserControl::OnPageLoaded(const wxString& url)
{
    FireDocumentComplete(url);
    for (auto& sink : m_adviseSinks)
        sink.second->OnViewChange(DVASPECT_CONTENT, -1);
}

bool WebBrowserControl::HostClaimsContextMenu(POINT at)
{
    return m_document->HostClaimsContextMenu(at);
}

void WebBrowserControl::FireDocumentComplete(const wxString& url)
{
    VARIANT location;
    VariantInit(&location);
    location.vt = VT_BSTR;
    location.bstrVal = StringToBstr(url);
    // Arguments go last first: the URL, then the browser whose document it is.
    VARIANT arguments[2];
    VariantInit(&arguments[0]);
    arguments[0].vt = VT_VARIANT | VT_BYREF;
    arguments[0].pvarVal = &location;
    VariantInit(&arguments[1]);
    arguments[1].vt = VT_DISPATCH;
    arguments[1].pdispVal = static_cast<IWebBrowser2*>(this);
    DISPPARAMS parameters = {arguments, nullptr, 2, 0};
    m_events->Fire(DISPID_DOCUMENTCOMPLETE, parameters);
    VariantClear(&location);
}
