#include "browser/variant_conversion.h"

#include "platform/com/com_test_values.h"
#include "platform/win/bstr_text.h"

#include <gtest/gtest.h>

namespace {

wxVariant Converted(const VARIANT& argument)
{
    wxVariant target;
    target.SetName("kept");
    VariantToWxVariant(argument, target);
    EXPECT_EQ(target.GetName(), "kept");
    return target;
}

}  // namespace

TEST(VariantToWxVariant, IntegersKeepTheirSignedness)
{
    VARIANT small = Of(VT_I2);
    small.iVal = -2;
    EXPECT_EQ(Converted(small).GetLong(), -2);
    VARIANT unsignedSmall = Of(VT_UI2);
    unsignedSmall.uiVal = 65534;
    EXPECT_EQ(Converted(unsignedSmall).GetLong(), 65534);
    VARIANT error = Of(VT_ERROR);
    error.scode = E_FAIL;
    const wxVariant code = Converted(error);
    ASSERT_EQ(code.GetType(), "long");
    EXPECT_EQ(code.GetLong(), long(E_FAIL));
    VARIANT byte = Of(VT_UI1);
    byte.bVal = 'z';
    EXPECT_EQ(Converted(byte).GetType(), "char");
    EXPECT_EQ(Converted(byte).GetChar(), wxUniChar('z'));
}

TEST(VariantToWxVariant, ReadsThroughReferences)
{
    VARIANT_BOOL flag = VARIANT_TRUE;
    VARIANT reference = Of(VT_BOOL | VT_BYREF);
    reference.pboolVal = &flag;
    EXPECT_TRUE(Converted(reference).GetBool());
    flag = VARIANT_FALSE;
    EXPECT_FALSE(Converted(reference).GetBool());

    VARIANT inner = Of(VT_R8);
    inner.dblVal = 2.75;
    VARIANT nested = Of(VT_VARIANT | VT_BYREF);
    nested.pvarVal = &inner;
    EXPECT_DOUBLE_EQ(Converted(nested).GetDouble(), 2.75);
}

TEST(VariantToWxVariant, StringsDatesDecimalsAndPointers)
{
    VARIANT text = Of(VT_BSTR);
    text.bstrVal = StringToBstr(wxString::FromUTF8("caf\xC3\xA9 \xF0\x9F\x98\x80"));
    EXPECT_EQ(Converted(text).GetString(), wxString::FromUTF8("caf\xC3\xA9 \xF0\x9F\x98\x80"));
    VariantClear(&text);

    VARIANT date = Of(VT_DATE);
    date.date = 36526.5;
    EXPECT_EQ(Converted(date).GetDateTime(), wxDateTime(1, wxDateTime::Jan, 2000, 12, 0, 0));
    date.date = 1e9;  // beyond the calendar
    EXPECT_FALSE(Converted(date).GetDateTime().IsValid());

    VARIANT decimal = Of(VT_DECIMAL);
    VarDecFromR8(-12.5, &decimal.decVal);
    decimal.vt = VT_DECIMAL;
    EXPECT_DOUBLE_EQ(Converted(decimal).GetDouble(), -12.5);

    int object = 0;
    VARIANT unknown = Of(VT_UNKNOWN);
    unknown.punkVal = reinterpret_cast<IUnknown*>(&object);
    EXPECT_EQ(Converted(unknown).GetVoidPtr(), static_cast<void*>(&object));
}

TEST(VariantToWxVariant, UnconvertibleValuesBecomeNullAndArraysChangeNothing)
{
    EXPECT_TRUE(Converted(Of(VT_I8)).IsNull());
    wxVariant target(7L, "kept");
    VariantToWxVariant(Of(VT_ARRAY | VT_I4), target);
    EXPECT_EQ(target.GetLong(), 7);
    // A direct VT_VARIANT is no value; the conversion ends in null.
    VariantToWxVariant(Of(VT_VARIANT), target);
    EXPECT_TRUE(target.IsNull());
}

TEST(WxVariantToVariant, WritesAsTheArgumentsOwnTypeAsks)
{
    VARIANT small = Of(VT_I2);
    WxVariantToVariant(wxVariant(70000L), small);
    EXPECT_EQ(small.vt, VT_I2);
    EXPECT_EQ(small.iVal, 4464);  // the low 16 bits

    VARIANT flag = Of(VT_BOOL);
    WxVariantToVariant(wxVariant(true), flag);
    EXPECT_EQ(flag.boolVal, 1);

    float single = 0;
    VARIANT reference = Of(VT_R4 | VT_BYREF);
    reference.pfltVal = &single;
    WxVariantToVariant(wxVariant(1.5), reference);
    EXPECT_FLOAT_EQ(single, 1.5f);

    DATE date = 0;
    VARIANT dateReference = Of(VT_DATE | VT_BYREF);
    dateReference.pdate = &date;
    WxVariantToVariant(wxVariant(wxDateTime(1, wxDateTime::Jan, 2000, 6, 0, 0)), dateReference);
    EXPECT_DOUBLE_EQ(date, 36526.25);

    VARIANT array = Of(VT_ARRAY | VT_I4);
    WxVariantToVariant(wxVariant(5L), array);
    EXPECT_EQ(array.parray, nullptr);

    // A string by reference is replaced and the old one freed.
    BSTR text = SysAllocString(u"old");
    VARIANT textReference = Of(VT_BSTR | VT_BYREF);
    textReference.pbstrVal = &text;
    WxVariantToVariant(wxVariant(wxString("newer")), textReference);
    EXPECT_EQ(std::u16string(text), u"newer");
    SysFreeString(text);
}

TEST(WxVariantToVariant, ADirectVariantTakesTheSourcesTypeButNeverAListOrPointer)
{
    VARIANT direct = Of(VT_VARIANT);
    WxVariantToVariant(wxVariant(12L), direct);
    EXPECT_EQ(direct.vt, VT_I4);
    EXPECT_EQ(direct.lVal, 12);

    wxVariant list;
    list.NullList();
    EXPECT_EQ(VariantTypeFromName(list), VT_ARRAY);
    EXPECT_EQ(VariantTypeFromName(wxVariant()), VT_NULL);
    for (const wxVariant& source : {list, wxVariant(static_cast<void*>(nullptr))}) {
        VARIANT empty = Of(VT_VARIANT);
        WxVariantToVariant(source, empty);
        EXPECT_EQ(empty.vt, VT_EMPTY) << source.GetType();
        EXPECT_EQ(VariantClear(&empty), S_OK);
    }
}

TEST(DateConversions, RoundTripLocalTimesToTheSecond)
{
    const wxDateTime moment(29, wxDateTime::Feb, 2024, 23, 59, 58);
    DATE value = 0;
    ASSERT_TRUE(DateTimeToVariantTime(moment, value));
    wxDateTime back;
    ASSERT_TRUE(VariantTimeToDateTime(value, back));
    EXPECT_EQ(back, moment);
    EXPECT_FALSE(DateTimeToVariantTime(wxDateTime(), value));

    VARIANT text = Of(VT_BSTR);
    text.bstrVal = SysAllocString(u"not a date");
    EXPECT_FALSE(VariantToDateTime(text, back));
    VariantClear(&text);
    VARIANT number = Of(VT_R8);
    number.dblVal = 2.0;
    ASSERT_TRUE(VariantToDateTime(number, back));
    EXPECT_EQ(back, wxDateTime(1, wxDateTime::Jan, 1900));
}
