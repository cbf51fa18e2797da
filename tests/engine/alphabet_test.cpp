#include <gtest/gtest.h>

#include "engine/error.h"
#include "engine_test_support.h"

namespace {

using AlphabetTest = FreshAlphabetTest;

TEST_F(AlphabetTest, EveryByteIsALetterNumberedInOrderOfFirstUse)
{
    const std::string letters = "baA !\xE9\x80";
    for (char c : letters)
        Alphabet::SymbolOf(c);
    EXPECT_EQ(Alphabet::LetterCount(), int(letters.size())) << "no case folding";
    for (std::size_t i = 0; i < letters.size(); ++i) {
        EXPECT_EQ(Alphabet::SymbolOf(letters[i]), Symbol(std::uint8_t(i)));
        EXPECT_EQ(Alphabet::CharOf(Symbol(std::uint8_t(i))), letters[i]);
    }
    EXPECT_EQ(Alphabet::CharOf(Symbol(std::uint8_t(letters.size()))), '\0') << "a slot not given out";
}

TEST_F(AlphabetTest, ThirtyThirdLetterFailsAndLeavesTheAlphabetAsItWas)
{
    for (int i = 0; i < 32; ++i)
        Alphabet::SymbolOf(char('A' + i));
    testing::internal::CaptureStdout();
    try {
        Alphabet::SymbolOf('~');
        ADD_FAILURE() << "the 33rd letter must throw";
    } catch (const error& e) {
        EXPECT_EQ(e.message(), "Too many letters in dictonary. Try compiling with -DBIGALPHABET.");
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`\nAdding letter: ~ (126)\n");
    EXPECT_EQ(Alphabet::LetterCount(), 32);
    EXPECT_EQ(Alphabet::SymbolOf('C'), Symbol(2)) << "earlier symbols stay valid";
}

}  // namespace
