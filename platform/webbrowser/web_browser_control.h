#pragma once
// The web browser control: a COM object that its container embeds and
// activates in place, with a WebKitGTK view as its window, a
// document that loads pages from streams, type information and browser
// events, and printing on the default printer.

#include "platform/com/web_browser.h"
#include "platform/webbrowser/com_ref.h"
#include "platform/webbrowser/web_document.h"
#include "platform/webbrowser/web_page_view.h"

#include <map>
#include <memory>
#include <string>

#include <wx/string.h>

class EventConnectionPoint;

class WebBrowserControl : public IOleObject,
                          public IOleInPlaceObject,
                          public IOleInPlaceActiveObject,
                          public IViewObject,
                          public IWebBrowser2,
                          public IProvideClassInfo,
                          public IConnectionPointContainer,
                          private WebDocument::Owner,
                          private WebPageView::Listener {
public:
    WebBrowserControl();
    virtual ~WebBrowserControl();
    WebBrowserControl(const WebBrowserControl&) = delete;
    WebBrowserControl& operator=(const WebBrowserControl&) = delete;

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    // IOleObject
    HRESULT SetClientSite(IOleClientSite* site) override;
    HRESULT GetClientSite(IOleClientSite** site) override;
    HRESULT SetHostNames(LPCOLESTR containerApp, LPCOLESTR containerObject) override;
    HRESULT Close(DWORD saveOption) override;
    HRESULT SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    HRESULT DoVerb(LONG verb, LPMSG message, IOleClientSite* site, LONG index, HWND parent,
                   LPCRECT position) override;
    HRESULT EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    HRESULT Update() override { return S_OK; }
    HRESULT IsUpToDate() override { return S_OK; }
    HRESULT GetUserClassID(CLSID* clsid) override;
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
    // The page handles its own keys: nothing is an accelerator here.
    HRESULT TranslateAccelerator(LPMSG) override { return S_FALSE; }
    HRESULT OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    HRESULT EnableModeless(BOOL) override { return S_OK; }

    // IViewObject
    HRESULT Draw(DWORD aspect, LONG index, void* aspectData, DVTARGETDEVICE* target, HDC targetDevice, HDC draw,
                 LPCRECTL bounds, LPCRECTL metafileBounds, BOOL (*keepDrawing)(std::uintptr_t),
                 std::uintptr_t keepDrawingArgument) override;
    HRESULT GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override { return E_NOTIMPL; }
    HRESULT Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    HRESULT Unfreeze(DWORD) override { return E_NOTIMPL; }
    HRESULT SetAdvise(DWORD, DWORD, IAdviseSink*) override { return E_NOTIMPL; }
    HRESULT GetAdvise(DWORD*, DWORD*, IAdviseSink**) override { return E_NOTIMPL; }

    // IDispatch: described by the type information; calls come through the vtable.
    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IWebBrowser2: the control has no bars of its own to show.
    HRESULT put_MenuBar(VARIANT_BOOL value) override;
    HRESULT put_AddressBar(VARIANT_BOOL value) override;
    HRESULT put_StatusBar(VARIANT_BOOL value) override;
    HRESULT put_ToolBar(int value) override;
    HRESULT put_RegisterAsBrowser(VARIANT_BOOL value) override;
    HRESULT put_RegisterAsDropTarget(VARIANT_BOOL value) override;
    HRESULT Navigate(BSTR url, VARIANT* flags, VARIANT* targetFrameName, VARIANT* postData,
                     VARIANT* headers) override;
    HRESULT get_Document(IDispatch** document) override;
    HRESULT ExecWB(OLECMDID command, OLECMDEXECOPT option, VARIANT* in, VARIANT* out) override;

    // IProvideClassInfo
    HRESULT GetClassInfo(ITypeInfo** info) override;

    // IConnectionPointContainer
    HRESULT EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

private:
    // WebDocument::Owner
    void ShowDocument(const std::string& bytes) override;
    // WebPageView::Listener
    void OnPageLoaded(const wxString& url) override;
    bool HostClaimsContextMenu(POINT at) override;

    HRESULT ActivateInPlace(HWND parent);
    HRESULT ActivateUI();
    void ShowContent();
    void FireDocumentComplete(const wxString& url);

    LONG m_references = 0;
    ComRef<IOleClientSite> m_clientSite;
    ComRef<IOleInPlaceSite> m_inPlaceSite;
    ComRef<IOleInPlaceFrame> m_frame;
    ComRef<IOleInPlaceUIWindow> m_uiWindow;
    std::map<DWORD, ComRef<IAdviseSink>> m_adviseSinks;
    DWORD m_lastAdviseCookie = 0;
    ComRef<WebDocument> m_document;
    ComRef<EventConnectionPoint> m_events;
    std::unique_ptr<WebPageView> m_view;
    RECT m_position = {0, 0, 0, 0};
    SIZEL m_extent = {0, 0};
    bool m_uiActive = false;
    // What the view shows once it exists: a URL, or the document's bytes.
    wxString m_url;
    std::string m_page;
    bool m_showsPage = false;
};
