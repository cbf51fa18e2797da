#pragma once
// A control for the container tests: it writes each call it receives into a
// log, creates a window of its own when activated in place, keeps the
// references a real control keeps, and can leave out the optional interfaces.

#include "platform/com/ole_control.h"

#include <atomic>
#include <string>
#include <vector>

class wxWindow;

struct ControlOptions {
    DWORD miscStatus = 0;
    bool inPlaceObject = true;
    bool viewObject = true;
    bool persistence = true;
    bool createsWindow = true;
    bool knowsExtent = true;
    ITypeInfo* classInfo = nullptr;  // no IProvideClassInfo without one; not owned
    LRESULT messageAnswer = 1;  // what the control's window answers to messages
    IID eventInterface = GUID_NULL;  // of its one connection point
    IOleDocumentView* documentView = nullptr;  // no IOleDocument without one; not owned
};

class EventPoint;

class RecordingControl : public IOleObject,
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

    static std::vector<std::string>& Log();
    static int Live();

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    // IOleObject
    HRESULT SetClientSite(IOleClientSite* site) override;
    HRESULT GetClientSite(IOleClientSite**) override { return E_NOTIMPL; }
    HRESULT SetHostNames(LPCOLESTR containerApp, LPCOLESTR containerObject) override;
    HRESULT Close(DWORD saveOption) override;
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
    HRESULT GetMiscStatus(DWORD aspect, DWORD* status) override;
    HRESULT SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
    HRESULT GetWindow(HWND* window) override;
    HRESULT ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT InPlaceDeactivate() override;
    HRESULT UIDeactivate() override;
    HRESULT SetObjectRects(LPCRECT position, LPCRECT clip) override;
    HRESULT ReactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT TranslateAccelerator(LPMSG message) override;
    HRESULT OnFrameWindowActivate(BOOL activate) override;
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
    HRESULT InitNew() override;

    // IProvideClassInfo
    HRESULT GetClassInfo(ITypeInfo** info) override;

    // IConnectionPointContainer
    HRESULT EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

    // IRunnableObject
    HRESULT GetRunningClass(CLSID*) override { return E_NOTIMPL; }
    HRESULT Run(IBindCtx*) override;
    BOOL IsRunning() override { return TRUE; }
    HRESULT LockRunning(BOOL lock, BOOL lastUnlockCloses) override;
    HRESULT SetContainedObject(BOOL contained) override;

    // IOleDocument
    HRESULT CreateView(IOleInPlaceSite* site, IStream* state, DWORD reserved, IOleDocumentView** view) override;
    HRESULT GetDocMiscStatus(DWORD*) override { return E_NOTIMPL; }
    HRESULT EnumViews(IEnumOleDocumentViews**, IOleDocumentView**) override { return E_NOTIMPL; }

    // What the tests look at.
    IOleClientSite* site = nullptr;
    wxWindow* window = nullptr;
    EventPoint* eventPoint = nullptr;
    std::vector<UINT> messages;
    std::vector<WPARAM> messageWParams;
    std::vector<LPARAM> messageLParams;

private:
    virtual ~RecordingControl();
    void ActivateInPlace(IOleClientSite* site, HWND parent, LPCRECT position);

    std::atomic<LONG> m_refs{0};
    ControlOptions m_options;
    IAdviseSink* m_adviseSink = nullptr;
    SIZEL m_extent = {0, 0};
};

// The control's one connection point; it holds each sink until Unadvise.
class EventPoint : public IConnectionPoint {
public:
    EventPoint(IConnectionPointContainer* container, const IID& iid);

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetConnectionInterface(IID* iid) override;
    HRESULT GetConnectionPointContainer(IConnectionPointContainer**) override { return E_NOTIMPL; }
    HRESULT Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT Unadvise(DWORD cookie) override;
    HRESULT EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

    IUnknown* sink = nullptr;
    IID iid;

private:
    virtual ~EventPoint() = default;

    std::atomic<LONG> m_refs{0};
};

// Registers RecordingControl under a class id for the tests' lifetime.
class RecordingControlClass {
public:
    static const CLSID Id;

    explicit RecordingControlClass(const ControlOptions& options = ControlOptions());
    ~RecordingControlClass();

    ControlOptions& Options();
    // The control made last; not counted.
    RecordingControl* Last() const;

private:
    class Factory;
    Factory* m_factory;
    DWORD m_cookie = 0;
};
