#include "platform/webbrowser/web_document.h"

namespace {

constexpr HRESULT DISP_E_UNKNOWNNAME = ResultCode(0x80020006);
constexpr DWORD CONTEXT_MENU_DEFAULT = 0;
constexpr ULONG ReadChunk = 4096;

const CLSID CLSID_HTMLDocument = {0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

}  // namespace

WebDocument::WebDocument(Owner* owner) : m_owner(owner) {}

HRESULT WebDocument::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch)
        *object = static_cast<IDispatch*>(this);
    else if (riid == IID_IPersist || riid == IID_IPersistStreamInit)
        *object = static_cast<IPersistStreamInit*>(this);
    else if (riid == IID_ICustomDoc)
        *object = static_cast<ICustomDoc*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG WebDocument::AddRef()
{
    return ULONG(++m_references);
}

ULONG WebDocument::Release()
{
    if (--m_references > 0)
        return ULONG(m_references);
    delete this;
    return 0;
}

HRESULT WebDocument::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_INVALIDARG;
    *count = 0;
    return S_OK;
}

HRESULT WebDocument::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return DISP_E_UNKNOWNNAME;
}

HRESULT WebDocument::GetClassID(CLSID* clsid)
{
    if (!clsid)
        return E_POINTER;
    *clsid = CLSID_HTMLDocument;
    return S_OK;
}

HRESULT WebDocument::InitNew()
{
    return Show("");
}

HRESULT WebDocument::Load(IStream* stream)
{
    if (!stream)
        return E_POINTER;
    std::string bytes;
    char chunk[ReadChunk];
    for (;;) {
        ULONG read = 0;
        const HRESULT hr = stream->Read(chunk, ReadChunk, &read);
        if (FAILED(hr))
            return hr;
        if (read == 0)
            break;
        bytes.append(chunk, read);
    }
    return Show(std::move(bytes));
}

HRESULT WebDocument::Show(std::string bytes)
{
    if (!m_owner)
        return E_UNEXPECTED;
    m_source = std::move(bytes);
    m_owner->ShowDocument(m_source);
    return S_OK;
}

HRESULT WebDocument::Save(IStream* stream, BOOL)
{
    if (!stream)
        return E_POINTER;
    ULONG written = 0;
    const HRESULT hr = stream->Write(m_source.data(), ULONG(m_source.size()), &written);
    if (FAILED(hr))
        return hr;
    return written == m_source.size() ? S_OK : E_FAIL;
}

HRESULT WebDocument::GetSizeMax(ULARGE_INTEGER* size)
{
    if (!size)
        return E_POINTER;
    size->QuadPart = m_source.size();
    return S_OK;
}

HRESULT WebDocument::SetUIHandler(IDocHostUIHandler* handler)
{
    m_uiHandler = ComRef<IDocHostUIHandler>::Share(handler);
    return S_OK;
}

bool WebDocument::HostClaimsContextMenu(POINT at)
{
    if (!m_uiHandler)
        return false;
    return m_uiHandler->ShowContextMenu(CONTEXT_MENU_DEFAULT, &at, nullptr, static_cast<IDispatch*>(this)) == S_OK;
}
