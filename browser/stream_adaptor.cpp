#include "browser/stream_adaptor.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

HRESULT IStreamAdaptorBase::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_FAIL;
    *object = nullptr;
    if (riid != IID_IUnknown && riid != IID_ISequentialStream && riid != IID_IStream)
        return E_NOINTERFACE;
    *object = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
}

ULONG IStreamAdaptorBase::AddRef()
{
    return ULONG(++m_refCount);
}

ULONG IStreamAdaptorBase::Release()
{
    if (m_refCount < 1)
        return 0;
    const LONG left = --m_refCount;
    if (left > 0)
        return ULONG(left);
    delete this;
    return 0;
}

HRESULT IStreamAdaptorBase::Read(void* buffer, ULONG count, ULONG* read)
{
    ULONG n = 0;
    if (!prefix.empty()) {
        n = ULONG(std::min<std::size_t>(prefix.size(), count));
        std::memcpy(buffer, prefix.data(), n);
        prefix.erase(0, n);
    } else {
        n = ULONG(_Read(buffer, int(count)));
    }
    if (read)
        *read = n;
    return S_OK;
}

IwxStreamAdaptor::~IwxStreamAdaptor()
{
    delete m_stream;
}

int IwxStreamAdaptor::_Read(void* buffer, int count)
{
    m_stream->Read(buffer, size_t(count));
    return int(m_stream->LastRead());
}

wxOwnedMemInputStream::~wxOwnedMemInputStream()
{
    std::free(m_data);
}
