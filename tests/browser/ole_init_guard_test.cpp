#include "browser/ole_init_guard.h"

#include "platform/com/ole_initialize.h"

#include <gtest/gtest.h>

namespace {

ULONG References(IMalloc* allocator)
{
    allocator->AddRef();
    return allocator->Release();
}

// Guards nest: OLE stays initialised until the last one goes, and each holds
// one reference on the task allocator while it lives.
TEST(OleInitGuardTest, EachGuardHoldsOleAndOneAllocatorReference)
{
    IMalloc* allocator = nullptr;
    ASSERT_EQ(CoGetMalloc(MEMCTX_TASK, &allocator), S_OK);
    const ULONG before = References(allocator);
    {
        OleInitGuard outer;
        EXPECT_EQ(References(allocator), before + 1);
        {
            OleInitGuard inner;
            EXPECT_EQ(References(allocator), before + 2);
        }
        EXPECT_EQ(References(allocator), before + 1);
        EXPECT_TRUE(OleIsInitialized());
    }
    EXPECT_EQ(References(allocator), before);
    EXPECT_FALSE(OleIsInitialized());
    allocator->Release();
}

}  // namespace
