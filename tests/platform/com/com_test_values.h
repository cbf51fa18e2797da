#pragma once
// What the COM and browser tests build again and again: a variant of a type,
// and an object with nothing but IUnknown that counts its references.

#include "platform/com/unknown.h"
#include "platform/com/variant.h"

inline VARIANT Of(VARTYPE vt)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    return v;
}

inline VARIANT Long(LONG value)
{
    VARIANT v = Of(VT_I4);
    v.lVal = value;
    return v;
}

// It lives where the test puts it: the count only tells what the code kept.
class Plain : public IUnknown {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        *object = riid == IID_IUnknown ? this : nullptr;
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }

    ULONG refs = 1;
};
