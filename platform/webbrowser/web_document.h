#pragma once
// The browser's document: it loads its page from a stream (HTML bytes in
// Windows-1252), gives it to the control to show, saves it back to a stream,
// and keeps the host's UI handler, which may claim the context menu.

#include "platform/com/web_browser.h"
#include "platform/webbrowser/com_ref.h"

#include <string>

class WebDocument : public IDispatch, public IPersistStreamInit, public ICustomDoc {
public:
    class Owner {
    public:
        virtual void ShowDocument(const std::string& bytes) = 0;

    protected:
        ~Owner() = default;
    };

    explicit WebDocument(Owner* owner);
    virtual ~WebDocument() = default;
    WebDocument(const WebDocument&) = delete;
    WebDocument& operator=(const WebDocument&) = delete;

    // The owner is going; loading fails from now on.
    void Detach() { m_owner = nullptr; }
    // True when the host's UI handler answers S_OK for the menu at that point.
    bool HostClaimsContextMenu(POINT at);

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    // IDispatch: the document has no automation members.
    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return DISP_E_BADINDEX; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return DISP_E_MEMBERNOTFOUND;
    }

    // IPersistStreamInit
    HRESULT GetClassID(CLSID* clsid) override;
    HRESULT IsDirty() override { return S_FALSE; }
    // Reads the stream to its end: S_OK with 0 bytes ends the page.
    HRESULT Load(IStream* stream) override;
    // Writes the page as it was loaded.
    HRESULT Save(IStream* stream, BOOL clearDirty) override;
    HRESULT GetSizeMax(ULARGE_INTEGER* size) override;
    HRESULT InitNew() override;

    // ICustomDoc
    HRESULT SetUIHandler(IDocHostUIHandler* handler) override;

private:
    HRESULT Show(std::string bytes);

    LONG m_references = 0;
    Owner* m_owner;  // not counted: the control owns the document
    ComRef<IDocHostUIHandler> m_uiHandler;
    std::string m_source;
};
