#pragma once
// The root interface of every COM object, the class factory that creates
// objects for a class id, and the interfaces that are only passed along.

#include "platform/com/guid.h"
#include "platform/com/result_codes.h"

class IUnknown {
public:
    virtual HRESULT QueryInterface(REFIID riid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

class IClassFactory : public IUnknown {
public:
    virtual HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) = 0;
    virtual HRESULT LockServer(BOOL lock) = 0;

protected:
    ~IClassFactory() = default;
};

// Interfaces that travel through the calls of the browser host without being
// called by it: declared so that the signatures read as on the platform.
#define QUILLORY_PASSED_INTERFACE(name)   \
    class name : public IUnknown {        \
    protected:                            \
        ~name() = default;                \
    }
QUILLORY_PASSED_INTERFACE(IMoniker);
QUILLORY_PASSED_INTERFACE(IBindCtx);
QUILLORY_PASSED_INTERFACE(IStorage);
QUILLORY_PASSED_INTERFACE(IDataObject);
QUILLORY_PASSED_INTERFACE(IDropTarget);
QUILLORY_PASSED_INTERFACE(IEnumUnknown);
QUILLORY_PASSED_INTERFACE(IEnumOLEVERB);
QUILLORY_PASSED_INTERFACE(IEnumSTATDATA);
QUILLORY_PASSED_INTERFACE(IEnumConnections);
QUILLORY_PASSED_INTERFACE(IEnumConnectionPoints);
QUILLORY_PASSED_INTERFACE(ITypeLib);
QUILLORY_PASSED_INTERFACE(ITypeComp);
#undef QUILLORY_PASSED_INTERFACE
