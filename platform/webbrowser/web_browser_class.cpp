#include "platform/webbrowser/web_browser_class.h"

#include "platform/com/class_registry.h"
#include "platform/webbrowser/web_browser_control.h"

namespace {

// One factory for the whole run; the registry holds the only counted reference.
class WebBrowserFactory : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (riid != IID_IUnknown && riid != IID_IClassFactory)
            return E_NOINTERFACE;
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }

    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* control = new WebBrowserControl;
        control->AddRef();
        const HRESULT hr = control->QueryInterface(riid, object);
        control->Release();
        return hr;
    }
    HRESULT LockServer(BOOL) override { return S_OK; }
};

}  // namespace

HRESULT RegisterWebBrowserClass()
{
    static WebBrowserFactory factory;
    DWORD cookie = 0;
    return CoRegisterClassObject(CLSID_WebBrowser, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie);
}

REFCLSID WebBrowserClass()
{
    static const HRESULT registered = RegisterWebBrowserClass();
    (void)registered;
    return CLSID_WebBrowser;
}
