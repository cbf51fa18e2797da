#include <gtest/gtest.h>

#include "engine/alphabet.h"
#include "engine/dictionary.h"
#include "engine/error.h"

namespace {

class DictionaryTest : public testing::Test {
protected:
    void SetUp() override { ResetAlphabet(); }
};

TEST_F(DictionaryTest, WordsAreLowerCasedButClueKeysAreNot)
{
    Dictionary list;
    list.AddWord("Cat", "A pet");
    ASSERT_EQ(list.WordCount(), 1);
    EXPECT_EQ(list.WordText(0), "cat");
    EXPECT_EQ(list.ClueFor("cat"), "");
    EXPECT_EQ(list.ClueFor("Cat"), "A pet");
    EXPECT_EQ(list.acceptedCount, 1);
}

TEST_F(DictionaryTest, BlanksAndHighBytesAreLettersControlBytesAreRefused)
{
    Dictionary list;
    list.AddWord("ice cream", "");
    list.AddWord("caf\xC9", "");
    list.AddWord("tab\there", "");
    list.AddWord("del\x7F", "");
    ASSERT_EQ(list.WordCount(), 2);
    EXPECT_EQ(WordLength(list.words[0]->data()), 9);
    EXPECT_EQ(list.WordText(1), "caf\xC9") << "only A to Z change case";
    EXPECT_EQ(list.rejectedCount, 2);
    EXPECT_EQ(list.acceptedCount, 2);
}

TEST_F(DictionaryTest, AcceptableWords)
{
    EXPECT_TRUE(IsAcceptableWord(""));
    EXPECT_TRUE(IsAcceptableWord(" ~!\x80\xFF"));
    EXPECT_FALSE(IsAcceptableWord(std::string("a\0b", 3)));
    EXPECT_FALSE(IsAcceptableWord("line\r"));
    EXPECT_FALSE(IsAcceptableWord("line\n"));
}

TEST_F(DictionaryTest, RepeatedWordsAndCluesAndEmptyWords)
{
    Dictionary list;
    list.AddWord("sun", "hot");
    list.AddWord("sun", "bright");
    list.AddWord("", "orphan clue");
    EXPECT_EQ(list.WordCount(), 2);
    EXPECT_EQ(list.ClueFor("sun"), "bright");
    EXPECT_EQ(list.acceptedCount, 2);
    EXPECT_EQ(list.rejectedCount, 0);

    Dictionary onlyClue;
    onlyClue.AddWord("", "x");
    EXPECT_EQ(onlyClue.WordCount(), 0);
    EXPECT_TRUE(onlyClue.HasClues());
    EXPECT_FALSE(Dictionary().HasClues());
}

TEST_F(DictionaryTest, RefusedWordKeepsItsClue)
{
    Dictionary list;
    list.AddWord("a\tb", "kept");
    EXPECT_EQ(list.ClueFor("a\tb"), "kept");
    EXPECT_EQ(list.WordCount(), 0);
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

TEST_F(DictionaryTest, CopiesKeepTheirOwnWordsAndClues)
{
    Dictionary source;
    source.AddWord("one", "1");
    Dictionary copy = source;
    source.AddWord("two", "2");
    source.AddWord("one", "uno");
    EXPECT_EQ(copy.WordCount(), 1);
    EXPECT_EQ(copy.ClueFor("one"), "1");
    EXPECT_EQ(copy.WordText(0), "one");
    EXPECT_EQ(source.WordCount(), 3);
}

}  // namespace
