#pragma once
// Automation arrays: a header with the element size and bounds, owning its
// elements (strings, variants and interface references are copied in and freed with it).

#include "platform/com/base_types.h"
#include "platform/com/result_codes.h"
#include "platform/com/variant.h"

struct SAFEARRAYBOUND {
    ULONG cElements;
    LONG lLbound;
};

constexpr USHORT FADF_BSTR = 0x0100;
constexpr USHORT FADF_UNKNOWN = 0x0200;
constexpr USHORT FADF_DISPATCH = 0x0400;
constexpr USHORT FADF_VARIANT = 0x0800;

struct SAFEARRAY {
    USHORT cDims;
    USHORT fFeatures;
    ULONG cbElements;
    ULONG cLocks;
    void* pvData;
    SAFEARRAYBOUND rgsabound[1];  // cDims entries, the first dimension first
};

// Null for an element type that arrays cannot hold or for no dimension.
SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT dims, const SAFEARRAYBOUND* bounds);
HRESULT SafeArrayDestroy(SAFEARRAY* array);
// Stores a copy: a string is duplicated, a variant deep-copied, an interface
// given a reference. Strings and interfaces are passed as themselves, any
// other element by its address.
HRESULT SafeArrayPutElement(SAFEARRAY* array, const LONG* indices, const void* element);
// Writes a copy, made in the same way, to the given address; the caller owns it.
HRESULT SafeArrayGetElement(SAFEARRAY* array, const LONG* indices, void* element);
HRESULT SafeArrayCopy(SAFEARRAY* source, SAFEARRAY** copy);
