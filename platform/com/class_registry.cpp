#include "platform/com/class_registry.h"

#include "platform/com/ole_initialize.h"

#include <map>

namespace {

struct Registration {
    CLSID clsid;
    IClassFactory* factory;
    DWORD context;
};

// Factories are released when their class is revoked; the process-wide map
// itself never is, so no factory is released after its module is gone.
std::map<DWORD, Registration>& Registrations()
{
    static auto* registrations = new std::map<DWORD, Registration>;
    return *registrations;
}

const Registration* Find(REFCLSID clsid)
{
    for (const auto& entry : Registrations())
        if (entry.second.clsid == clsid)
            return &entry.second;
    return nullptr;
}

void RevokeClass(REFCLSID clsid)
{
    for (const auto& entry : Registrations())
        if (entry.second.clsid == clsid) {
            CoRevokeClassObject(entry.first);
            return;
        }
}

}  // namespace

HRESULT CoRegisterClassObject(REFCLSID clsid, IClassFactory* factory, DWORD context, DWORD, DWORD* cookie)
{
    static DWORD lastCookie = 0;
    if (!factory || !cookie || context == 0)
        return E_INVALIDARG;
    RevokeClass(clsid);
    factory->AddRef();
    *cookie = ++lastCookie;
    Registrations()[*cookie] = {clsid, factory, context};
    return S_OK;
}

HRESULT CoRevokeClassObject(DWORD cookie)
{
    auto found = Registrations().find(cookie);
    if (found == Registrations().end())
        return E_INVALIDARG;
    IClassFactory* factory = found->second.factory;
    Registrations().erase(found);
    factory->Release();
    return S_OK;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** object)
{
    if (!object)
        return E_INVALIDARG;
    *object = nullptr;
    if (!OleIsInitialized())
        return CO_E_NOTINITIALIZED;
    const Registration* registration = Find(clsid);
    if (!registration || !(registration->context & context))
        return REGDB_E_CLASSNOTREG;
    return registration->factory->CreateInstance(outer, riid, object);
}
