#include "recording_control.h"

#include "platform/com/class_registry.h"
#include "platform/win/window_handle.h"
#include "platform/win/window_messages.h"

#include <wx/window.h>

namespace {

std::string RectText(LPCRECT r)
{
    return std::to_string(r->left) + "," + std::to_string(r->top) + "," + std::to_string(r->right) + "," +
           std::to_string(r->bottom);
}

template <class I>
void Hold(I*& slot, I* object)
{
    if (object)
        object->AddRef();
    if (slot)
        slot->Release();
    slot = object;
}

}  // namespace

std::vector<std::string> TakeCalls()
{
    std::vector<std::string> calls;
    calls.swap(RecordingControl::log);
    return calls;
}

EventPoint::~EventPoint()
{
    Hold<IUnknown>(sink, nullptr);
}

HRESULT EventPoint::Advise(IUnknown* newSink, DWORD* cookie)
{
    Hold(sink, newSink);
    *cookie = 42;
    return RecordingControl::Record("Advise sink");
}

HRESULT EventPoint::Unadvise(DWORD cookie)
{
    Hold<IUnknown>(sink, nullptr);
    return RecordingControl::Record("Unadvise sink " + std::to_string(cookie));
}

RecordingControl::RecordingControl(const ControlOptions& options)
    : eventPoint(static_cast<IOleObject*>(this), options.eventInterface), m_options(options)
{
    ++live;
}

RecordingControl::~RecordingControl()
{
    if (window)
        window->Destroy();
    Hold<IOleClientSite>(site, nullptr);
    Hold<IAdviseSink>(m_adviseSink, nullptr);
    --live;
}

HRESULT RecordingControl::Record(const std::string& call)
{
    log.push_back(call);
    return S_OK;
}

HRESULT RecordingControl::QueryInterface(REFIID riid, void** object)
{
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleObject)
        *object = static_cast<IOleObject*>(this);
    else if (m_options.inPlaceObject && (riid == IID_IOleWindow || riid == IID_IOleInPlaceObject))
        *object = static_cast<IOleInPlaceObject*>(this);
    else if (riid == IID_IOleInPlaceActiveObject)
        *object = static_cast<IOleInPlaceActiveObject*>(this);
    else if (m_options.viewObject && riid == IID_IViewObject)
        *object = static_cast<IViewObject*>(this);
    else if (riid == IID_IPersist || riid == IID_IPersistStreamInit)
        *object = static_cast<IPersistStreamInit*>(this);
    else if (m_options.classInfo && riid == IID_IProvideClassInfo)
        *object = static_cast<IProvideClassInfo*>(this);
    else if (riid == IID_IConnectionPointContainer)
        *object = static_cast<IConnectionPointContainer*>(this);
    else if (riid == IID_IRunnableObject)
        *object = static_cast<IRunnableObject*>(this);
    else if (documentView && riid == IID_IOleDocument)
        *object = static_cast<IOleDocument*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG RecordingControl::Release()
{
    const LONG count = --m_refs;
    if (count == 0)
        delete this;
    return ULONG(count);
}

HRESULT RecordingControl::SetClientSite(IOleClientSite* newSite)
{
    Hold(site, newSite);
    return Record(newSite ? "SetClientSite" : "SetClientSite(null)");
}

HRESULT RecordingControl::SetHostNames(LPCOLESTR containerApp, LPCOLESTR containerObject)
{
    const std::u16string app = containerApp ? containerApp : u"";
    return Record("SetHostNames " + std::string(app.begin(), app.end()) + (containerObject ? " object" : ""));
}

HRESULT RecordingControl::DoVerb(LONG verb, LPMSG, IOleClientSite* verbSite, LONG, HWND parent, LPCRECT position)
{
    Record("DoVerb " + std::to_string(verb) + (position ? " " + RectText(position) : ""));
    if (verb == OLEIVERB_INPLACEACTIVATE)
        ActivateInPlace(verbSite, parent, position);
    return S_OK;
}

// As a real control does: it asks the site's leave, makes itself the frame's
// active object and creates its window in the parent it was given.
void RecordingControl::ActivateInPlace(IOleClientSite* verbSite, HWND parent, LPCRECT position)
{
    IOleInPlaceSite* inPlaceSite = nullptr;
    if (!verbSite || FAILED(verbSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlaceSite))))
        return;
    if (inPlaceSite->CanInPlaceActivate() == S_OK) {
        inPlaceSite->OnInPlaceActivate();
        IOleInPlaceFrame* frame = nullptr;
        IOleInPlaceUIWindow* document = nullptr;
        RECT where;
        RECT clip;
        OLEINPLACEFRAMEINFO info;
        if (SUCCEEDED(inPlaceSite->GetWindowContext(&frame, &document, &where, &clip, &info))) {
            frame->SetActiveObject(this, nullptr);
            frame->Release();
            document->Release();
        }
        wxWindow* parentWindow = WindowFromHandle(parent);
        if (m_options.createsWindow && parentWindow && !window) {
            window = new wxWindow(parentWindow, wxID_ANY, wxPoint(position->left, position->top),
                                  wxSize(position->right - position->left, position->bottom - position->top));
            SetWindowMessageHandler(WindowHandle(window), [this](HWND, UINT message, WPARAM w, LPARAM l) {
                messages.push_back(message);
                lastWParam = w;
                lastLParam = l;
                return messageAnswer;
            });
        }
    }
    inPlaceSite->Release();
}

HRESULT RecordingControl::SetExtent(DWORD, SIZEL* size)
{
    m_extent = *size;
    return Record("SetExtent " + std::to_string(size->cx) + "," + std::to_string(size->cy));
}

HRESULT RecordingControl::GetExtent(DWORD, SIZEL* size)
{
    Record("GetExtent");
    if (!m_options.knowsExtent)
        return E_FAIL;
    *size = m_extent;
    return S_OK;
}

HRESULT RecordingControl::Advise(IAdviseSink* sink, DWORD* connection)
{
    Hold(m_adviseSink, sink);
    *connection = 7;
    return Record("Advise");
}

HRESULT RecordingControl::Unadvise(DWORD connection)
{
    Hold<IAdviseSink>(m_adviseSink, nullptr);
    return Record("Unadvise " + std::to_string(connection));
}

HRESULT RecordingControl::GetMiscStatus(DWORD, DWORD* status)
{
    *status = m_options.miscStatus;
    return Record("GetMiscStatus");
}

HRESULT RecordingControl::GetWindow(HWND* handle)
{
    Record("GetWindow");
    if (!window)
        return E_FAIL;
    *handle = WindowHandle(window);
    return S_OK;
}

HRESULT RecordingControl::InPlaceDeactivate()
{
    if (window)
        window->Destroy();
    window = nullptr;
    return Record("InPlaceDeactivate");
}

HRESULT RecordingControl::SetObjectRects(LPCRECT position, LPCRECT clip)
{
    return Record("SetObjectRects " + RectText(position) + " " + RectText(clip));
}

HRESULT RecordingControl::Draw(DWORD aspect, LONG index, void*, DVTARGETDEVICE*, HDC, HDC draw, LPCRECTL bounds,
                               LPCRECTL, BOOL (*)(std::uintptr_t), std::uintptr_t)
{
    return Record("Draw " + std::to_string(aspect) + " " + std::to_string(index) + " " + RectText(bounds) +
                  (draw ? " dc" : ""));
}

HRESULT RecordingControl::GetClassInfo(ITypeInfo** info)
{
    *info = m_options.classInfo;
    (*info)->AddRef();
    return S_OK;
}

HRESULT RecordingControl::FindConnectionPoint(REFIID riid, IConnectionPoint** point)
{
    *point = nullptr;
    if (riid != eventPoint.iid)
        return CONNECT_E_NOCONNECTION;
    *point = &eventPoint;
    eventPoint.AddRef();
    return S_OK;
}

HRESULT RecordingControl::CreateView(IOleInPlaceSite*, IStream*, DWORD, IOleDocumentView** view)
{
    *view = documentView;
    documentView->AddRef();
    return Record("CreateView");
}

const CLSID RecordingControlClass::Id = {0x51C0FFEE, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x01}};

RecordingControlClass::RecordingControlClass()
{
    CoRegisterClassObject(Id, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_cookie);
}

RecordingControlClass::~RecordingControlClass()
{
    CoRevokeClassObject(m_cookie);
}

HRESULT RecordingControlClass::CreateInstance(IUnknown* outer, REFIID riid, void** object)
{
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    last = new RecordingControl(options);
    last->AddRef();
    const HRESULT hr = last->QueryInterface(riid, object);
    last->Release();
    return hr;
}
