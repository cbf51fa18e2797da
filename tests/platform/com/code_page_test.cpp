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

TEST(Windows1252, EveryByteComesBackFromItsCharacter)
{
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(Windows1252Byte(Windows1252Char(byte)), char(byte)) << byte;
    const std::u16string unassigned = {Windows1252Char(0x81), Windows1252Char(0x8D), Windows1252Char(0x8F),
                                       Windows1252Char(0x90), Windows1252Char(0x9D)};
    EXPECT_EQ(unassigned, u"\u0081\u008D\u008F\u0090\u009D");
    for (char32_t without : {U'\u0080', U'\u009F', U'\u0100', U'\u2603', U'\U0001F600'})
        EXPECT_EQ(Windows1252Byte(without), std::nullopt) << unsigned(without);
}
