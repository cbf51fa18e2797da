#include "platform/com/variant.h"

#include "platform/com/safe_array.h"
#include "platform/com/unknown.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string Text(BSTR text)
{
    return std::u16string(text, SysStringLen(text));
}

struct Counted : IUnknown {
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    ULONG refs = 1;
};

VARIANT Of(VARTYPE vt)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    return v;
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

TEST(Variant, ClearFreesWhatItOwnsButNotWhatItPointsTo)
{
    Counted object;
    VARIANT v = Of(VT_UNKNOWN);
    object.AddRef();
    v.punkVal = &object;
    EXPECT_EQ(VariantClear(&v), S_OK);
    EXPECT_EQ(object.refs, 1u);
    EXPECT_EQ(v.vt, VT_EMPTY);

    IUnknown* pointer = &object;
    VARIANT byReference = Of(VT_UNKNOWN | VT_BYREF);
    byReference.ppunkVal = &pointer;
    VariantClear(&byReference);
    EXPECT_EQ(object.refs, 1u);
}

TEST(Variant, CopyDuplicatesStringsAndCountsInterfaces)
{
    Counted object;
    VARIANT unknown = Of(VT_UNKNOWN);
    unknown.punkVal = &object;
    VARIANT copy = Of(VT_EMPTY);
    ASSERT_EQ(VariantCopy(&copy, &unknown), S_OK);
    EXPECT_EQ(object.refs, 2u);
    VariantClear(&copy);
    EXPECT_EQ(object.refs, 1u);

    VARIANT text = Of(VT_BSTR);
    text.bstrVal = SysAllocString(u"page");
    ASSERT_EQ(VariantCopy(&copy, &text), S_OK);
    EXPECT_NE(copy.bstrVal, text.bstrVal);
    EXPECT_EQ(Text(copy.bstrVal), u"page");
    VariantClear(&copy);
    VariantClear(&text);
}

TEST(VariantChangeType, RoundsRealsToEvenAndChecksRanges)
{
    VARIANT real = Of(VT_R8);
    VARIANT out = Of(VT_EMPTY);
    real.dblVal = 2.5;
    ASSERT_EQ(VariantChangeType(&out, &real, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, 2);
    real.dblVal = 3.5;
    VariantChangeType(&out, &real, 0, VT_I4);
    EXPECT_EQ(out.lVal, 4);
    real.dblVal = -2.5;
    VariantChangeType(&out, &real, 0, VT_I2);
    EXPECT_EQ(out.iVal, -2);

    VARIANT big = Of(VT_I4);
    big.lVal = 70000;
    EXPECT_EQ(VariantChangeType(&out, &big, 0, VT_I2), DISP_E_OVERFLOW);
    big.lVal = -1;
    EXPECT_EQ(VariantChangeType(&out, &big, 0, VT_UI1), DISP_E_OVERFLOW);
}

TEST(VariantChangeType, BooleansAreMinusOneOrZero)
{
    VARIANT flag = Of(VT_BOOL);
    VARIANT out = Of(VT_EMPTY);
    flag.boolVal = VARIANT_TRUE;
    ASSERT_EQ(VariantChangeType(&out, &flag, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, -1);

    VARIANT number = Of(VT_R8);
    number.dblVal = 0.25;
    ASSERT_EQ(VariantChangeType(&out, &number, 0, VT_BOOL), S_OK);
    EXPECT_EQ(out.boolVal, VARIANT_TRUE);

    ASSERT_EQ(VariantChangeType(&out, &flag, VARIANT_ALPHABOOL, VT_BSTR), S_OK);
    EXPECT_EQ(Text(out.bstrVal), u"True");
    VariantClear(&out);
    ASSERT_EQ(VariantChangeType(&out, &flag, 0, VT_BSTR), S_OK);
    EXPECT_EQ(Text(out.bstrVal), u"-1");
    VariantClear(&out);
}

TEST(VariantChangeType, ParsesAndFormatsText)
{
    VARIANT text = Of(VT_BSTR);
    text.bstrVal = SysAllocString(u"12.5");
    VARIANT out = Of(VT_EMPTY);
    ASSERT_EQ(VariantChangeType(&out, &text, 0, VT_R8), S_OK);
    EXPECT_DOUBLE_EQ(out.dblVal, 12.5);
    ASSERT_EQ(VariantChangeType(&out, &text, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, 12);  // 12.5 to even

    // In place: the old string is freed and replaced by the number.
    ASSERT_EQ(VariantChangeType(&text, &text, 0, VT_R4), S_OK);
    EXPECT_EQ(text.vt, VT_R4);
    EXPECT_FLOAT_EQ(text.fltVal, 12.5f);

    VARIANT word = Of(VT_BSTR);
    word.bstrVal = SysAllocString(u"twelve");
    EXPECT_EQ(VariantChangeType(&out, &word, 0, VT_I4), DISP_E_TYPEMISMATCH);
    VariantClear(&word);

    VARIANT number = Of(VT_I4);
    number.lVal = -42;
    ASSERT_EQ(VariantChangeType(&out, &number, 0, VT_BSTR), S_OK);
    EXPECT_EQ(Text(out.bstrVal), u"-42");
    VariantClear(&out);
}

TEST(VariantChangeType, ReadsThroughReferencesAndRefusesNullAndArrays)
{
    SHORT value = -7;
    VARIANT reference = Of(VT_I2 | VT_BYREF);
    reference.piVal = &value;
    VARIANT out = Of(VT_EMPTY);
    ASSERT_EQ(VariantChangeType(&out, &reference, 0, VT_R8), S_OK);
    EXPECT_DOUBLE_EQ(out.dblVal, -7.0);

    VARIANT null = Of(VT_NULL);
    EXPECT_EQ(VariantChangeType(&out, &null, 0, VT_I4), DISP_E_TYPEMISMATCH);
    VARIANT number = Of(VT_I4);
    EXPECT_EQ(VariantChangeType(&out, &number, 0, VT_ARRAY), DISP_E_TYPEMISMATCH);
    // A direct VT_VARIANT holds no value that could be converted.
    VARIANT nested = Of(VT_VARIANT);
    EXPECT_FALSE(SUCCEEDED(VariantChangeType(&out, &nested, 0, VT_I4)));
}

TEST(VariantChangeType, DatesAndDecimalsTravelAsNumbers)
{
    VARIANT date = Of(VT_DATE);
    date.date = 36526.5;
    VARIANT out = Of(VT_EMPTY);
    ASSERT_EQ(VariantChangeType(&out, &date, 0, VT_R8), S_OK);
    EXPECT_DOUBLE_EQ(out.dblVal, 36526.5);
    ASSERT_EQ(VariantChangeType(&out, &date, 0, VT_DECIMAL), S_OK);
    EXPECT_EQ(out.vt, VT_DECIMAL);
    double back = 0;
    VarR8FromDec(&out.decVal, &back);
    EXPECT_DOUBLE_EQ(back, 36526.5);

    VARIANT huge = Of(VT_R8);
    huge.dblVal = 1e12;
    EXPECT_EQ(VariantChangeType(&out, &huge, 0, VT_DATE), DISP_E_OVERFLOW);
}
