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

    EXPECT_EQ(SafeArrayCreate(VT_EMPTY, 1, &bound), nullptr);
    EXPECT_EQ(SafeArrayCreate(VT_I4, 0, &bound), nullptr);
}
