#include "platform/com/code_page.h"

#include <gtest/gtest.h>

TEST(MultiByteToWideChar, ReadsWindows1252)
{
    const char text[] = "\x80\x81\x93\xE9";
    WCHAR wide[5] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, -1, wide, 5), 5);
    EXPECT_EQ(wide[0], 0x20AC);  // euro sign
    EXPECT_EQ(wide[1], 0x0081);  // unassigned byte kept as its control character
    EXPECT_EQ(wide[2], 0x201C);
    EXPECT_EQ(wide[3], 0x00E9);
    EXPECT_EQ(wide[4], 0);
}

TEST(MultiByteToWideChar, SizesAndRefusals)
{
    WCHAR wide[2];
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 3, nullptr, 0), 3);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 2), 0);
    EXPECT_EQ(MultiByteToWideChar(437, 0, "abc", -1, wide, 2), 0);
    EXPECT_EQ(MultiByteToWideChar(CP_WINDOWS_1252, 0, "a", 1, wide, 2), 1);
    EXPECT_EQ(wide[0], u'a');
}
