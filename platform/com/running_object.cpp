#include "platform/com/running_object.h"

#include "platform/com/ole_control.h"

#include <map>

namespace {

template <typename Call>
HRESULT WithRunnable(IUnknown* object, HRESULT without, Call call)
{
    if (!object)
        return E_INVALIDARG;
    IRunnableObject* runnable = nullptr;
    if (FAILED(object->QueryInterface(IID_IRunnableObject, reinterpret_cast<void**>(&runnable))) || !runnable)
        return without;
    const HRESULT hr = call(runnable);
    runnable->Release();
    return hr;
}

std::map<IUnknown*, ULONG>& ExternalLocks()
{
    static std::map<IUnknown*, ULONG> locks;
    return locks;
}

}  // namespace

HRESULT OleRun(IUnknown* object)
{
    return WithRunnable(object, S_OK, [](IRunnableObject* r) { return r->Run(nullptr); });
}

HRESULT OleSetContainedObject(IUnknown* object, BOOL contained)
{
    return WithRunnable(object, S_OK, [=](IRunnableObject* r) { return r->SetContainedObject(contained); });
}

HRESULT OleLockRunning(IUnknown* object, BOOL lock, BOOL lastUnlockCloses)
{
    if (!object)
        return E_INVALIDARG;
    IRunnableObject* runnable = nullptr;
    if (SUCCEEDED(object->QueryInterface(IID_IRunnableObject, reinterpret_cast<void**>(&runnable))) && runnable) {
        const HRESULT hr = runnable->LockRunning(lock, lastUnlockCloses);
        runnable->Release();
        return hr;
    }
    return CoLockObjectExternal(object, lock, lastUnlockCloses);
}

HRESULT CoLockObjectExternal(IUnknown* object, BOOL lock, BOOL)
{
    IUnknown* identity = nullptr;
    if (!object || FAILED(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity))))
        return E_INVALIDARG;
    ULONG& locks = ExternalLocks()[identity];
    if (lock) {
        ++locks;  // keeps the reference the identity query took
        return S_OK;
    }
    identity->Release();
    if (locks > 0) {
        --locks;
        identity->Release();
    }
    if (locks == 0)
        ExternalLocks().erase(identity);
    return S_OK;
}
