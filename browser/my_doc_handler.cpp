#include "browser/my_doc_handler.h"

HRESULT MyDocHandler::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (riid != IID_IUnknown && riid != IID_IDocHostUIHandler)
        return E_NOINTERFACE;
    *object = static_cast<IDocHostUIHandler*>(this);
    AddRef();
    return S_OK;
}

ULONG MyDocHandler::AddRef()
{
    return ULONG(++m_refCount);
}

ULONG MyDocHandler::Release()
{
    const LONG count = --m_refCount;
    if (count > 0)
        return ULONG(count);
    delete this;
    return 0;
}
