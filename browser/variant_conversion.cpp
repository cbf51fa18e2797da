#include "browser/variant_conversion.h"

#include "platform/win/bstr_text.h"

#include <map>

namespace {

// A by-reference argument read as a direct one, so one table serves both.
VARIANT ValueOf(const VARIANTARG& argument)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = argument.vt & ~VT_BYREF;
    if (!(argument.vt & VT_BYREF)) {
        value = argument;
        return value;
    }
    switch (value.vt) {
    case VT_I1: case VT_UI1: value.bVal = *argument.pbVal; break;
    case VT_I2: case VT_UI2: case VT_BOOL: value.iVal = *argument.piVal; break;
    case VT_I4: case VT_ERROR: case VT_UI4: case VT_INT: case VT_UINT: value.lVal = *argument.plVal; break;
    case VT_R4: value.fltVal = *argument.pfltVal; break;
    case VT_R8: case VT_DATE: value.dblVal = *argument.pdblVal; break;
    case VT_BSTR: value.bstrVal = *argument.pbstrVal; break;
    case VT_DISPATCH: case VT_UNKNOWN: value.punkVal = *argument.ppunkVal; break;
    case VT_DECIMAL: value.decVal = *argument.pdecVal; value.vt = VT_DECIMAL; break;
    default: value.byref = argument.byref; break;
    }
    return value;
}

void DirectVariantToWxVariant(const VARIANTARG& argument, wxVariant& target)
{
    VARIANT copy;
    VariantInit(&copy);
    // A direct VT_VARIANT is no valid value: what cannot be changed becomes null.
    if (FAILED(VariantChangeType(&copy, &argument, 0, VariantTypeFromName(target))) || copy.vt == VT_VARIANT) {
        target.MakeNull();
        return;
    }
    VariantToWxVariant(copy, target);
    VariantClear(&copy);
}

void DateToWxVariant(const VARIANTARG& argument, wxVariant& target)
{
    wxDateTime date;
    const bool converted = (argument.vt & VT_BYREF) ? VariantTimeToDateTime(*argument.pdate, date)
                                                     : VariantToDateTime(argument, date);
    target = converted ? date : wxDateTime();
}

// Strings are replaced, the old one freed.
void StoreString(const wxString& text, BSTR& slot)
{
    SysFreeString(slot);
    slot = StringToBstr(text);
}

void WriteByTable(const wxVariant& source, VARTYPE type, VARIANTARG& argument, bool byReference);

void WriteDirectVariant(const wxVariant& source, VARIANTARG& argument)
{
    const VARTYPE type = VariantTypeFromName(source);
    // Neither a list nor a bare pointer can stand in a direct variant.
    if (type == VT_ARRAY || type == (VT_BYREF | VT_VOID)) {
        argument.vt = VT_EMPTY;
        return;
    }
    argument.vt = type;
    WriteByTable(source, type, argument, false);
}

void WriteByTable(const wxVariant& source, VARTYPE type, VARIANTARG& argument, bool byReference)
{
    VARIANT* direct = byReference ? nullptr : &argument;
    switch (type) {
    case VT_I2: case VT_UI2:
        *(direct ? &direct->iVal : argument.piVal) = SHORT(source.GetLong());
        break;
    case VT_I4: case VT_ERROR: case VT_UI4: case VT_INT: case VT_UINT:
        *(direct ? &direct->lVal : argument.plVal) = LONG(source.GetLong());
        break;
    case VT_R4:
        *(direct ? &direct->fltVal : argument.pfltVal) = float(source.GetDouble());
        break;
    case VT_R8:
        *(direct ? &direct->dblVal : argument.pdblVal) = source.GetDouble();
        break;
    case VT_DATE:
        if (direct)
            DateTimeToVariant(source.GetDateTime(), argument);
        else
            DateTimeToVariantTime(source.GetDateTime(), *argument.pdate);
        break;
    case VT_BSTR:
        StoreString(source.GetString(), direct ? direct->bstrVal : *argument.pbstrVal);
        break;
    case VT_DISPATCH: case VT_UNKNOWN:
        *(direct ? &direct->punkVal : argument.ppunkVal) = static_cast<IUnknown*>(source.GetVoidPtr());
        break;
    case VT_BOOL:
        *(direct ? &direct->boolVal : argument.pboolVal) = source.GetBool() ? 1 : 0;
        break;
    case VT_VARIANT:
        if (direct)
            WriteDirectVariant(source, argument);
        else
            WxVariantToVariant(source, *argument.pvarVal);
        break;
    case VT_DECIMAL:
        VarDecFromR8(source.GetDouble(), direct ? &direct->decVal : argument.pdecVal);
        if (direct)
            direct->vt = VT_DECIMAL;
        break;
    case VT_I1: case VT_UI1:
        *(direct ? &direct->bVal : argument.pbVal) = BYTE(source.GetChar().GetValue());
        break;
    default:
        break;
    }
}

}  // namespace

VARTYPE VariantTypeFromName(const wxVariant& value)
{
    static const std::map<wxString, VARTYPE> types = {
        {"bool", VT_BOOL},     {"char", VT_I1},      {"datetime", VT_DATE}, {"date", VT_DATE},
        {"time", VT_DATE},     {"double", VT_R8},    {"long", VT_I4},       {"string", VT_BSTR},
        {"list", VT_ARRAY},    {"stringlist", VT_ARRAY}, {"void*", VT_BYREF | VT_VOID},
    };
    const auto found = types.find(value.GetType());
    return found == types.end() ? VARTYPE(VT_NULL) : found->second;
}

void VariantToWxVariant(const VARIANTARG& argument, wxVariant& target)
{
    if (argument.vt & VT_ARRAY)
        return;
    const VARTYPE type = argument.vt & ~VT_BYREF;
    if (type == VT_VARIANT) {
        if (argument.vt & VT_BYREF)
            VariantToWxVariant(*argument.pvarVal, target);
        else
            DirectVariantToWxVariant(argument, target);
        return;
    }
    if (type == VT_DATE) {
        DateToWxVariant(argument, target);
        return;
    }
    const VARIANT value = ValueOf(argument);
    switch (type) {
    case VT_I2: target = long(value.iVal); break;
    case VT_UI2: target = long(value.uiVal); break;
    case VT_I4: case VT_ERROR: case VT_UI4: case VT_INT: case VT_UINT: target = long(value.lVal); break;
    case VT_R4: target = double(value.fltVal); break;
    case VT_R8: target = value.dblVal; break;
    case VT_BSTR: target = BstrToString(value.bstrVal); break;
    case VT_DISPATCH: case VT_UNKNOWN: target = static_cast<void*>(value.punkVal); break;
    case VT_BOOL: target = value.boolVal != 0; break;
    case VT_DECIMAL: {
        double real = 0.0;
        target = SUCCEEDED(VarR8FromDec(&value.decVal, &real)) ? real : 0.0;
        break;
    }
    case VT_I1: case VT_UI1: target = wxUniChar(unsigned(value.bVal)); break;
    default: target.MakeNull(); break;
    }
}

void WxVariantToVariant(const wxVariant& source, VARIANTARG& argument)
{
    if (argument.vt & VT_ARRAY)
        return;
    WriteByTable(source, argument.vt & ~VT_BYREF, argument, (argument.vt & VT_BYREF) != 0);
}

bool DateTimeToVariantTime(const wxDateTime& date, DATE& out)
{
    if (!date.IsValid())
        return false;
    SYSTEMTIME time = {};
    time.wYear = WORD(date.GetYear());
    time.wMonth = WORD(date.GetMonth() + 1);
    time.wDay = WORD(date.GetDay());
    time.wHour = WORD(date.GetHour());
    time.wMinute = WORD(date.GetMinute());
    time.wSecond = WORD(date.GetSecond());
    time.wMilliseconds = WORD(date.GetMillisecond());
    return SystemTimeToVariantTime(&time, &out) != FALSE;
}

bool VariantTimeToDateTime(DATE value, wxDateTime& out)
{
    SYSTEMTIME time = {};
    if (!VariantTimeToSystemTime(value, &time))
        return false;
    out.Set(wxDateTime::wxDateTime_t(time.wDay), wxDateTime::Month(time.wMonth - 1), int(time.wYear),
            wxDateTime::wxDateTime_t(time.wHour), wxDateTime::wxDateTime_t(time.wMinute),
            wxDateTime::wxDateTime_t(time.wSecond), wxDateTime::wxDateTime_t(time.wMilliseconds));
    return true;
}

void DateTimeToVariant(const wxDateTime& date, VARIANT& variant)
{
    DateTimeToVariantTime(date, variant.date);
}

bool VariantToDateTime(VARIANT variant, wxDateTime& out)
{
    if (FAILED(VariantChangeType(&variant, &variant, 0, VT_DATE)))
        return false;
    return VariantTimeToDateTime(variant.date, out);
}
