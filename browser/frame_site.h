#pragma once
// The container's side of the conversation with a hosted control: one COM
// object that is its client site, in-place site, frame and document window,
// item container, ambient-property dispatch, command target, document site,
// advise sink and control site.

#include "browser/com_ref_count.h"
#include "browser/ole_init_guard.h"
#include "platform/com/ole_control.h"


class wxActiveX;

class FrameSite : public IOleClientSite,
                  public IOleInPlaceSiteEx,
                  public IOleInPlaceFrame,
                  public IOleItemContainer,
                  public IDispatch,
                  public IOleCommandTarget,
                  public IOleDocumentSite,
                  public IAdviseSink,
                  public IOleControlSite {
public:
    // Starts with no reference: the owner takes the first one.
    explicit FrameSite(wxActiveX* owner);
    FrameSite(const FrameSite&) = delete;
    FrameSite& operator=(const FrameSite&) = delete;

    // IUnknown, shared by every face
    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    // IOleClientSite
    HRESULT SaveObject() override;
    HRESULT GetMoniker(DWORD assign, DWORD whichMoniker, IMoniker** moniker) override;
    HRESULT GetContainer(IOleContainer** container) override;
    HRESULT ShowObject() override;
    HRESULT OnShowWindow(BOOL show) override;
    HRESULT RequestNewObjectLayout() override;

    // IOleWindow, of both the in-place site and the frame
    HRESULT GetWindow(HWND* window) override;
    HRESULT ContextSensitiveHelp(BOOL enterMode) override;

    // IOleInPlaceSite and IOleInPlaceSiteEx
    HRESULT CanInPlaceActivate() override;
    HRESULT OnInPlaceActivate() override;
    HRESULT OnUIActivate() override;
    HRESULT GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position, LPRECT clip,
                             LPOLEINPLACEFRAMEINFO frameInfo) override;
    HRESULT Scroll(SIZE extent) override;
    HRESULT OnUIDeactivate(BOOL undoable) override;
    HRESULT OnInPlaceDeactivate() override;
    HRESULT DiscardUndoState() override;
    HRESULT DeactivateAndUndo() override;
    HRESULT OnPosRectChange(LPCRECT position) override;
    HRESULT OnInPlaceActivateEx(BOOL* noRedraw, DWORD flags) override;
    HRESULT OnInPlaceDeactivateEx(BOOL noRedraw) override;
    HRESULT RequestUIActivate() override;

    // IOleInPlaceUIWindow and IOleInPlaceFrame
    HRESULT GetBorder(LPRECT border) override;
    HRESULT RequestBorderSpace(LPCBORDERWIDTHS widths) override;
    HRESULT SetBorderSpace(LPCBORDERWIDTHS widths) override;
    HRESULT SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR objectName) override;
    HRESULT InsertMenus(HMENU shared, OLEMENUGROUPWIDTHS* widths) override;
    HRESULT SetMenu(HMENU shared, HOLEMENU descriptor, HWND activeObject) override;
    HRESULT RemoveMenus(HMENU shared) override;
    HRESULT SetStatusText(LPCOLESTR text) override;
    HRESULT EnableModeless(BOOL enable) override;
    HRESULT TranslateAccelerator(LPMSG message, WORD id) override;

    // IParseDisplayName, IOleContainer and IOleItemContainer
    HRESULT ParseDisplayName(IBindCtx* context, LPOLESTR displayName, ULONG* eaten, IMoniker** out) override;
    HRESULT EnumObjects(DWORD flags, IEnumUnknown** objects) override;
    HRESULT LockContainer(BOOL lock) override;
    HRESULT GetObject(LPOLESTR item, DWORD speedNeeded, IBindCtx* context, REFIID riid, void** object) override;
    HRESULT GetObjectStorage(LPOLESTR item, IBindCtx* context, REFIID riid, void** storage) override;
    HRESULT IsRunning(LPOLESTR item) override;

    // IDispatch: the ambient properties
    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argumentError) override;

    // IOleCommandTarget
    HRESULT QueryStatus(const GUID* group, ULONG count, OLECMD* commands, OLECMDTEXT* text) override;
    HRESULT Exec(const GUID* group, DWORD id, DWORD option, VARIANT* in, VARIANT* out) override;

    // IOleDocumentSite
    HRESULT ActivateMe(IOleDocumentView* view) override;

    // IAdviseSink
    void OnDataChange(FORMATETC* format, STGMEDIUM* medium) override;
    void OnViewChange(DWORD aspect, LONG index) override;
    void OnRename(IMoniker* moniker) override;
    void OnSave() override;
    void OnClose() override;

    // IOleControlSite
    HRESULT OnControlInfoChanged() override;
    HRESULT LockInPlaceActive(BOOL lock) override;
    HRESULT GetExtendedControl(IDispatch** control) override;
    HRESULT TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override;
    HRESULT TranslateAccelerator(MSG* message, DWORD modifiers) override;
    HRESULT OnFocus(BOOL gotFocus) override;
    HRESULT ShowPropertyFrame() override;

protected:
    virtual ~FrameSite() = default;

private:
    HRESULT AmbientProperty(DISPID id, VARIANT* result) const;
    HRESULT ActivateView(IOleDocumentView* view, IOleInPlaceSite* site);

    ComRefCount m_refCount;
    OleInitGuard m_oleInit;
    wxActiveX* m_owner;
    HWND m_ownerWindow;
    bool m_inPlaceLocked = false;
    bool m_inPlaceActive = false;
    bool m_uiActive = false;
    LCID m_ambientLocale = 0;
    COLORREF m_ambientForeColour;
    COLORREF m_ambientBackColour;
    bool m_showHatching = true;
    bool m_showGrabHandles = true;
    bool m_appearance = true;
};
