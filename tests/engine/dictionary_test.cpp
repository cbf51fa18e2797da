#include <gtest/gtest.h>

#include "engine/dictionary.h"
#include "engine/error.h"
#include "engine/letter_need.h"
#include "engine_test_support.h"

namespace {

using DictionaryTest = FreshAlphabetTest;

// Counted without the alphabet, the words need exactly the characters that
// adding them to a list takes from it.
TEST_F(DictionaryTest, ALetterNeedCountsWhatTheListWouldTake)
{
    const std::string words[] = {"Apple", "apPLE", "caf\xE9 au lait", "CAF\xC9", "tab\there", "", "x-ray 2"};
    LetterNeed need;
    Dictionary list;
    for (const std::string& word : words) {
        need.AddWord(word);
        list.AddWord(word, "");
    }
    EXPECT_EQ(Alphabet::LetterCount(), need.Count());
    need.AddLetters("zz");
    EXPECT_EQ(Alphabet::LetterCount() + 1, need.Count());
}

TEST_F(DictionaryTest, BlanksAndHighBytesAreLettersControlBytesAreRefusedWithTheirCluesKept)
{
    Dictionary list;
    list.AddWord("ice cream", "");
    list.AddWord("caf\xC9", "");
    list.AddWord("tab\there", "kept");
    list.AddWord("del\x7F", "");
    ASSERT_EQ(list.WordCount(), 2);
    EXPECT_EQ(WordLength(list.words[0]->data()), 9);
    EXPECT_EQ(list.WordText(1), "caf\xC9") << "only A to Z change case";
    EXPECT_EQ(list.ClueFor("tab\there"), "kept");
    EXPECT_EQ(list.rejectedCount, 2);
    EXPECT_EQ(list.acceptedCount, 2);

    EXPECT_TRUE(IsAcceptableWord(" ~!\x80\xFF"));
    for (const std::string& refused : {std::string("a\0b", 3), std::string("line\r"), std::string("line\n")})
        EXPECT_FALSE(IsAcceptableWord(refused));
}

TEST_F(DictionaryTest, WordsAreLowerCasedClueKeysAreNotAndRepeatsAreKept)
{
    Dictionary list;
    EXPECT_FALSE(list.HasClues());
    list.AddWord("", "orphan clue");
    EXPECT_TRUE(list.HasClues()) << "though no word was stored";
    list.AddWord("Sun", "hot");
    list.AddWord("Sun", "bright");
    EXPECT_EQ(list.WordCount(), 2);
    EXPECT_EQ(list.WordText(1), "sun");
    EXPECT_EQ(list.ClueFor("sun"), "");
    EXPECT_EQ(list.ClueFor("Sun"), "bright");
    EXPECT_EQ(list.acceptedCount, 2);
    EXPECT_EQ(list.rejectedCount, 0);
}

TEST_F(DictionaryTest, ThirtyThirdLetterStopsTheWordButKeepsItsClue)
{
    Dictionary list;
    list.AddWord("abcdefghijklmnopqrstuvwxyz", "");
    list.AddWord("0123", "");
    testing::internal::CaptureStdout();
    EXPECT_THROW(list.AddWord("456789", "digits"), error);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(list.WordCount(), 2);
    EXPECT_EQ(list.acceptedCount, 2);
    EXPECT_EQ(list.ClueFor("456789"), "digits");
}

}  // namespace
