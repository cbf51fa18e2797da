#include "browser/ole_init_guard.h"

#include "platform/com/ole_initialize.h"

namespace {

IMalloc* sharedAllocator = nullptr;

}  // namespace

OleInitGuard::OleInitGuard()
{
    const HRESULT hr = OleInitialize(nullptr);
    if (hr == S_OK && !sharedAllocator)
        CoGetMalloc(MEMCTX_TASK, &sharedAllocator);
    else if (sharedAllocator)
        sharedAllocator->AddRef();
}

OleInitGuard::~OleInitGuard()
{
    if (sharedAllocator && sharedAllocator->Release() == 0)
        sharedAllocator = nullptr;
    OleUninitialize();
}
