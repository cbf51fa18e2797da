#pragma once
// The web browser control as its host drives it: the browser automation
// interface, its document's custom-document face and the host's UI handler.

#include "platform/com/ole_control.h"

enum OLECMDID {
    OLECMDID_OPEN = 1,
    OLECMDID_NEW = 2,
    OLECMDID_SAVE = 3,
    OLECMDID_SAVEAS = 4,
    OLECMDID_SAVECOPYAS = 5,
    OLECMDID_PRINT = 6,
    OLECMDID_PRINTPREVIEW = 7,
    OLECMDID_PAGESETUP = 8,
};

enum OLECMDEXECOPT {
    OLECMDEXECOPT_DODEFAULT = 0,
    OLECMDEXECOPT_PROMPTUSER = 1,
    OLECMDEXECOPT_DONTPROMPTUSER = 2,
    OLECMDEXECOPT_SHOWHELP = 3,
};

struct DOCHOSTUIINFO {
    ULONG cbSize;
    DWORD dwFlags;
    DWORD dwDoubleClick;
    OLECHAR* pchHostCss;
    OLECHAR* pchHostNS;
};

// Only the operations the host calls, in the order it calls them.
class IWebBrowser2 : public IDispatch {
public:
    virtual HRESULT put_MenuBar(VARIANT_BOOL value) = 0;
    virtual HRESULT put_AddressBar(VARIANT_BOOL value) = 0;
    virtual HRESULT put_StatusBar(VARIANT_BOOL value) = 0;
    virtual HRESULT put_ToolBar(int value) = 0;
    virtual HRESULT put_RegisterAsBrowser(VARIANT_BOOL value) = 0;
    virtual HRESULT put_RegisterAsDropTarget(VARIANT_BOOL value) = 0;
    virtual HRESULT Navigate(BSTR url, VARIANT* flags, VARIANT* targetFrameName, VARIANT* postData,
                             VARIANT* headers) = 0;
    virtual HRESULT get_Document(IDispatch** document) = 0;
    // For OLECMDID_PRINT the input is a VT_ARRAY|VT_BYREF variant holding
    // the page header and footer strings at indices 0 and 1.
    virtual HRESULT ExecWB(OLECMDID command, OLECMDEXECOPT option, VARIANT* in, VARIANT* out) = 0;

protected:
    ~IWebBrowser2() = default;
};

class IDocHostUIHandler : public IUnknown {
public:
    virtual HRESULT ShowContextMenu(DWORD id, POINT* at, IUnknown* commandTarget, IDispatch* object) = 0;
    virtual HRESULT GetHostInfo(DOCHOSTUIINFO* info) = 0;
    virtual HRESULT ShowUI(DWORD id, IOleInPlaceActiveObject* activeObject, IOleCommandTarget* commandTarget,
                           IOleInPlaceFrame* frame, IOleInPlaceUIWindow* document) = 0;
    virtual HRESULT HideUI() = 0;
    virtual HRESULT UpdateUI() = 0;
    virtual HRESULT EnableModeless(BOOL enable) = 0;
    virtual HRESULT OnDocWindowActivate(BOOL activate) = 0;
    virtual HRESULT OnFrameWindowActivate(BOOL activate) = 0;
    virtual HRESULT ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) = 0;
    virtual HRESULT TranslateAccelerator(LPMSG message, const GUID* group, DWORD commandId) = 0;
    virtual HRESULT GetOptionKeyPath(LPOLESTR* key, DWORD reserved) = 0;
    virtual HRESULT GetDropTarget(IDropTarget* target, IDropTarget** replacement) = 0;
    virtual HRESULT GetExternal(IDispatch** external) = 0;
    virtual HRESULT TranslateUrl(DWORD translate, LPOLESTR url, LPOLESTR* translated) = 0;
    virtual HRESULT FilterDataObject(IDataObject* object, IDataObject** filtered) = 0;

protected:
    ~IDocHostUIHandler() = default;
};

class ICustomDoc : public IUnknown {
public:
    virtual HRESULT SetUIHandler(IDocHostUIHandler* handler) = 0;

protected:
    ~ICustomDoc() = default;
};
