#include "recording_control.h"

#include "platform/com/class_registry.h"
#include "platform/win/window_handle.h"
#include "platform/win/window_messages.h"

#include <wx/window.h>

#include <sstream>

namespace {

int live = 0;

void Note(const std::string& call)
{
    RecordingControl::Log().push_back(call);
}

std::string RectText(LPCRECT r)
{
    std::ostringstream text;
    text << r->left << "," << r->top << "," << r->right << "," << r->bottom;
    return text.str();
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

RecordingControl::RecordingControl(const ControlOptions& options) : m_options(options)
{
    ++live;
    eventPoint = new EventPoint(this, options.eventInterface);
    eventPoint->AddRef();
}

RecordingControl::~RecordingControl()
{
    if (window)
        window->Destroy();
    eventPoint->Release();
    Hold<IOleClientSite>(site, nullptr);
    Hold<IAdviseSink>(m_adviseSink, nullptr);
    --live;
}

std::vector<std::string>& RecordingControl::Log()
{
    static std::vector<std::string> log;
    return log;
}

int RecordingControl::Live()
{
    return live;
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
    else if (m_options.persistence && (riid == IID_IPersist || riid == IID_IPersistStreamInit))
        *object = static_cast<IPersistStreamInit*>(this);
    else if (m_options.classInfo && riid == IID_IProvideClassInfo)
        *object = static_cast<IProvideClassInfo*>(this);
    else if (riid == IID_IConnectionPointContainer)
        *object = static_cast<IConnectionPointContainer*>(this);
    else if (riid == IID_IRunnableObject)
        *object = static_cast<IRunnableObject*>(this);
    else if (m_options.documentView && riid == IID_IOleDocument)
        *object = static_cast<IOleDocument*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG RecordingControl::AddRef()
{
    return ULONG(++m_refs);
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
    Note(newSite ? "SetClientSite" : "SetClientSite(null)");
    Hold(site, newSite);
    return S_OK;
}

HRESULT RecordingControl::SetHostNames(LPCOLESTR containerApp, LPCOLESTR containerObject)
{
    const std::u16string app = containerApp ? containerApp : u"";
    Note("SetHostNames " + std::string(app.begin(), app.end()) + (containerObject ? " object" : ""));
    return S_OK;
}

HRESULT RecordingControl::Close(DWORD saveOption)
{
    Note("Close " + std::to_string(saveOption));
    return S_OK;
}

HRESULT RecordingControl::DoVerb(LONG verb, LPMSG, IOleClientSite* verbSite, LONG, HWND parent, LPCRECT position)
{
    Note("DoVerb " + std::to_string(verb) + (position ? " " + RectText(position) : ""));
    if (verb == OLEIVERB_INPLACEACTIVATE)
        ActivateInPlace(verbSite, parent, position);
    return S_OK;
}

// As a real control does: it asks the site's leave, creates its window in
// the parent it was given and makes itself the frame's active object.
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
                messageWParams.push_back(w);
                messageLParams.push_back(l);
                return m_options.messageAnswer;
            });
        }
    }
    inPlaceSite->Release();
}

HRESULT RecordingControl::SetExtent(DWORD, SIZEL* size)
{
    Note("SetExtent " + std::to_string(size->cx) + "," + std::to_string(size->cy));
    m_extent = *size;
    return S_OK;
}

HRESULT RecordingControl::GetExtent(DWORD, SIZEL* size)
{
    Note("GetExtent");
    if (!m_options.knowsExtent)
        return E_FAIL;
    *size = m_extent;
    return S_OK;
}

HRESULT RecordingControl::Advise(IAdviseSink* sink, DWORD* connection)
{
    Note("Advise");
    Hold(m_adviseSink, sink);
    *connection = 7;
    return S_OK;
}

HRESULT RecordingControl::Unadvise(DWORD connection)
{
    Note("Unadvise " + std::to_string(connection));
    Hold<IAdviseSink>(m_adviseSink, nullptr);
    return S_OK;
}

HRESULT RecordingControl::GetMiscStatus(DWORD, DWORD* status)
{
    Note("GetMiscStatus");
    *status = m_options.miscStatus;
    return S_OK;
}

HRESULT RecordingControl::GetWindow(HWND* handle)
{
    Note("GetWindow");
    if (!window)
        return E_FAIL;
    *handle = WindowHandle(window);
    return S_OK;
}

HRESULT RecordingControl::InPlaceDeactivate()
{
    Note("InPlaceDeactivate");
    if (window) {
        window->Destroy();
        window = nullptr;
    }
    return S_OK;
}

HRESULT RecordingControl::UIDeactivate()
{
    Note("UIDeactivate");
    return S_OK;
}

HRESULT RecordingControl::SetObjectRects(LPCRECT position, LPCRECT clip)
{
    Note("SetObjectRects " + RectText(position) + " " + RectText(clip));
    return S_OK;
}

HRESULT RecordingControl::TranslateAccelerator(LPMSG)
{
    Note("TranslateAccelerator");
    return S_OK;
}

HRESULT RecordingControl::OnFrameWindowActivate(BOOL activate)
{
    Note("OnFrameWindowActivate " + std::to_string(activate));
    return S_OK;
}

HRESULT RecordingControl::Draw(DWORD aspect, LONG index, void*, DVTARGETDEVICE*, HDC, HDC draw, LPCRECTL bounds,
                               LPCRECTL, BOOL (*)(std::uintptr_t), std::uintptr_t)
{
    Note("Draw " + std::to_string(aspect) + " " + std::to_string(index) + " " + RectText(bounds) +
         (draw ? " dc" : ""));
    return S_OK;
}

HRESULT RecordingControl::InitNew()
{
    Note("InitNew");
    return S_OK;
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
    if (riid != eventPoint->iid)
        return CONNECT_E_NOCONNECTION;
    *point = eventPoint;
    eventPoint->AddRef();
    return S_OK;
}

HRESULT RecordingControl::CreateView(IOleInPlaceSite*, IStream*, DWORD, IOleDocumentView** view)
{
    Note("CreateView");
    *view = m_options.documentView;
    (*view)->AddRef();
    return S_OK;
}

HRESULT RecordingControl::Run(IBindCtx*)
{
    Note("Run");
    return S_OK;
}

HRESULT RecordingControl::LockRunning(BOOL lock, BOOL lastUnlockCloses)
{
    Note("LockRunning " + std::to_string(lock) + " " + std::to_string(lastUnlockCloses));
    return S_OK;
}

HRESULT RecordingControl::SetContainedObject(BOOL contained)
{
    Note("SetContainedObject " + std::to_string(contained));
    return S_OK;
}

EventPoint::EventPoint(IConnectionPointContainer*, const IID& eventInterface) : iid(eventInterface) {}

HRESULT EventPoint::QueryInterface(REFIID riid, void** object)
{
    *object = nullptr;
    if (riid != IID_IUnknown && riid != IID_IConnectionPoint)
        return E_NOINTERFACE;
    *object = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

ULONG EventPoint::AddRef()
{
    return ULONG(++m_refs);
}

ULONG EventPoint::Release()
{
    const LONG count = --m_refs;
    if (count == 0) {
        Hold<IUnknown>(sink, nullptr);
        delete this;
    }
    return ULONG(count);
}

HRESULT EventPoint::GetConnectionInterface(IID* out)
{
    *out = iid;
    return S_OK;
}

HRESULT EventPoint::Advise(IUnknown* newSink, DWORD* cookie)
{
    Note("Advise sink");
    if (sink)
        return CONNECT_E_CANNOTCONNECT;
    Hold(sink, newSink);
    *cookie = 42;
    return S_OK;
}

HRESULT EventPoint::Unadvise(DWORD cookie)
{
    Note("Unadvise sink " + std::to_string(cookie));
    if (cookie != 42 || !sink)
        return CONNECT_E_NOCONNECTION;
    Hold<IUnknown>(sink, nullptr);
    return S_OK;
}

const CLSID RecordingControlClass::Id = {0x51C0FFEE, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x01}};

class RecordingControlClass::Factory final : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        *object = nullptr;
        if (riid != IID_IUnknown && riid != IID_IClassFactory)
            return E_NOINTERFACE;
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ULONG(++refs); }
    ULONG Release() override
    {
        const LONG count = --refs;
        if (count == 0)
            delete this;
        return ULONG(count);
    }
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* control = new RecordingControl(options);
        control->AddRef();
        const HRESULT hr = control->QueryInterface(riid, object);
        control->Release();
        last = control;
        return hr;
    }
    HRESULT LockServer(BOOL) override { return S_OK; }

    ControlOptions options;
    RecordingControl* last = nullptr;
    std::atomic<LONG> refs{1};
};

RecordingControlClass::RecordingControlClass(const ControlOptions& options) : m_factory(new Factory)
{
    m_factory->options = options;
    CoRegisterClassObject(Id, m_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_cookie);
}

RecordingControlClass::~RecordingControlClass()
{
    CoRevokeClassObject(m_cookie);
    m_factory->Release();
}

ControlOptions& RecordingControlClass::Options()
{
    return m_factory->options;
}

RecordingControl* RecordingControlClass::Last() const
{
    return m_factory->last;
}
