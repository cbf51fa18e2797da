#include "browser/frame_site.h"

#include "browser/active_x.h"
#include "platform/com/running_object.h"
#include "platform/win/window_calls.h"
#include "platform/win/window_handle.h"

FrameSite::FrameSite(wxActiveX* owner)
    : m_owner(owner),
      m_ownerWindow(WindowHandle(owner)),
      m_ambientForeColour(GetSysColor(COLOR_WINDOWTEXT)),
      m_ambientBackColour(GetSysColor(COLOR_WINDOW))
{
}

// IUnknown

HRESULT FrameSite::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_FAIL;
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
        *object = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite || riid == IID_IOleInPlaceSiteEx)
        *object = static_cast<IOleInPlaceSiteEx*>(this);
    else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
        *object = static_cast<IOleInPlaceFrame*>(this);
    else if (riid == IID_IParseDisplayName || riid == IID_IOleContainer || riid == IID_IOleItemContainer)
        *object = static_cast<IOleItemContainer*>(this);
    else if (riid == IID_IDispatch)
        *object = static_cast<IDispatch*>(this);
    else if (riid == IID_IOleCommandTarget)
        *object = static_cast<IOleCommandTarget*>(this);
    else if (riid == IID_IOleDocumentSite)
        *object = static_cast<IOleDocumentSite*>(this);
    else if (riid == IID_IAdviseSink)
        *object = static_cast<IAdviseSink*>(this);
    else if (riid == IID_IOleControlSite)
        *object = static_cast<IOleControlSite*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG FrameSite::AddRef()
{
    return m_refCount.AddRef();
}

ULONG FrameSite::Release()
{
    bool last = false;
    const ULONG left = m_refCount.Release(last);
    if (last)
        delete this;
    return left;
}

// IOleClientSite

HRESULT FrameSite::SaveObject()
{
    return S_OK;
}

HRESULT FrameSite::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker)
        *moniker = nullptr;
    return E_FAIL;
}

HRESULT FrameSite::GetContainer(IOleContainer** container)
{
    if (!container)
        return E_INVALIDARG;
    return QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(container));
}

HRESULT FrameSite::ShowObject()
{
    if (m_owner->m_controlWindow)
        ShowWindow(m_owner->m_controlWindow, SW_SHOW);
    return S_OK;
}

HRESULT FrameSite::OnShowWindow(BOOL)
{
    return S_OK;
}

HRESULT FrameSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

// IOleWindow

HRESULT FrameSite::GetWindow(HWND* window)
{
    if (!window)
        return E_INVALIDARG;
    *window = m_ownerWindow;
    return S_OK;
}

HRESULT FrameSite::ContextSensitiveHelp(BOOL)
{
    return S_OK;
}

// IOleInPlaceSite and IOleInPlaceSiteEx

HRESULT FrameSite::CanInPlaceActivate()
{
    return S_OK;
}

HRESULT FrameSite::OnInPlaceActivate()
{
    m_inPlaceActive = true;
    return S_OK;
}

HRESULT FrameSite::OnUIActivate()
{
    m_uiActive = true;
    return S_OK;
}

HRESULT FrameSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                    LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo)
{
    if (!frame) {
        if (document)
            *document = nullptr;
        return E_INVALIDARG;
    }
    if (!document || !position || !clip || !frameInfo) {
        *frame = nullptr;
        if (document)
            *document = nullptr;
        return E_INVALIDARG;
    }
    if (FAILED(QueryInterface(IID_IOleInPlaceFrame, reinterpret_cast<void**>(frame))))
        return E_UNEXPECTED;
    if (FAILED(QueryInterface(IID_IOleInPlaceUIWindow, reinterpret_cast<void**>(document)))) {
        (*frame)->Release();
        *frame = nullptr;
        return E_UNEXPECTED;
    }
    int width = 0;
    int height = 0;
    m_owner->GetClientSize(&width, &height);
    *position = RECT{0, 0, width, height};
    *clip = *position;
    frameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = m_ownerWindow;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

HRESULT FrameSite::Scroll(SIZE)
{
    return S_OK;
}

HRESULT FrameSite::OnUIDeactivate(BOOL)
{
    m_uiActive = false;
    return S_OK;
}

HRESULT FrameSite::OnInPlaceDeactivate()
{
    m_inPlaceActive = false;
    return S_OK;
}

HRESULT FrameSite::DiscardUndoState()
{
    return S_OK;
}

HRESULT FrameSite::DeactivateAndUndo()
{
    return S_OK;
}

HRESULT FrameSite::OnPosRectChange(LPCRECT position)
{
    if (m_owner->m_inPlaceObject && position)
        m_owner->m_inPlaceObject->SetObjectRects(position, position);
    return S_OK;
}

HRESULT FrameSite::OnInPlaceActivateEx(BOOL* noRedraw, DWORD)
{
    OleLockRunning(m_owner->m_control.Get(), TRUE, FALSE);
    if (noRedraw)
        *noRedraw = FALSE;
    return S_OK;
}

HRESULT FrameSite::OnInPlaceDeactivateEx(BOOL)
{
    OleLockRunning(m_owner->m_control.Get(), FALSE, FALSE);
    return S_OK;
}

HRESULT FrameSite::RequestUIActivate()
{
    return S_OK;
}

// IOleInPlaceUIWindow and IOleInPlaceFrame

HRESULT FrameSite::GetBorder(LPRECT border)
{
    return border ? INPLACE_E_NOTOOLSPACE : E_INVALIDARG;
}

HRESULT FrameSite::RequestBorderSpace(LPCBORDERWIDTHS widths)
{
    return widths ? INPLACE_E_NOTOOLSPACE : E_INVALIDARG;
}

HRESULT FrameSite::SetBorderSpace(LPCBORDERWIDTHS)
{
    return S_OK;
}

HRESULT FrameSite::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR)
{
    if (object)
        object->AddRef();
    m_owner->m_inPlaceActiveObject.Attach(object);
    return S_OK;
}

HRESULT FrameSite::InsertMenus(HMENU, OLEMENUGROUPWIDTHS*)
{
    return S_OK;
}

HRESULT FrameSite::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

HRESULT FrameSite::RemoveMenus(HMENU)
{
    return S_OK;
}

HRESULT FrameSite::SetStatusText(LPCOLESTR)
{
    return S_OK;
}

HRESULT FrameSite::EnableModeless(BOOL)
{
    return S_OK;
}

// The message is never reported as handled, so the window still gets it.
HRESULT FrameSite::TranslateAccelerator(LPMSG message, WORD)
{
    if (m_owner->m_inPlaceActiveObject)
        m_owner->m_inPlaceActiveObject->TranslateAccelerator(message);
    return S_FALSE;
}

// IParseDisplayName, IOleContainer and IOleItemContainer

HRESULT FrameSite::ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**)
{
    return E_NOTIMPL;
}

HRESULT FrameSite::EnumObjects(DWORD, IEnumUnknown**)
{
    return E_NOTIMPL;
}

HRESULT FrameSite::LockContainer(BOOL)
{
    return S_OK;
}

HRESULT FrameSite::GetObject(LPOLESTR item, DWORD, IBindCtx*, REFIID, void** object)
{
    if (!item || !object)
        return E_INVALIDARG;
    *object = nullptr;
    return MK_E_NOOBJECT;
}

HRESULT FrameSite::GetObjectStorage(LPOLESTR item, IBindCtx*, REFIID, void** storage)
{
    if (!item || !storage)
        return E_INVALIDARG;
    *storage = nullptr;
    return MK_E_NOOBJECT;
}

HRESULT FrameSite::IsRunning(LPOLESTR item)
{
    return item ? MK_E_NOOBJECT : E_INVALIDARG;
}

// IDispatch

HRESULT FrameSite::GetTypeInfoCount(UINT*)
{
    return E_NOTIMPL;
}

HRESULT FrameSite::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT FrameSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT FrameSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*)
{
    if (!(flags & DISPATCH_PROPERTYGET))
        return S_OK;
    if (!result)
        return E_INVALIDARG;
    result->vt = VT_BOOL;
    return AmbientProperty(id, result);
}

// True is written as 1, the value the hosted controls have always been given.
HRESULT FrameSite::AmbientProperty(DISPID id, VARIANT* result) const
{
    switch (id) {
    case DISPID_AMBIENT_SILENT:
    case DISPID_AMBIENT_OFFLINEIFNOTCONNECTED:
    case DISPID_AMBIENT_DISPLAYASDEFAULT:
        result->boolVal = 1;
        return S_OK;
    case DISPID_AMBIENT_APPEARANCE:
        result->boolVal = m_appearance;
        return S_OK;
    case DISPID_AMBIENT_SHOWHATCHING:
        result->boolVal = m_showHatching;
        return S_OK;
    case DISPID_AMBIENT_SHOWGRABHANDLES:
        result->boolVal = m_showGrabHandles;
        return S_OK;
    case DISPID_AMBIENT_USERMODE:
        result->boolVal = m_owner->m_ambientUserMode;
        return S_OK;
    case DISPID_AMBIENT_MESSAGEREFLECT:
        result->boolVal = 0;
        return S_OK;
    case DISPID_AMBIENT_LOCALEID:
        result->vt = VT_I4;
        result->lVal = LONG(m_ambientLocale);
        return S_OK;
    case DISPID_AMBIENT_FORECOLOR:
        result->vt = VT_I4;
        result->lVal = LONG(m_ambientForeColour);
        return S_OK;
    case DISPID_AMBIENT_BACKCOLOR:
        result->vt = VT_I4;
        result->lVal = LONG(m_ambientBackColour);
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

// IOleCommandTarget

HRESULT FrameSite::QueryStatus(const GUID*, ULONG count, OLECMD* commands, OLECMDTEXT*)
{
    if (!commands)
        return E_INVALIDARG;
    for (ULONG i = 0; i < count; ++i)
        commands[i].cmdf = 0;
    return S_OK;
}

HRESULT FrameSite::Exec(const GUID*, DWORD, DWORD, VARIANT*, VARIANT*)
{
    return OLECMDERR_E_NOTSUPPORTED;
}

// IOleDocumentSite

HRESULT FrameSite::ActivateMe(IOleDocumentView* view)
{
    IOleInPlaceSite* site = nullptr;
    if (FAILED(QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&site))) || !site)
        return E_FAIL;
    const HRESULT hr = ActivateView(view, site);
    site->Release();
    return hr;
}

HRESULT FrameSite::ActivateView(IOleDocumentView* view, IOleInPlaceSite* site)
{
    if (view) {
        view->AddRef();
        m_owner->m_documentView.Attach(view);
        view->SetInPlaceSite(site);
    } else {
        OleInterfacePtr<IOleDocument> document;
        document.QueryInterface(m_owner->m_oleObject.Get(), IID_IOleDocument);
        if (!document)
            return E_FAIL;
        if (document->CreateView(site, nullptr, 0, m_owner->m_documentView.Out()) != S_OK)
            return E_FAIL;
        m_owner->m_documentView->SetInPlaceSite(site);
    }
    m_owner->m_documentView->UIActivate(TRUE);
    return S_OK;
}

// IAdviseSink

void FrameSite::OnDataChange(FORMATETC*, STGMEDIUM*) {}

void FrameSite::OnViewChange(DWORD, LONG) {}

void FrameSite::OnRename(IMoniker*) {}

void FrameSite::OnSave() {}

void FrameSite::OnClose() {}

// IOleControlSite

HRESULT FrameSite::OnControlInfoChanged()
{
    return S_OK;
}

HRESULT FrameSite::LockInPlaceActive(BOOL lock)
{
    m_inPlaceLocked = lock != 0;
    return S_OK;
}

HRESULT FrameSite::GetExtendedControl(IDispatch**)
{
    return E_NOTIMPL;
}

HRESULT FrameSite::TransformCoords(POINTL* himetric, POINTF* container, DWORD)
{
    return himetric && container ? E_NOTIMPL : E_INVALIDARG;
}

HRESULT FrameSite::TranslateAccelerator(MSG*, DWORD)
{
    return E_NOTIMPL;
}

HRESULT FrameSite::OnFocus(BOOL)
{
    return S_OK;
}

HRESULT FrameSite::ShowPropertyFrame()
{
    return E_NOTIMPL;
}
