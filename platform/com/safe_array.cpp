#include "platform/com/safe_array.h"

#include "platform/com/unknown.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct ElementKind {
    VARTYPE vt;
    ULONG size;
    USHORT features;
};

const ElementKind ElementKinds[] = {
    {VT_I1, 1, 0},        {VT_UI1, 1, 0},       {VT_I2, 2, 0},      {VT_UI2, 2, 0},
    {VT_BOOL, 2, 0},      {VT_I4, 4, 0},        {VT_UI4, 4, 0},     {VT_INT, 4, 0},
    {VT_UINT, 4, 0},      {VT_ERROR, 4, 0},     {VT_R4, 4, 0},      {VT_I8, 8, 0},
    {VT_UI8, 8, 0},       {VT_R8, 8, 0},        {VT_CY, 8, 0},      {VT_DATE, 8, 0},
    {VT_DECIMAL, sizeof(DECIMAL), 0},
    {VT_BSTR, sizeof(BSTR), FADF_BSTR},
    {VT_UNKNOWN, sizeof(IUnknown*), FADF_UNKNOWN},
    {VT_DISPATCH, sizeof(IUnknown*), FADF_DISPATCH},
    {VT_VARIANT, sizeof(VARIANT), FADF_VARIANT},
};

const ElementKind* KindOf(VARTYPE vt)
{
    for (const ElementKind& kind : ElementKinds)
        if (kind.vt == vt)
            return &kind;
    return nullptr;
}

ULONG ElementCount(const SAFEARRAY& array)
{
    ULONG count = 1;
    for (USHORT d = 0; d < array.cDims; ++d)
        count *= array.rgsabound[d].cElements;
    return count;
}

std::size_t HeaderSize(UINT dims)
{
    return sizeof(SAFEARRAY) + (dims - 1) * sizeof(SAFEARRAYBOUND);
}

// The first index varies fastest, as in the platform's arrays.
bool ElementAt(SAFEARRAY* array, const LONG* indices, void** element)
{
    std::size_t offset = 0;
    std::size_t stride = 1;
    for (USHORT d = 0; d < array->cDims; ++d) {
        const SAFEARRAYBOUND& bound = array->rgsabound[d];
        const LONG position = indices[d] - bound.lLbound;
        if (indices[d] < bound.lLbound || ULONG(position) >= bound.cElements)
            return false;
        offset += position * stride;
        stride *= bound.cElements;
    }
    *element = static_cast<BYTE*>(array->pvData) + offset * array->cbElements;
    return true;
}

HRESULT CopyElement(USHORT features, ULONG size, const void* from, void* to)
{
    if (features & FADF_VARIANT) {
        VariantInit(static_cast<VARIANT*>(to));
        return VariantCopy(static_cast<VARIANT*>(to), static_cast<const VARIANT*>(from));
    }
    if (features & FADF_BSTR) {
        const BSTR text = *static_cast<const BSTR*>(from);
        *static_cast<BSTR*>(to) = text ? SysAllocStringLen(text, SysStringLen(text)) : nullptr;
        return S_OK;
    }
    if (features & (FADF_UNKNOWN | FADF_DISPATCH)) {
        IUnknown* object = *static_cast<IUnknown* const*>(from);
        if (object)
            object->AddRef();
    }
    std::memcpy(to, from, size);
    return S_OK;
}

void FreeElement(USHORT features, void* element)
{
    if (features & FADF_VARIANT)
        VariantClear(static_cast<VARIANT*>(element));
    else if (features & FADF_BSTR)
        SysFreeString(*static_cast<BSTR*>(element));
    else if (features & (FADF_UNKNOWN | FADF_DISPATCH)) {
        IUnknown* object = *static_cast<IUnknown**>(element);
        if (object)
            object->Release();
    }
}

void FreeElements(SAFEARRAY* array)
{
    const ULONG count = ElementCount(*array);
    for (ULONG i = 0; i < count; ++i)
        FreeElement(array->fFeatures, static_cast<BYTE*>(array->pvData) + i * array->cbElements);
}

}  // namespace

SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT dims, const SAFEARRAYBOUND* bounds)
{
    const ElementKind* kind = KindOf(vt);
    if (!kind || dims == 0 || !bounds)
        return nullptr;
    auto* array = static_cast<SAFEARRAY*>(std::calloc(1, HeaderSize(dims)));
    if (!array)
        return nullptr;
    array->cDims = static_cast<USHORT>(dims);
    array->fFeatures = kind->features;
    array->cbElements = kind->size;
    std::memcpy(array->rgsabound, bounds, dims * sizeof(SAFEARRAYBOUND));
    array->pvData = std::calloc(ElementCount(*array) ? ElementCount(*array) : 1, kind->size);
    if (!array->pvData) {
        std::free(array);
        return nullptr;
    }
    return array;
}

HRESULT SafeArrayDestroy(SAFEARRAY* array)
{
    if (!array)
        return S_OK;
    if (array->cLocks)
        return DISP_E_ARRAYISLOCKED;
    FreeElements(array);
    std::free(array->pvData);
    std::free(array);
    return S_OK;
}

HRESULT SafeArrayPutElement(SAFEARRAY* array, const LONG* indices, const void* element)
{
    if (!array || !indices)
        return E_INVALIDARG;
    // Strings and interfaces are passed as themselves, everything else by address.
    const bool passedAsItself = (array->fFeatures & (FADF_BSTR | FADF_UNKNOWN | FADF_DISPATCH)) != 0;
    if (!element && !passedAsItself)
        return E_INVALIDARG;
    void* slot = nullptr;
    if (!ElementAt(array, indices, &slot))
        return DISP_E_BADINDEX;
    const void* source = passedAsItself ? static_cast<const void*>(&element) : element;
    // The copy comes first: the element may be the one it replaces.
    std::vector<BYTE> copy(array->cbElements);
    const HRESULT hr = CopyElement(array->fFeatures, array->cbElements, source, copy.data());
    if (FAILED(hr))
        return hr;
    FreeElement(array->fFeatures, slot);
    std::memcpy(slot, copy.data(), array->cbElements);
    return S_OK;
}

HRESULT SafeArrayGetElement(SAFEARRAY* array, const LONG* indices, void* element)
{
    void* slot = nullptr;
    if (!array || !indices || !element)
        return E_INVALIDARG;
    if (!ElementAt(array, indices, &slot))
        return DISP_E_BADINDEX;
    return CopyElement(array->fFeatures, array->cbElements, slot, element);
}

HRESULT SafeArrayCopy(SAFEARRAY* source, SAFEARRAY** copy)
{
    if (!source || !copy)
        return E_INVALIDARG;
    auto* array = static_cast<SAFEARRAY*>(std::malloc(HeaderSize(source->cDims)));
    const ULONG count = ElementCount(*source);
    void* data = std::calloc(count ? count : 1, source->cbElements);
    if (!array || !data) {
        std::free(array);
        std::free(data);
        return E_OUTOFMEMORY;
    }
    std::memcpy(array, source, HeaderSize(source->cDims));
    array->cLocks = 0;
    array->pvData = data;
    for (ULONG i = 0; i < count; ++i) {
        const std::size_t offset = std::size_t(i) * source->cbElements;
        CopyElement(source->fFeatures, source->cbElements, static_cast<BYTE*>(source->pvData) + offset,
                    static_cast<BYTE*>(data) + offset);
    }
    *copy = array;
    return S_OK;
}
