#pragma once
// A page as a read-only IStream for the browser document: a prefix served
// first, then the bytes of the underlying data; and the memory stream that
// owns the page buffer it reads.

#include "browser/ole_init_guard.h"
#include "platform/com/stream.h"

#include <wx/mstream.h>

#include <atomic>
#include <string>

class IStreamAdaptorBase : public IStream {
public:
    IStreamAdaptorBase() = default;
    IStreamAdaptorBase(const IStreamAdaptorBase&) = delete;
    IStreamAdaptorBase& operator=(const IStreamAdaptorBase&) = delete;

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    // One call serves either prefix bytes or data bytes, never both; the end
    // of the data is S_OK with 0 bytes.
    HRESULT Read(void* buffer, ULONG count, ULONG* read) override;
    HRESULT Write(const void*, ULONG, ULONG*) override { return E_NOTIMPL; }
    HRESULT Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) override { return E_NOTIMPL; }
    HRESULT SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    HRESULT CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override { return E_NOTIMPL; }
    HRESULT Commit(DWORD) override { return E_NOTIMPL; }
    HRESULT Revert() override { return E_NOTIMPL; }
    HRESULT LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
    HRESULT Clone(IStream**) override { return E_NOTIMPL; }

    virtual ~IStreamAdaptorBase() = default;
    // Bytes read from the underlying data.
    virtual int _Read(void* buffer, int count) = 0;

    std::string prefix;

private:
    std::atomic<LONG> m_refCount{0};
    OleInitGuard m_oleGuard;
};

class IwxStreamAdaptor : public IStreamAdaptorBase {
public:
    // Takes ownership of the stream.
    explicit IwxStreamAdaptor(wxInputStream* stream) : m_stream(stream) {}
    ~IwxStreamAdaptor() override;

    int _Read(void* buffer, int count) override;

private:
    wxInputStream* m_stream;
};

class wxOwnedMemInputStream : public wxMemoryInputStream {
public:
    // Takes ownership of a buffer from malloc.
    wxOwnedMemInputStream(char* data, size_t length) : wxMemoryInputStream(data, length), m_data(data) {}
    ~wxOwnedMemInputStream() override;
    wxOwnedMemInputStream(const wxOwnedMemInputStream&) = delete;
    wxOwnedMemInputStream& operator=(const wxOwnedMemInputStream&) = delete;

private:
    char* m_data;
};
