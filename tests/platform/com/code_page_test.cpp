#include "platform/com/code_page.h"

#include <gtest/gtest.h>

#include <string>

TEST(MultiByteToWideChar, ReadsWindows1252AndRefusesWhatItCannotDo)
{
    WCHAR wide[5] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, "\x80\x81\x93\xE9", -1, wide, 5), 5);
    // An unassigned byte is kept as its control character.
    EXPECT_EQ(std::u16string(wide), u"\u20AC\u0081\u201C\u00E9");

    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 3, nullptr, 0), 3);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 2), 0);
    EXPECT_EQ(MultiByteToWideChar(437, 0, "abc", -1, wide, 2), 0);
}
