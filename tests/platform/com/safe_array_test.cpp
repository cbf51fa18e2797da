#include "platform/com/safe_array.h"

#include <gtest/gtest.h>

#include <string>

TEST(SafeArray, HoldsCopiesOfVariantsAndFreesThem)
{
    SAFEARRAYBOUND bound = {2, 0};
    SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 1, &bound);
    ASSERT_NE(array, nullptr);
    VARIANT header;
    VariantInit(&header);
    header.vt = VT_BSTR;
    header.bstrVal = SysAllocString(u" ");
    LONG index = 0;
    ASSERT_EQ(SafeArrayPutElement(array, &index, &header), S_OK);
    VariantClear(&header);  // the array keeps its own copy

    VARIANT read;
    VariantInit(&read);
    ASSERT_EQ(SafeArrayGetElement(array, &index, &read), S_OK);
    EXPECT_EQ(read.vt, VT_BSTR);
    EXPECT_EQ(std::u16string(read.bstrVal), u" ");
    VariantClear(&read);

    index = 1;
    ASSERT_EQ(SafeArrayGetElement(array, &index, &read), S_OK);
    EXPECT_EQ(read.vt, VT_EMPTY);
    index = 2;
    EXPECT_EQ(SafeArrayPutElement(array, &index, &read), DISP_E_BADINDEX);
    index = -1;
    EXPECT_EQ(SafeArrayGetElement(array, &index, &read), DISP_E_BADINDEX);
    EXPECT_EQ(SafeArrayDestroy(array), S_OK);
}

TEST(SafeArray, ReplacingAStringFreesTheOldOne)
{
    SAFEARRAYBOUND bound = {1, 5};
    SAFEARRAY* array = SafeArrayCreate(VT_BSTR, 1, &bound);
    LONG index = 5;
    BSTR first = SysAllocString(u"first");
    BSTR second = SysAllocString(u"second");
    SafeArrayPutElement(array, &index, first);
    SafeArrayPutElement(array, &index, second);
    BSTR read = nullptr;
    SafeArrayGetElement(array, &index, &read);
    EXPECT_EQ(std::u16string(read), u"second");
    SysFreeString(read);
    SysFreeString(first);
    SysFreeString(second);
    LONG low = 0;
    LONG high = 0;
    SafeArrayGetLBound(array, 1, &low);
    SafeArrayGetUBound(array, 1, &high);
    EXPECT_EQ(low, 5);
    EXPECT_EQ(high, 5);
    EXPECT_EQ(SafeArrayGetLBound(array, 2, &low), DISP_E_BADINDEX);
    SafeArrayDestroy(array);
}

TEST(SafeArray, TwoDimensionsKeepTheirElementsApart)
{
    SAFEARRAYBOUND bounds[2] = {{2, 0}, {3, 1}};
    SAFEARRAY* array = SafeArrayCreate(VT_I4, 2, bounds);
    ASSERT_EQ(SafeArrayGetDim(array), 2u);
    for (LONG i = 0; i < 2; ++i)
        for (LONG j = 1; j <= 3; ++j) {
            const LONG indices[2] = {i, j};
            const LONG value = i * 10 + j;
            ASSERT_EQ(SafeArrayPutElement(array, indices, &value), S_OK);
        }
    for (LONG i = 0; i < 2; ++i)
        for (LONG j = 1; j <= 3; ++j) {
            const LONG indices[2] = {i, j};
            LONG value = 0;
            SafeArrayGetElement(array, indices, &value);
            EXPECT_EQ(value, i * 10 + j);
        }
    const LONG outside[2] = {0, 0};
    LONG value = 0;
    EXPECT_EQ(SafeArrayGetElement(array, outside, &value), DISP_E_BADINDEX);
    SafeArrayDestroy(array);
}

TEST(SafeArray, RefusesTypesItCannotHold)
{
    SAFEARRAYBOUND bound = {1, 0};
    EXPECT_EQ(SafeArrayCreate(VT_EMPTY, 1, &bound), nullptr);
    EXPECT_EQ(SafeArrayCreate(VT_I4, 0, &bound), nullptr);
}
