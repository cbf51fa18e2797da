#include "platform/com/variant.h"

#include "com_test_values.h"

#include <gtest/gtest.h>

#include <string>

namespace {

VARIANT Real(double value)
{
    VARIANT v = Of(VT_R8);
    v.dblVal = value;
    return v;
}

VARIANT Changed(VARIANT in, VARTYPE type, HRESULT expected = S_OK, USHORT flags = 0)
{
    VARIANT out = Of(VT_EMPTY);
    EXPECT_EQ(VariantChangeType(&out, &in, flags, type), expected) << type;
    return out;
}

// The text of a string variant, which is then freed.
std::u16string TextOf(VARIANT v)
{
    EXPECT_EQ(v.vt, VT_BSTR);
    std::u16string text(v.bstrVal, SysStringLen(v.bstrVal));
    VariantClear(&v);
    return text;
}

}  // namespace

TEST(Bstr, KeepsItsLengthAndEmbeddedZeros)
{
    const OLECHAR text[] = {u'a', 0, u'b'};
    BSTR s = SysAllocStringLen(text, 3);
    EXPECT_EQ(SysStringLen(s), 3u);
    EXPECT_EQ(s[1], 0);
    EXPECT_EQ(s[3], 0);  // always ended by a zero
    SysFreeString(s);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    SysFreeString(nullptr);
}

TEST(Variant, ClearAndCopyCountReferencesButLeaveReferencedValuesAlone)
{
    Plain object;
    VARIANT unknown = Of(VT_UNKNOWN);
    unknown.punkVal = &object;
    VARIANT copy = Of(VT_EMPTY);
    ASSERT_EQ(VariantCopy(&copy, &unknown), S_OK);
    EXPECT_EQ(object.refs, 2u);
    EXPECT_EQ(VariantClear(&copy), S_OK);
    EXPECT_EQ(object.refs, 1u);
    EXPECT_EQ(copy.vt, VT_EMPTY);

    IUnknown* pointer = &object;
    VARIANT byReference = Of(VT_UNKNOWN | VT_BYREF);
    byReference.ppunkVal = &pointer;
    VariantClear(&byReference);
    EXPECT_EQ(object.refs, 1u);
}

TEST(VariantChangeType, RoundsRealsToEvenAndChecksRanges)
{
    EXPECT_EQ(Changed(Real(2.5), VT_I4).lVal, 2);
    EXPECT_EQ(Changed(Real(3.5), VT_I4).lVal, 4);
    EXPECT_EQ(Changed(Real(-2.5), VT_I2).iVal, -2);
    Changed(Long(70000), VT_I2, DISP_E_OVERFLOW);
    Changed(Long(-1), VT_UI1, DISP_E_OVERFLOW);
}

TEST(VariantChangeType, BooleansAreMinusOneOrZero)
{
    VARIANT flag = Of(VT_BOOL);
    flag.boolVal = VARIANT_TRUE;
    EXPECT_EQ(Changed(flag, VT_I4).lVal, -1);
    EXPECT_EQ(Changed(Real(0.25), VT_BOOL).boolVal, VARIANT_TRUE);
    EXPECT_EQ(TextOf(Changed(flag, VT_BSTR, S_OK, VARIANT_ALPHABOOL)), u"True");
    EXPECT_EQ(TextOf(Changed(flag, VT_BSTR)), u"-1");
}

TEST(VariantChangeType, ParsesAndFormatsText)
{
    VARIANT text = Of(VT_BSTR);
    text.bstrVal = SysAllocString(u"12.5");
    EXPECT_DOUBLE_EQ(Changed(text, VT_R8).dblVal, 12.5);
    // In place: the old string is freed and replaced by the number.
    ASSERT_EQ(VariantChangeType(&text, &text, 0, VT_R4), S_OK);
    EXPECT_EQ(text.vt, VT_R4);
    EXPECT_FLOAT_EQ(text.fltVal, 12.5f);

    VARIANT word = Of(VT_BSTR);
    word.bstrVal = SysAllocString(u"twelve");
    Changed(word, VT_I4, DISP_E_TYPEMISMATCH);
    VariantClear(&word);
    EXPECT_EQ(TextOf(Changed(Long(-42), VT_BSTR)), u"-42");
}

TEST(VariantChangeType, ReadsThroughReferencesAndRefusesNullAndArrays)
{
    SHORT value = -7;
    VARIANT reference = Of(VT_I2 | VT_BYREF);
    reference.piVal = &value;
    EXPECT_DOUBLE_EQ(Changed(reference, VT_R8).dblVal, -7.0);
    Changed(Of(VT_NULL), VT_I4, DISP_E_TYPEMISMATCH);
    Changed(Long(0), VT_ARRAY, DISP_E_TYPEMISMATCH);
    // A direct VT_VARIANT holds no value that could be converted.
    VARIANT nested = Of(VT_VARIANT);
    VARIANT out = Of(VT_EMPTY);
    EXPECT_FALSE(SUCCEEDED(VariantChangeType(&out, &nested, 0, VT_I4)));
}

TEST(VariantChangeType, DatesAndDecimalsTravelAsNumbers)
{
    VARIANT date = Of(VT_DATE);
    date.date = 36526.5;
    EXPECT_DOUBLE_EQ(Changed(date, VT_R8).dblVal, 36526.5);
    VARIANT decimal = Changed(date, VT_DECIMAL);
    EXPECT_EQ(decimal.vt, VT_DECIMAL);
    double back = 0;
    VarR8FromDec(&decimal.decVal, &back);
    EXPECT_DOUBLE_EQ(back, 36526.5);
    Changed(Real(1e12), VT_DATE, DISP_E_OVERFLOW);
}
