#include "platform/com/class_registry.h"
#include "platform/com/ole_initialize.h"
#include "platform/com/running_object.h"

#include "com_test_values.h"

#include <gtest/gtest.h>

namespace {

const CLSID TestClass = {0x7E57C1A5, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x02}};

class Factory : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        if (outer)
            return CLASS_E_NOAGGREGATION;
        ++created;
        return product.QueryInterface(riid, object);
    }
    HRESULT LockServer(BOOL) override { return S_OK; }

    ULONG refs = 1;
    int created = 0;
    Plain product;
};

}  // namespace

TEST(OleInitialize, CountsNestedInitialisations)
{
    ASSERT_FALSE(OleIsInitialized());
    EXPECT_EQ(OleInitialize(nullptr), S_OK);
    EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
    OleUninitialize();
    EXPECT_TRUE(OleIsInitialized());
    OleUninitialize();
    EXPECT_FALSE(OleIsInitialized());
    OleUninitialize();  // one too many changes nothing
    EXPECT_EQ(OleInitialize(nullptr), S_OK);
    OleUninitialize();
    int reserved = 0;
    EXPECT_EQ(OleInitialize(&reserved), E_INVALIDARG);
}

TEST(CoGetMalloc, GivesTheTaskAllocatorOnly)
{
    IMalloc* allocator = nullptr;
    ASSERT_EQ(CoGetMalloc(MEMCTX_TASK, &allocator), S_OK);
    ASSERT_NE(allocator, nullptr);
    allocator->Release();
    EXPECT_EQ(CoGetMalloc(2, &allocator), E_INVALIDARG);
    EXPECT_EQ(allocator, nullptr);
}

TEST(CoCreateInstance, CreatesOnlyRegisteredClassesAfterInitialisation)
{
    Factory factory;
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(TestClass, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie), S_OK);
    EXPECT_EQ(factory.refs, 2u);

    IUnknown* object = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(CoCreateInstance(TestClass, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&object)),
              CO_E_NOTINITIALIZED);
    EXPECT_EQ(object, nullptr);

    OleInitialize(nullptr);
    ASSERT_EQ(CoCreateInstance(TestClass, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&object)),
              S_OK);
    EXPECT_EQ(object, &factory.product);
    object->Release();
    const CLSID other = {0x7E57C1A5, 0x0002, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x02}};
    EXPECT_EQ(CoCreateInstance(other, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&object)),
              REGDB_E_CLASSNOTREG);

    EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
    EXPECT_EQ(factory.refs, 1u);
    EXPECT_EQ(CoCreateInstance(TestClass, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&object)),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CoRevokeClassObject(cookie), E_INVALIDARG);
    OleUninitialize();
    EXPECT_EQ(factory.created, 1);
}

TEST(RunningObject, WithoutIRunnableObjectALockHoldsAReference)
{
    Plain object;
    EXPECT_EQ(OleRun(&object), S_OK);
    EXPECT_EQ(OleLockRunning(&object, TRUE, FALSE), S_OK);
    EXPECT_EQ(object.refs, 2u);
    OleLockRunning(&object, FALSE, FALSE);
    EXPECT_EQ(object.refs, 1u);
    // An unlock without a lock releases nothing.
    OleLockRunning(&object, FALSE, FALSE);
    EXPECT_EQ(object.refs, 1u);
}
