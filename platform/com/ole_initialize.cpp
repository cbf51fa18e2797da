#include "platform/com/ole_initialize.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

thread_local ULONG initializations = 0;

// Blocks carry their size in front so that GetSize can answer.
class TaskAllocator final : public IMalloc {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (riid != IID_IUnknown && riid != IID_IMalloc)
            return E_NOINTERFACE;
        *object = static_cast<IMalloc*>(this);
        AddRef();
        return S_OK;
    }
    // Lives for the whole process: the count is kept but never frees it.
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return references > 1 ? --references : 1; }

    void* Alloc(std::size_t bytes) override
    {
        auto* block = static_cast<std::size_t*>(std::malloc(sizeof(std::max_align_t) + bytes));
        if (!block)
            return nullptr;
        *block = bytes;
        return reinterpret_cast<std::max_align_t*>(block) + 1;
    }
    void* Realloc(void* block, std::size_t bytes) override
    {
        if (!block)
            return Alloc(bytes);
        if (bytes == 0) {
            Free(block);
            return nullptr;
        }
        void* grown = Alloc(bytes);
        if (grown) {
            const std::size_t old = GetSize(block);
            std::memcpy(grown, block, old < bytes ? old : bytes);
            Free(block);
        }
        return grown;
    }
    void Free(void* block) override
    {
        if (block)
            std::free(Header(block));
    }
    std::size_t GetSize(void* block) override { return block ? *Header(block) : std::size_t(-1); }
    int DidAlloc(void*) override { return -1; }
    void HeapMinimize() override {}

private:
    static std::size_t* Header(void* block)
    {
        return reinterpret_cast<std::size_t*>(static_cast<std::max_align_t*>(block) - 1);
    }

    std::atomic<ULONG> references{1};
};

TaskAllocator& TheTaskAllocator()
{
    static TaskAllocator allocator;
    return allocator;
}

}  // namespace

HRESULT OleInitialize(void* reserved)
{
    if (reserved)
        return E_INVALIDARG;
    return ++initializations == 1 ? S_OK : S_FALSE;
}

void OleUninitialize()
{
    if (initializations > 0)
        --initializations;
}

bool OleIsInitialized()
{
    return initializations > 0;
}

HRESULT CoGetMalloc(DWORD memoryContext, IMalloc** allocator)
{
    if (!allocator)
        return E_INVALIDARG;
    *allocator = nullptr;
    if (memoryContext != MEMCTX_TASK)
        return E_INVALIDARG;
    *allocator = &TheTaskAllocator();
    (*allocator)->AddRef();
    return S_OK;
}
