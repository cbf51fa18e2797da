#pragma once
// The view's UI handler for the browser document: it claims the context
// menu, so the page shows none, and leaves everything else to the browser.

#include "platform/com/web_browser.h"

#include <atomic>

class MyDocHandler : public IDocHostUIHandler {
public:
    MyDocHandler() = default;
    virtual ~MyDocHandler() = default;
    MyDocHandler(const MyDocHandler&) = delete;
    MyDocHandler& operator=(const MyDocHandler&) = delete;

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override { return S_OK; }
    HRESULT GetHostInfo(DOCHOSTUIINFO*) override { return E_NOTIMPL; }
    HRESULT ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                   IOleInPlaceUIWindow*) override
    {
        return E_NOTIMPL;
    }
    HRESULT HideUI() override { return E_NOTIMPL; }
    HRESULT UpdateUI() override { return E_NOTIMPL; }
    HRESULT EnableModeless(BOOL) override { return E_NOTIMPL; }
    HRESULT OnDocWindowActivate(BOOL) override { return E_NOTIMPL; }
    HRESULT OnFrameWindowActivate(BOOL) override { return E_NOTIMPL; }
    HRESULT ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return E_NOTIMPL; }
    HRESULT TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return E_NOTIMPL; }
    HRESULT GetOptionKeyPath(LPOLESTR*, DWORD) override { return E_NOTIMPL; }
    HRESULT GetDropTarget(IDropTarget*, IDropTarget**) override { return E_NOTIMPL; }
    HRESULT GetExternal(IDispatch**) override { return E_NOTIMPL; }
    HRESULT TranslateUrl(DWORD, LPOLESTR, LPOLESTR*) override { return E_NOTIMPL; }
    HRESULT FilterDataObject(IDataObject*, IDataObject**) override { return E_NOTIMPL; }

private:
    std::atomic<LONG> m_refCount{1};
};
