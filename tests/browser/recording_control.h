#pragma once
// A control for the container tests: it writes each call it receives into a
// log, creates a window of its own when activated in place, keeps the
// references a real control keeps, and can leave out the optional interfaces.

#include "platform/com/class_registry.h"
#include "platform/com/ole_control.h"
#include "platform/win/window_handle.h"
#include "platform/win/window_messages.h"
#include "test_com_object.h"

#include <wx/window.h>

#include <string>
#include <vector>

inline std::string RectText(LPCRECT r)
{
    return std::to_string(r->left) + "," + std::to_string(r->top) + "," + std::to_string(r->right) + "," +
           std::to_string(r->bottom);
}

struct ControlOptions {
    DWORD miscStatus = 0;
    bool inPlaceObject = true;
    bool viewObject = true;
    bool createsWindow = true;
    ITypeInfo* classInfo = nullptr;  // no IProvideClassInfo without one; not owned
    IID eventInterface = GUID_NULL;  // of its one connection point
};

using Calls = std::vector<std::string>;

// Every call the controls received, in order.
inline Calls recordedCalls;

// Logs a call; what the call answers.
inline HRESULT Record(const std::string& call)
{
    recordedCalls.push_back(call);
    return S_OK;
}

// The calls since the last look, which are then forgotten.
inline Calls TakeCalls()
{
    Calls calls;
    calls.swap(recordedCalls);
    return calls;
}

// The control's one connection point, counted with the control; it holds the
// sink until Unadvise.
class EventPoint final : public IConnectionPoint {
public:
    EventPoint(IUnknown* owner, const IID& eventInterface) : iid(eventInterface), m_owner(owner) {}
    ~EventPoint() { Hold<IUnknown>(sink, nullptr); }

    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        return QueryOne(this, IID_IConnectionPoint, riid, object);
    }
    ULONG AddRef() override { return m_owner->AddRef(); }
    ULONG Release() override { return m_owner->Release(); }
    HRESULT GetConnectionInterface(IID*) override { return E_NOTIMPL; }
    HRESULT GetConnectionPointContainer(IConnectionPointContainer**) override { return E_NOTIMPL; }
    HRESULT Advise(IUnknown* newSink, DWORD* cookie) override
    {
        Hold(sink, newSink);
        *cookie = 42;
        return Record("Advise sink");
    }
    HRESULT Unadvise(DWORD cookie) override
    {
        Hold<IUnknown>(sink, nullptr);
        return Record("Unadvise sink " + std::to_string(cookie));
    }
    HRESULT EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

    const IID iid;
    IUnknown* sink = nullptr;

private:
    IUnknown* m_owner;
};

class RecordingControl final : public IOleObject,
                               public IOleInPlaceObject,
                               public IOleInPlaceActiveObject,
                               public IViewObject,
                               public IPersistStreamInit,
                               public IProvideClassInfo,
                               public IConnectionPointContainer,
                               public IRunnableObject,
                               public IOleDocument {
public:
    static inline int live = 0;

    explicit RecordingControl(const ControlOptions& options)
        : eventPoint(static_cast<IOleObject*>(this), options.eventInterface), m_options(options)
    {
        ++live;
    }

    HRESULT QueryInterface(REFIID riid, void** object) override
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
    ULONG AddRef() override { return m_refs.AddRef(); }
    ULONG Release() override { return m_refs.Release(this); }

    // IOleObject
    HRESULT SetClientSite(IOleClientSite* newSite) override
    {
        Hold(site, newSite);
        return Record(newSite ? "SetClientSite" : "SetClientSite(null)");
    }
    HRESULT GetClientSite(IOleClientSite**) override { return E_NOTIMPL; }
    HRESULT SetHostNames(LPCOLESTR containerApp, LPCOLESTR containerObject) override
    {
        const std::u16string app = containerApp ? containerApp : u"";
        return Record("SetHostNames " + std::string(app.begin(), app.end()) + (containerObject ? " object" : ""));
    }
    HRESULT Close(DWORD saveOption) override { return Record("Close " + std::to_string(saveOption)); }
    HRESULT SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    HRESULT DoVerb(LONG verb, LPMSG, IOleClientSite* verbSite, LONG, HWND parent, LPCRECT position) override
    {
        Record("DoVerb " + std::to_string(verb) + (position ? " " + RectText(position) : ""));
        if (verb == OLEIVERB_INPLACEACTIVATE)
            ActivateInPlace(verbSite, parent, position);
        return S_OK;
    }
    HRESULT EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    HRESULT Update() override { return E_NOTIMPL; }
    HRESULT IsUpToDate() override { return E_NOTIMPL; }
    HRESULT GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    HRESULT SetExtent(DWORD, SIZEL* size) override
    {
        m_extent = *size;
        return Record("SetExtent " + std::to_string(size->cx) + "," + std::to_string(size->cy));
    }
    HRESULT GetExtent(DWORD, SIZEL* size) override
    {
        Record("GetExtent");
        if (!knowsExtent)
            return E_FAIL;
        *size = m_extent;
        return S_OK;
    }
    HRESULT Advise(IAdviseSink* sink, DWORD* connection) override
    {
        Hold(m_adviseSink, sink);
        *connection = 7;
        return Record("Advise");
    }
    HRESULT Unadvise(DWORD connection) override
    {
        Hold<IAdviseSink>(m_adviseSink, nullptr);
        return Record("Unadvise " + std::to_string(connection));
    }
    HRESULT EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    HRESULT GetMiscStatus(DWORD, DWORD* status) override
    {
        *status = m_options.miscStatus;
        return Record("GetMiscStatus");
    }
    HRESULT SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
    HRESULT GetWindow(HWND* handle) override
    {
        Record("GetWindow");
        if (!window)
            return E_FAIL;
        *handle = WindowHandle(window);
        return S_OK;
    }
    HRESULT ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT InPlaceDeactivate() override
    {
        if (window)
            window->Destroy();
        window = nullptr;
        return Record("InPlaceDeactivate");
    }
    HRESULT UIDeactivate() override { return Record("UIDeactivate"); }
    HRESULT SetObjectRects(LPCRECT position, LPCRECT clip) override
    {
        return Record("SetObjectRects " + RectText(position) + " " + RectText(clip));
    }
    HRESULT ReactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT TranslateAccelerator(LPMSG) override { return Record("TranslateAccelerator"); }
    HRESULT OnFrameWindowActivate(BOOL activate) override
    {
        return Record("OnFrameWindowActivate " + std::to_string(activate));
    }
    HRESULT OnDocWindowActivate(BOOL) override { return E_NOTIMPL; }
    HRESULT ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return E_NOTIMPL; }
    HRESULT EnableModeless(BOOL) override { return E_NOTIMPL; }

    // IViewObject
    HRESULT Draw(DWORD aspect, LONG index, void*, DVTARGETDEVICE*, HDC, HDC draw, LPCRECTL bounds, LPCRECTL,
                 BOOL (*)(std::uintptr_t), std::uintptr_t) override
    {
        return Record("Draw " + std::to_string(aspect) + " " + std::to_string(index) + " " + RectText(bounds) +
                      (draw ? " dc" : ""));
    }
    HRESULT GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override { return E_NOTIMPL; }
    HRESULT Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    HRESULT Unfreeze(DWORD) override { return E_NOTIMPL; }
    HRESULT SetAdvise(DWORD, DWORD, IAdviseSink*) override { return E_NOTIMPL; }
    HRESULT GetAdvise(DWORD*, DWORD*, IAdviseSink**) override { return E_NOTIMPL; }

    // IPersistStreamInit
    HRESULT GetClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT IsDirty() override { return E_NOTIMPL; }
    HRESULT Load(IStream*) override { return E_NOTIMPL; }
    HRESULT Save(IStream*, BOOL) override { return E_NOTIMPL; }
    HRESULT GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
    HRESULT InitNew() override { return Record("InitNew"); }

    // IProvideClassInfo
    HRESULT GetClassInfo(ITypeInfo** info) override
    {
        *info = m_options.classInfo;
        (*info)->AddRef();
        return S_OK;
    }

    // IConnectionPointContainer
    HRESULT EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** point) override
    {
        *point = riid == eventPoint.iid ? &eventPoint : nullptr;
        if (!*point)
            return CONNECT_E_NOCONNECTION;
        eventPoint.AddRef();
        return S_OK;
    }

    // IRunnableObject
    HRESULT GetRunningClass(CLSID*) override { return E_NOTIMPL; }
    HRESULT Run(IBindCtx*) override { return Record("Run"); }
    BOOL IsRunning() override { return TRUE; }
    HRESULT LockRunning(BOOL lock, BOOL lastUnlockCloses) override
    {
        return Record("LockRunning " + std::to_string(lock) + " " + std::to_string(lastUnlockCloses));
    }
    HRESULT SetContainedObject(BOOL contained) override
    {
        return Record("SetContainedObject " + std::to_string(contained));
    }

    // IOleDocument
    HRESULT CreateView(IOleInPlaceSite*, IStream*, DWORD, IOleDocumentView** view) override
    {
        *view = documentView;
        documentView->AddRef();
        return Record("CreateView");
    }
    HRESULT GetDocMiscStatus(DWORD*) override { return E_NOTIMPL; }
    HRESULT EnumViews(IEnumOleDocumentViews**, IOleDocumentView**) override { return E_NOTIMPL; }

    // What the tests look at and set.
    IOleClientSite* site = nullptr;
    wxWindow* window = nullptr;
    EventPoint eventPoint;
    std::vector<UINT> messages;  // those sent or posted to its window
    WPARAM lastWParam = 0;
    LPARAM lastLParam = 0;
    LRESULT messageAnswer = 1;
    bool knowsExtent = true;
    IOleDocumentView* documentView = nullptr;  // no IOleDocument without one; not owned

private:
    friend class TestRefCount;
    ~RecordingControl()
    {
        if (window)
            window->Destroy();
        Hold<IOleClientSite>(site, nullptr);
        Hold<IAdviseSink>(m_adviseSink, nullptr);
        --live;
    }

    // As a real control does: it makes itself the frame's active object
    // through the site and creates its window in the parent it was given.
    void ActivateInPlace(IOleClientSite* verbSite, HWND parent, LPCRECT position)
    {
        IOleInPlaceSite* inPlaceSite = nullptr;
        verbSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlaceSite));
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
        inPlaceSite->Release();
        if (!m_options.createsWindow || window)
            return;
        window = new wxWindow(WindowFromHandle(parent), wxID_ANY, wxPoint(position->left, position->top),
                              wxSize(position->right - position->left, position->bottom - position->top));
        SetWindowMessageHandler(WindowHandle(window), [this](HWND, UINT message, WPARAM w, LPARAM l) {
            messages.push_back(message);
            lastWParam = w;
            lastLParam = l;
            return messageAnswer;
        });
    }

    TestRefCount m_refs{0};
    const ControlOptions m_options;
    IAdviseSink* m_adviseSink = nullptr;
    SIZEL m_extent = {0, 0};
};

// Registers RecordingControl under a class id while it lives; it is not
// counted, its owner keeps it.
class RecordingControlClass final : public IClassFactory {
public:
    static constexpr CLSID Id = {0x51C0FFEE, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x01}};

    RecordingControlClass() { CoRegisterClassObject(Id, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_cookie); }
    ~RecordingControlClass() { CoRevokeClassObject(m_cookie); }

    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        return QueryOne(this, IID_IClassFactory, riid, object);
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override
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
    HRESULT LockServer(BOOL) override { return S_OK; }

    ControlOptions options;
    RecordingControl* last = nullptr;  // the control made last; not counted

private:
    DWORD m_cookie = 0;
};
