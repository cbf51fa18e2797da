#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "engine/alphabet.h"
#include "engine/error.h"
#include "engine/symbol_word.h"

namespace {

std::string CaptureStdout(const std::function<void()>& action)
{
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

class AlphabetTest : public testing::Test {
protected:
    void SetUp() override { ResetAlphabet(); }
};

TEST_F(AlphabetTest, LettersAreNumberedInOrderOfFirstUse)
{
    EXPECT_EQ(Alphabet::SymbolOf('b'), Symbol(0));
    EXPECT_EQ(Alphabet::SymbolOf('a'), Symbol(1));
    EXPECT_EQ(Alphabet::SymbolOf('b'), Symbol(0));
    EXPECT_EQ(Alphabet::CharOf(Symbol(0)), 'b');
    EXPECT_EQ(Alphabet::CharOf(Symbol(1)), 'a');
    EXPECT_EQ(Alphabet::LetterCount(), 2);
}

TEST_F(AlphabetTest, EveryByteIsALetterOfItsOwnWithoutCaseFolding)
{
    for (char c : {'A', 'a', ' ', '7', '!', '\xE9', '\x80'})
        Alphabet::SymbolOf(c);
    EXPECT_EQ(Alphabet::LetterCount(), 7);
    EXPECT_NE(Alphabet::SymbolOf('A'), Alphabet::SymbolOf('a'));
    EXPECT_EQ(Alphabet::CharOf(Alphabet::SymbolOf('\xE9')), '\xE9');
}

TEST_F(AlphabetTest, SpecialSymbolsPrintAsTheirMarks)
{
    EXPECT_EQ(Symbol(), DefaultSymbol);
    EXPECT_EQ(Alphabet::CharOf(DefaultSymbol), '#');
    EXPECT_EQ(Alphabet::CharOf(BlockSymbol), ' ');
    EXPECT_EQ(Alphabet::CharOf(NoSymbol), '/');
    EXPECT_EQ(Alphabet::CharOf(EmptySymbol), '+');
    EXPECT_EQ(Alphabet::CharOf(Symbol(5)), '\0') << "a slot not given out prints as NUL";
}

TEST_F(AlphabetTest, ThirtyThirdLetterFailsAndLeavesTheAlphabetAsItWas)
{
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(Alphabet::SymbolOf(char('A' + i)), Symbol(std::uint8_t(i)));
    std::string printed = CaptureStdout([] {
        try {
            Alphabet::SymbolOf('~');
            ADD_FAILURE() << "the 33rd letter must throw";
        } catch (const error& e) {
            EXPECT_EQ(e.message(), "Too many letters in dictonary. Try compiling with -DBIGALPHABET.");
        }
    });
    EXPECT_EQ(printed, "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`\nAdding letter: ~ (126)\n");
    EXPECT_EQ(Alphabet::LetterCount(), 32);
    EXPECT_EQ(Alphabet::SymbolOf('C'), Symbol(2)) << "earlier symbols stay valid";
    CaptureStdout([] { EXPECT_THROW(Alphabet::SymbolOf('~'), error) << "and it fails again"; });
}

TEST_F(AlphabetTest, SymbolWordsStopAtTheFirstBlock)
{
    Symbol cat[] = {Alphabet::SymbolOf('c'), Alphabet::SymbolOf('a'), Alphabet::SymbolOf('t'), BlockSymbol,
                    Alphabet::SymbolOf('x'), BlockSymbol};
    EXPECT_EQ(WordLength(cat), 3);
    std::ostringstream out;
    WriteSymbolWord(out, cat);
    EXPECT_EQ(out.str(), "cat");

    Symbol empty[] = {BlockSymbol};
    std::ostringstream none;
    WriteSymbolWord(none, empty);
    EXPECT_EQ(WordLength(empty), 0);
    EXPECT_EQ(none.str(), "");
}

}  // namespace
