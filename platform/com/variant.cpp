#include "platform/com/variant.h"

#include "platform/com/dispatch.h"
#include "platform/com/safe_array.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

// A variant's value read as one of the three kinds the conversions work in.
struct Scalar {
    enum class Kind { Integer, Real, Text } kind = Kind::Integer;
    LONGLONG integer = 0;
    double real = 0;
    std::string text;

    double AsReal() const { return kind == Kind::Integer ? double(integer) : real; }
};

bool OwnsNothing(VARTYPE vt)
{
    return (vt & VT_BYREF) != 0;
}

VARIANT Dereferenced(const VARIANT& source)
{
    if (!(source.vt & VT_BYREF))
        return source;
    VARIANT v;
    VariantInit(&v);
    const VARTYPE base = source.vt & ~VT_BYREF;
    if (base == VT_VARIANT)
        return source.pvarVal ? Dereferenced(*source.pvarVal) : v;
    v.vt = base;
    if (!source.byref)
        return v;
    if (base & VT_ARRAY) {
        v.parray = *source.pparray;
        return v;
    }
    switch (base) {
    case VT_I1: case VT_UI1: v.bVal = *source.pbVal; break;
    case VT_I2: case VT_UI2: case VT_BOOL: v.iVal = *source.piVal; break;
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_ERROR: v.lVal = *source.plVal; break;
    case VT_I8: case VT_UI8: case VT_CY: v.llVal = *source.pllVal; break;
    case VT_R4: v.fltVal = *source.pfltVal; break;
    case VT_R8: case VT_DATE: v.dblVal = *source.pdblVal; break;
    case VT_BSTR: v.bstrVal = *source.pbstrVal; break;
    case VT_DISPATCH: case VT_UNKNOWN: v.punkVal = *source.ppunkVal; break;
    case VT_DECIMAL: v.decVal = *source.pdecVal; v.vt = VT_DECIMAL; break;
    default: v.vt = VT_EMPTY; break;
    }
    return v;
}

std::string Narrowed(BSTR text)
{
    std::string narrow;
    for (UINT i = 0; i < SysStringLen(text); ++i)
        narrow += text[i] < 0x80 ? char(text[i]) : '?';
    return narrow;
}

bool ParseNumber(const std::string& text, Scalar* out)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin)
        return false;
    while (*end == ' ')
        ++end;
    if (*end)
        return false;
    out->kind = Scalar::Kind::Real;
    out->real = value;
    return true;
}

HRESULT ReadScalar(const VARIANT& v, Scalar* out)
{
    switch (v.vt) {
    case VT_EMPTY: return S_OK;
    case VT_I1: out->integer = v.cVal; return S_OK;
    case VT_UI1: out->integer = v.bVal; return S_OK;
    case VT_I2: out->integer = v.iVal; return S_OK;
    case VT_UI2: out->integer = v.uiVal; return S_OK;
    case VT_I4: case VT_INT: out->integer = v.lVal; return S_OK;
    case VT_UI4: case VT_UINT: out->integer = v.ulVal; return S_OK;
    case VT_I8: out->integer = v.llVal; return S_OK;
    case VT_UI8:
        if (v.ullVal > ULONGLONG(std::numeric_limits<LONGLONG>::max()))
            return DISP_E_OVERFLOW;
        out->integer = LONGLONG(v.ullVal);
        return S_OK;
    case VT_BOOL: out->integer = v.boolVal ? VARIANT_TRUE : VARIANT_FALSE; return S_OK;
    case VT_R4: out->kind = Scalar::Kind::Real; out->real = v.fltVal; return S_OK;
    case VT_R8: case VT_DATE: out->kind = Scalar::Kind::Real; out->real = v.dblVal; return S_OK;
    case VT_CY: out->kind = Scalar::Kind::Real; out->real = v.cyVal.int64 / 10000.0; return S_OK;
    case VT_DECIMAL: out->kind = Scalar::Kind::Real; return VarR8FromDec(&v.decVal, &out->real);
    case VT_BSTR:
        out->kind = Scalar::Kind::Text;
        out->text = Narrowed(v.bstrVal);
        return S_OK;
    case VT_NULL: case VT_DISPATCH: case VT_UNKNOWN: case VT_ERROR: return DISP_E_TYPEMISMATCH;
    default: return DISP_E_BADVARTYPE;
    }
}

// Text reaches a numeric type only when it reads as a number.
HRESULT Numeric(Scalar* value, bool allowWords)
{
    if (value->kind != Scalar::Kind::Text)
        return S_OK;
    if (allowWords && (value->text == "True" || value->text == "False")) {
        value->kind = Scalar::Kind::Integer;
        value->integer = value->text == "True" ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    return ParseNumber(value->text, value) ? S_OK : DISP_E_TYPEMISMATCH;
}

// Reals become integers rounded half to even, as the platform rounds them.
HRESULT ToInteger(const Scalar& value, LONGLONG low, LONGLONG high, LONGLONG* out)
{
    if (value.kind == Scalar::Kind::Integer) {
        if (value.integer < low || value.integer > high)
            return DISP_E_OVERFLOW;
        *out = value.integer;
        return S_OK;
    }
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value.real);
    std::fesetround(mode);
    if (!(rounded >= double(low) && rounded <= double(high)))
        return DISP_E_OVERFLOW;
    *out = LONGLONG(rounded);
    return S_OK;
}

BSTR WideCopy(const std::string& ascii)
{
    std::u16string wide(ascii.begin(), ascii.end());
    return SysAllocStringLen(wide.data(), UINT(wide.size()));
}

std::string Formatted(const Scalar& value, VARTYPE sourceType, USHORT flags)
{
    if (sourceType == VT_BOOL && (flags & VARIANT_ALPHABOOL))
        return value.integer ? "True" : "False";
    if (value.kind == Scalar::Kind::Integer)
        return std::to_string(value.integer);
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value.real);
    return text;
}

struct IntegerRange {
    VARTYPE vt;
    LONGLONG low;
    LONGLONG high;
};

const IntegerRange IntegerRanges[] = {
    {VT_I1, -128, 127},
    {VT_UI1, 0, 255},
    {VT_I2, -32768, 32767},
    {VT_UI2, 0, 65535},
    {VT_I4, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()},
    {VT_INT, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()},
    {VT_UI4, 0, std::numeric_limits<ULONG>::max()},
    {VT_UINT, 0, std::numeric_limits<ULONG>::max()},
    {VT_I8, std::numeric_limits<LONGLONG>::min(), std::numeric_limits<LONGLONG>::max()},
    {VT_UI8, 0, std::numeric_limits<LONGLONG>::max()},
};

HRESULT WriteInteger(Scalar value, VARTYPE type, VARIANT* out)
{
    for (const IntegerRange& range : IntegerRanges) {
        if (range.vt != type)
            continue;
        const HRESULT numeric = Numeric(&value, false);
        if (FAILED(numeric))
            return numeric;
        LONGLONG integer = 0;
        const HRESULT hr = ToInteger(value, range.low, range.high, &integer);
        if (SUCCEEDED(hr)) {
            out->vt = type;
            out->llVal = 0;
            if (type == VT_I8 || type == VT_UI8)
                out->llVal = integer;
            else if (type == VT_I1 || type == VT_UI1)
                out->bVal = BYTE(integer);
            else if (type == VT_I2 || type == VT_UI2)
                out->iVal = SHORT(integer);
            else
                out->lVal = LONG(integer);
        }
        return hr;
    }
    return DISP_E_BADVARTYPE;
}

HRESULT WriteReal(Scalar value, VARTYPE type, VARIANT* out)
{
    const HRESULT numeric = Numeric(&value, false);
    if (FAILED(numeric))
        return numeric;
    const double real = value.AsReal();
    switch (type) {
    case VT_R4:
        if (std::fabs(real) > std::numeric_limits<float>::max())
            return DISP_E_OVERFLOW;
        out->fltVal = float(real);
        break;
    case VT_R8:
        out->dblVal = real;
        break;
    case VT_DATE: {
        SYSTEMTIME check;
        if (!VariantTimeToSystemTime(real, &check))
            return DISP_E_OVERFLOW;
        out->date = real;
        break;
    }
    case VT_CY:
        if (std::fabs(real) >= 922337203685477.0)
            return DISP_E_OVERFLOW;
        out->cyVal.int64 = std::llround(real * 10000.0);
        break;
    default:
        return DISP_E_BADVARTYPE;
    }
    out->vt = type;
    return S_OK;
}

HRESULT WriteConverted(const Scalar& value, VARTYPE sourceType, USHORT flags, VARTYPE type, VARIANT* out)
{
    switch (type) {
    case VT_EMPTY:
        out->vt = VT_EMPTY;
        return S_OK;
    case VT_BOOL: {
        Scalar number = value;
        const HRESULT numeric = Numeric(&number, true);
        if (FAILED(numeric))
            return numeric;
        out->vt = VT_BOOL;
        out->boolVal = number.AsReal() != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    case VT_BSTR:
        if (sourceType == VT_DATE)
            return DISP_E_TYPEMISMATCH;
        out->vt = VT_BSTR;
        out->bstrVal = WideCopy(value.kind == Scalar::Kind::Text ? value.text : Formatted(value, sourceType, flags));
        return out->bstrVal ? S_OK : E_OUTOFMEMORY;
    case VT_DECIMAL: {
        Scalar number = value;
        const HRESULT numeric = Numeric(&number, false);
        if (FAILED(numeric))
            return numeric;
        DECIMAL decimal;
        const HRESULT hr = VarDecFromR8(number.AsReal(), &decimal);
        if (SUCCEEDED(hr))
            out->decVal = decimal;  // overwrites the type tag: set it after
        out->vt = VT_DECIMAL;
        return hr;
    }
    case VT_R4: case VT_R8: case VT_DATE: case VT_CY:
        if (sourceType == VT_BSTR && type == VT_DATE)
            return DISP_E_TYPEMISMATCH;
        return WriteReal(value, type, out);
    default:
        return WriteInteger(value, type, out);
    }
}

}  // namespace

void VariantInit(VARIANTARG* v)
{
    std::memset(v, 0, sizeof(VARIANTARG));
    v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANTARG* v)
{
    if (!v)
        return E_INVALIDARG;
    if (!OwnsNothing(v->vt)) {
        if (v->vt & VT_ARRAY)
            SafeArrayDestroy(v->parray);
        else if (v->vt == VT_BSTR)
            SysFreeString(v->bstrVal);
        else if ((v->vt == VT_UNKNOWN || v->vt == VT_DISPATCH) && v->punkVal)
            v->punkVal->Release();
    }
    VariantInit(v);
    return S_OK;
}

HRESULT VariantCopy(VARIANTARG* destination, const VARIANTARG* source)
{
    if (!destination || !source)
        return E_INVALIDARG;
    VARIANT copy = *source;
    if (!OwnsNothing(source->vt)) {
        if (source->vt & VT_ARRAY) {
            const HRESULT hr = SafeArrayCopy(source->parray, &copy.parray);
            if (FAILED(hr))
                return hr;
        } else if (source->vt == VT_BSTR && source->bstrVal) {
            copy.bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
        } else if ((source->vt == VT_UNKNOWN || source->vt == VT_DISPATCH) && source->punkVal) {
            source->punkVal->AddRef();
        }
    }
    if (destination != source)
        VariantClear(destination);
    *destination = copy;
    return S_OK;
}

HRESULT VariantChangeType(VARIANTARG* destination, const VARIANTARG* source, USHORT flags, VARTYPE type)
{
    if (!destination || !source)
        return E_INVALIDARG;
    const VARIANT value = Dereferenced(*source);
    if (value.vt == type)
        return destination == source ? S_OK : VariantCopy(destination, &value);
    if (type & (VT_ARRAY | VT_BYREF))
        return DISP_E_TYPEMISMATCH;
    VARIANT result;
    VariantInit(&result);
    if (type == VT_NULL) {
        if (value.vt != VT_EMPTY)
            return DISP_E_TYPEMISMATCH;
        result.vt = VT_NULL;
    } else {
        Scalar scalar;
        HRESULT hr = (value.vt & VT_ARRAY) ? DISP_E_TYPEMISMATCH : ReadScalar(value, &scalar);
        if (SUCCEEDED(hr))
            hr = WriteConverted(scalar, value.vt, flags, type, &result);
        if (FAILED(hr))
            return hr;
    }
    VariantClear(destination);
    *destination = result;
    return S_OK;
}
