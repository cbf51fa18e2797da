#pragma once
// OLE initialisation of the calling thread, counted as the platform counts
// it, and the process-wide task allocator.

#include "platform/com/unknown.h"

#include <cstddef>

constexpr DWORD MEMCTX_TASK = 1;

class IMalloc : public IUnknown {
public:
    virtual void* Alloc(std::size_t bytes) = 0;
    virtual void* Realloc(void* block, std::size_t bytes) = 0;
    virtual void Free(void* block) = 0;
    virtual std::size_t GetSize(void* block) = 0;
    virtual int DidAlloc(void* block) = 0;
    virtual void HeapMinimize() = 0;

protected:
    ~IMalloc() = default;
};

// S_OK for the first call on a thread, S_FALSE for every further one.
HRESULT OleInitialize(void* reserved);
// Undoes one OleInitialize; more calls than initialisations do nothing.
void OleUninitialize();
bool OleIsInitialized();
// The task allocator, with a reference for the caller.
HRESULT CoGetMalloc(DWORD memoryContext, IMalloc** allocator);
