#pragma once
// A control for the container tests: it writes each call it receives into a
// log, creates a window of its own when activated in place, keeps the
// references a real control keeps, and can leave out the optional interfaces.

#include "platform/com/ole_control.h"

#include <atomic>
#include <string>
#include <vector>

class wxWindow;

// QueryInterface of a test object that has one interface besides IUnknown.
template <class I>
HRESULT QueryOne(I* self, REFIID own, REFIID asked, void** object)
{
    *object = asked == IID_IUnknown || asked == own ? self : nullptr;
    if (!*object)
        return E_NOINTERFACE;
    self->AddRef();
    return S_OK;
}

struct ControlOptions {
    DWORD miscStatus = 0;
    bool inPlaceObject = true;
    bool viewObject = true;
    bool createsWindow = true;
    bool knowsExtent = true;
    ITypeInfo* classInfo = nullptr;  // no IProvideClassInfo without one; not owned
    IID eventInterface = GUID_NULL;  // of its one connection point
};

// The control's one connection point, counted with the control; it holds the
// sink until Unadvise.
class EventPoint final : public IConnectionPoint {
public:
    EventPoint(IUnknown* owner, const IID& eventInterface) : iid(eventInterface), m_owner(owner) {}
    ~EventPoint();

    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        return QueryOne(this, IID_IConnectionPoint, riid, object);
    }
    ULONG AddRef() override { return m_owner->AddRef(); }
    ULONG Release() override { return m_owner->Release(); }
    HRESULT GetConnectionInterface(IID*) override { return E_NOTIMPL; }
    HRESULT GetConnectionPointContainer(IConnectionPointContainer**) override { return E_NOTIMPL; }
    HRESULT Advise(IUnknown* newSink, DWORD* cookie) override;
    HRESULT Unadvise(DWORD cookie) override;
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
    explicit RecordingControl(const ControlOptions& options);

    // Every call received, in order, over all controls.
    static inline std::vector<std::string> log;
    static inline int live = 0;
    // Logs a call; what the call answers.
    static HRESULT Record(const std::string& call);

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override { return ULONG(++m_refs); }
    ULONG Release() override;

    // IOleObject
    HRESULT SetClientSite(IOleClientSite* site) override;
    HRESULT GetClientSite(IOleClientSite**) override { return E_NOTIMPL; }
    HRESULT SetHostNames(LPCOLESTR containerApp, LPCOLESTR containerObject) override;
    HRESULT Close(DWORD saveOption) override { return Record("Close " + std::to_string(saveOption)); }
    HRESULT SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    HRESULT DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT position) override;
    HRESULT EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    HRESULT Update() override { return E_NOTIMPL; }
    HRESULT IsUpToDate() override { return E_NOTIMPL; }
    HRESULT GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    HRESULT SetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT GetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT Advise(IAdviseSink* sink, DWORD* connection) override;
    HRESULT Unadvise(DWORD connection) override;
    HRESULT EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    HRESULT GetMiscStatus(DWORD, DWORD* status) override;
    HRESULT SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
    HRESULT GetWindow(HWND* window) override;
    HRESULT ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT InPlaceDeactivate() override;
    HRESULT UIDeactivate() override { return Record("UIDeactivate"); }
    HRESULT SetObjectRects(LPCRECT position, LPCRECT clip) override;
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
                 BOOL (*)(std::uintptr_t), std::uintptr_t) override;
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
    HRESULT GetClassInfo(ITypeInfo** info) override;

    // IConnectionPointContainer
    HRESULT EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

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
    HRESULT CreateView(IOleInPlaceSite*, IStream*, DWORD, IOleDocumentView** view) override;
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
    IOleDocumentView* documentView = nullptr;  // no IOleDocument without one; not owned

private:
    ~RecordingControl();
    void ActivateInPlace(IOleClientSite* site, HWND parent, LPCRECT position);

    std::atomic<LONG> m_refs{0};
    const ControlOptions m_options;
    IAdviseSink* m_adviseSink = nullptr;
    SIZEL m_extent = {0, 0};
};

// The control's calls since the last look, which it then forgets.
std::vector<std::string> TakeCalls();

// Registers RecordingControl under a class id while it lives; it is not
// counted, its owner keeps it.
class RecordingControlClass final : public IClassFactory {
public:
    static const CLSID Id;

    RecordingControlClass();
    ~RecordingControlClass();

    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        return QueryOne(this, IID_IClassFactory, riid, object);
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    HRESULT LockServer(BOOL) override { return S_OK; }

    ControlOptions options;
    RecordingControl* last = nullptr;  // the control made last; not counted

private:
    DWORD m_cookie = 0;
};
