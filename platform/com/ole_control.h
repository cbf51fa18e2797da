#pragma once
// The interfaces of an embeddable control that its container calls: the OLE
// object, its in-place faces, its view, its document and document view, its
// persistence, its class information, its running state and its event points.

#include "platform/com/ole_container.h"
#include "platform/com/stream.h"
#include "platform/com/type_info.h"

struct LOGPALETTE;
struct DVTARGETDEVICE;
class IEnumOleDocumentViews;

constexpr LONG OLEIVERB_PRIMARY = 0;
constexpr LONG OLEIVERB_SHOW = -1;
constexpr LONG OLEIVERB_OPEN = -2;
constexpr LONG OLEIVERB_HIDE = -3;
constexpr LONG OLEIVERB_UIACTIVATE = -4;
constexpr LONG OLEIVERB_INPLACEACTIVATE = -5;

constexpr DWORD DVASPECT_CONTENT = 1;

constexpr DWORD OLEMISC_INVISIBLEATRUNTIME = 0x400;
constexpr DWORD OLEMISC_SETCLIENTSITEFIRST = 0x20000;

constexpr DWORD OLECLOSE_SAVEIFDIRTY = 0;
constexpr DWORD OLECLOSE_NOSAVE = 1;
constexpr DWORD OLECLOSE_PROMPTSAVE = 2;

class IOleObject : public IUnknown {
public:
    virtual HRESULT SetClientSite(IOleClientSite* site) = 0;
    virtual HRESULT GetClientSite(IOleClientSite** site) = 0;
    virtual HRESULT SetHostNames(LPCOLESTR containerApp, LPCOLESTR containerObject) = 0;
    virtual HRESULT Close(DWORD saveOption) = 0;
    virtual HRESULT SetMoniker(DWORD which, IMoniker* moniker) = 0;
    virtual HRESULT GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) = 0;
    virtual HRESULT InitFromData(IDataObject* data, BOOL creation, DWORD reserved) = 0;
    virtual HRESULT GetClipboardData(DWORD reserved, IDataObject** data) = 0;
    virtual HRESULT DoVerb(LONG verb, LPMSG message, IOleClientSite* site, LONG index, HWND parent,
                           LPCRECT position) = 0;
    virtual HRESULT EnumVerbs(IEnumOLEVERB** verbs) = 0;
    virtual HRESULT Update() = 0;
    virtual HRESULT IsUpToDate() = 0;
    virtual HRESULT GetUserClassID(CLSID* clsid) = 0;
    virtual HRESULT GetUserType(DWORD form, LPOLESTR* userType) = 0;
    // Extents are in HIMETRIC, hundredths of a millimetre.
    virtual HRESULT SetExtent(DWORD aspect, SIZEL* size) = 0;
    virtual HRESULT GetExtent(DWORD aspect, SIZEL* size) = 0;
    virtual HRESULT Advise(IAdviseSink* sink, DWORD* connection) = 0;
    virtual HRESULT Unadvise(DWORD connection) = 0;
    virtual HRESULT EnumAdvise(IEnumSTATDATA** advises) = 0;
    virtual HRESULT GetMiscStatus(DWORD aspect, DWORD* status) = 0;
    virtual HRESULT SetColorScheme(LOGPALETTE* palette) = 0;

protected:
    ~IOleObject() = default;
};

class IOleInPlaceObject : public IOleWindow {
public:
    virtual HRESULT InPlaceDeactivate() = 0;
    virtual HRESULT UIDeactivate() = 0;
    virtual HRESULT SetObjectRects(LPCRECT position, LPCRECT clip) = 0;
    virtual HRESULT ReactivateAndUndo() = 0;

protected:
    ~IOleInPlaceObject() = default;
};

class IOleInPlaceActiveObject : public IOleWindow {
public:
    virtual HRESULT TranslateAccelerator(LPMSG message) = 0;
    virtual HRESULT OnFrameWindowActivate(BOOL activate) = 0;
    virtual HRESULT OnDocWindowActivate(BOOL activate) = 0;
    virtual HRESULT ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) = 0;
    virtual HRESULT EnableModeless(BOOL enable) = 0;

protected:
    ~IOleInPlaceActiveObject() = default;
};

class IViewObject : public IUnknown {
public:
    virtual HRESULT Draw(DWORD aspect, LONG index, void* aspectData, DVTARGETDEVICE* target, HDC targetDevice,
                         HDC draw, LPCRECTL bounds, LPCRECTL metafileBounds, BOOL (*keepDrawing)(std::uintptr_t),
                         std::uintptr_t keepDrawingArgument) = 0;
    virtual HRESULT GetColorSet(DWORD aspect, LONG index, void* aspectData, DVTARGETDEVICE* target,
                                HDC targetDevice, LOGPALETTE** colours) = 0;
    virtual HRESULT Freeze(DWORD aspect, LONG index, void* aspectData, DWORD* freeze) = 0;
    virtual HRESULT Unfreeze(DWORD freeze) = 0;
    virtual HRESULT SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) = 0;
    virtual HRESULT GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) = 0;

protected:
    ~IViewObject() = default;
};

class IOleDocumentView : public IUnknown {
public:
    virtual HRESULT SetInPlaceSite(IOleInPlaceSite* site) = 0;
    virtual HRESULT GetInPlaceSite(IOleInPlaceSite** site) = 0;
    virtual HRESULT GetDocument(IUnknown** document) = 0;
    virtual HRESULT SetRect(LPRECT view) = 0;
    virtual HRESULT GetRect(LPRECT view) = 0;
    virtual HRESULT SetRectComplex(LPRECT view, LPRECT horizontalScroll, LPRECT verticalScroll, LPRECT sizeBox) = 0;
    virtual HRESULT Show(BOOL show) = 0;
    virtual HRESULT UIActivate(BOOL activate) = 0;
    virtual HRESULT Open() = 0;
    virtual HRESULT CloseView(DWORD reserved) = 0;
    virtual HRESULT SaveViewState(IStream* stream) = 0;
    virtual HRESULT ApplyViewState(IStream* stream) = 0;
    virtual HRESULT Clone(IOleInPlaceSite* site, IOleDocumentView** copy) = 0;

protected:
    ~IOleDocumentView() = default;
};

class IOleDocument : public IUnknown {
public:
    virtual HRESULT CreateView(IOleInPlaceSite* site, IStream* state, DWORD reserved, IOleDocumentView** view) = 0;
    virtual HRESULT GetDocMiscStatus(DWORD* status) = 0;
    virtual HRESULT EnumViews(IEnumOleDocumentViews** views, IOleDocumentView** view) = 0;

protected:
    ~IOleDocument() = default;
};

class IPersist : public IUnknown {
public:
    virtual HRESULT GetClassID(CLSID* clsid) = 0;

protected:
    ~IPersist() = default;
};

class IPersistStreamInit : public IPersist {
public:
    virtual HRESULT IsDirty() = 0;
    virtual HRESULT Load(IStream* stream) = 0;
    virtual HRESULT Save(IStream* stream, BOOL clearDirty) = 0;
    virtual HRESULT GetSizeMax(ULARGE_INTEGER* size) = 0;
    virtual HRESULT InitNew() = 0;

protected:
    ~IPersistStreamInit() = default;
};

class IProvideClassInfo : public IUnknown {
public:
    virtual HRESULT GetClassInfo(ITypeInfo** info) = 0;

protected:
    ~IProvideClassInfo() = default;
};

// What OleRun, OleSetContainedObject and OleLockRunning ask of an object.
class IRunnableObject : public IUnknown {
public:
    virtual HRESULT GetRunningClass(CLSID* clsid) = 0;
    virtual HRESULT Run(IBindCtx* context) = 0;
    virtual BOOL IsRunning() = 0;
    virtual HRESULT LockRunning(BOOL lock, BOOL lastUnlockCloses) = 0;
    virtual HRESULT SetContainedObject(BOOL contained) = 0;

protected:
    ~IRunnableObject() = default;
};

class IConnectionPointContainer;

class IConnectionPoint : public IUnknown {
public:
    virtual HRESULT GetConnectionInterface(IID* iid) = 0;
    virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
    // The point keeps a reference on the sink until Unadvise.
    virtual HRESULT Advise(IUnknown* sink, DWORD* cookie) = 0;
    virtual HRESULT Unadvise(DWORD cookie) = 0;
    virtual HRESULT EnumConnections(IEnumConnections** connections) = 0;

protected:
    ~IConnectionPoint() = default;
};

class IConnectionPointContainer : public IUnknown {
public:
    virtual HRESULT EnumConnectionPoints(IEnumConnectionPoints** points) = 0;
    virtual HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** point) = 0;

protected:
    ~IConnectionPointContainer() = default;
};
