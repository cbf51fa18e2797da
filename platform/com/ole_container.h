#pragma once
// The interfaces a container offers the control it embeds: its client site,
// in-place site and frame, item container, command target, document site,
// advise sink and control site.

#include "platform/com/dispatch.h"
#include "platform/com/unknown.h"

class IOleInPlaceActiveObject;
class IOleDocumentView;

struct FORMATETC;
struct STGMEDIUM;
struct OLECMDTEXT;

struct OLEINPLACEFRAMEINFO {
    UINT cb;
    BOOL fMDIApp;
    HWND hwndFrame;
    HACCEL haccel;
    UINT cAccelEntries;
};
using LPOLEINPLACEFRAMEINFO = OLEINPLACEFRAMEINFO*;

struct OLEMENUGROUPWIDTHS {
    LONG width[6];
};

struct OLECMD {
    ULONG cmdID;
    DWORD cmdf;
};

class IOleWindow : public IUnknown {
public:
    virtual HRESULT GetWindow(HWND* window) = 0;
    virtual HRESULT ContextSensitiveHelp(BOOL enterMode) = 0;

protected:
    ~IOleWindow() = default;
};

class IParseDisplayName : public IUnknown {
public:
    virtual HRESULT ParseDisplayName(IBindCtx* context, LPOLESTR displayName, ULONG* eaten, IMoniker** out) = 0;

protected:
    ~IParseDisplayName() = default;
};

class IOleContainer : public IParseDisplayName {
public:
    virtual HRESULT EnumObjects(DWORD flags, IEnumUnknown** objects) = 0;
    virtual HRESULT LockContainer(BOOL lock) = 0;

protected:
    ~IOleContainer() = default;
};

class IOleItemContainer : public IOleContainer {
public:
    virtual HRESULT GetObject(LPOLESTR item, DWORD speedNeeded, IBindCtx* context, REFIID riid, void** object) = 0;
    virtual HRESULT GetObjectStorage(LPOLESTR item, IBindCtx* context, REFIID riid, void** storage) = 0;
    virtual HRESULT IsRunning(LPOLESTR item) = 0;

protected:
    ~IOleItemContainer() = default;
};

class IOleClientSite : public IUnknown {
public:
    virtual HRESULT SaveObject() = 0;
    virtual HRESULT GetMoniker(DWORD assign, DWORD whichMoniker, IMoniker** moniker) = 0;
    virtual HRESULT GetContainer(IOleContainer** container) = 0;
    virtual HRESULT ShowObject() = 0;
    virtual HRESULT OnShowWindow(BOOL show) = 0;
    virtual HRESULT RequestNewObjectLayout() = 0;

protected:
    ~IOleClientSite() = default;
};

class IOleInPlaceUIWindow : public IOleWindow {
public:
    virtual HRESULT GetBorder(LPRECT border) = 0;
    virtual HRESULT RequestBorderSpace(LPCBORDERWIDTHS widths) = 0;
    virtual HRESULT SetBorderSpace(LPCBORDERWIDTHS widths) = 0;
    virtual HRESULT SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR objectName) = 0;

protected:
    ~IOleInPlaceUIWindow() = default;
};

class IOleInPlaceFrame : public IOleInPlaceUIWindow {
public:
    virtual HRESULT InsertMenus(HMENU shared, OLEMENUGROUPWIDTHS* widths) = 0;
    virtual HRESULT SetMenu(HMENU shared, HOLEMENU descriptor, HWND activeObject) = 0;
    virtual HRESULT RemoveMenus(HMENU shared) = 0;
    virtual HRESULT SetStatusText(LPCOLESTR text) = 0;
    virtual HRESULT EnableModeless(BOOL enable) = 0;
    virtual HRESULT TranslateAccelerator(LPMSG message, WORD id) = 0;

protected:
    ~IOleInPlaceFrame() = default;
};

class IOleInPlaceSite : public IOleWindow {
public:
    virtual HRESULT CanInPlaceActivate() = 0;
    virtual HRESULT OnInPlaceActivate() = 0;
    virtual HRESULT OnUIActivate() = 0;
    virtual HRESULT GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                     LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo) = 0;
    virtual HRESULT Scroll(SIZE extent) = 0;
    virtual HRESULT OnUIDeactivate(BOOL undoable) = 0;
    virtual HRESULT OnInPlaceDeactivate() = 0;
    virtual HRESULT DiscardUndoState() = 0;
    virtual HRESULT DeactivateAndUndo() = 0;
    virtual HRESULT OnPosRectChange(LPCRECT position) = 0;

protected:
    ~IOleInPlaceSite() = default;
};

class IOleInPlaceSiteEx : public IOleInPlaceSite {
public:
    virtual HRESULT OnInPlaceActivateEx(BOOL* noRedraw, DWORD flags) = 0;
    virtual HRESULT OnInPlaceDeactivateEx(BOOL noRedraw) = 0;
    virtual HRESULT RequestUIActivate() = 0;

protected:
    ~IOleInPlaceSiteEx() = default;
};

class IOleCommandTarget : public IUnknown {
public:
    virtual HRESULT QueryStatus(const GUID* group, ULONG count, OLECMD* commands, OLECMDTEXT* text) = 0;
    virtual HRESULT Exec(const GUID* group, DWORD id, DWORD option, VARIANT* in, VARIANT* out) = 0;

protected:
    ~IOleCommandTarget() = default;
};

class IOleDocumentSite : public IUnknown {
public:
    virtual HRESULT ActivateMe(IOleDocumentView* view) = 0;

protected:
    ~IOleDocumentSite() = default;
};

class IAdviseSink : public IUnknown {
public:
    virtual void OnDataChange(FORMATETC* format, STGMEDIUM* medium) = 0;
    virtual void OnViewChange(DWORD aspect, LONG index) = 0;
    virtual void OnRename(IMoniker* moniker) = 0;
    virtual void OnSave() = 0;
    virtual void OnClose() = 0;

protected:
    ~IAdviseSink() = default;
};

class IOleControlSite : public IUnknown {
public:
    virtual HRESULT OnControlInfoChanged() = 0;
    virtual HRESULT LockInPlaceActive(BOOL lock) = 0;
    virtual HRESULT GetExtendedControl(IDispatch** control) = 0;
    virtual HRESULT TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) = 0;
    virtual HRESULT TranslateAccelerator(MSG* message, DWORD modifiers) = 0;
    virtual HRESULT OnFocus(BOOL gotFocus) = 0;
    virtual HRESULT ShowPropertyFrame() = 0;

protected:
    ~IOleControlSite() = default;
};
