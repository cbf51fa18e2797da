#include "app/word_list_file.h"

#include <sstream>
#include <streambuf>

#include <gtest/gtest.h>

bool operator==(const WordListEntry& a, const WordListEntry& b) { return a.word == b.word && a.clue == b.clue; }

namespace {

std::vector<WordListEntry> Read(const std::string& text)
{
    std::istringstream in(text);
    WordListReading reading = ReadWordList(in);
    EXPECT_FALSE(reading.failed);
    return reading.entries;
}

std::string Lines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "w" + std::to_string(i) + "\tc" + std::to_string(i) + "\r\n";
    return text;
}

// Gives its text, then fails as a disk read would.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::string text) : text_(std::move(text)) { setg(&text_[0], &text_[0], &text_[0] + text_.size()); }

protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

private:
    std::string text_;
};

}  // namespace

TEST(WordListFileRead, TabRulesSplitAtTheFirstTabAndSkipLinesWithout)
{
    const std::vector<WordListEntry> expected = {{"apple", ""}, {"", "orphan clue"}, {"a", "b\tc"}, {"last", "one"}};
    EXPECT_EQ(Read("no tab here\napple\t\n\torphan clue\na\tb\tc\nlast\tone"), expected);
}

TEST(WordListFileRead, CrLfAndLfLineEndsReadAlike)
{
    const std::vector<WordListEntry> expected = {{"cat", "a pet"}, {"dog", ""}};
    EXPECT_EQ(Read("cat\ta pet\r\ndog\t\r\n"), expected);
    EXPECT_EQ(Read("cat\ta pet\ndog\t\n"), expected);
}

TEST(WordListFileRead, BytesFrom0x80PassThroughUnchanged)
{
    const std::vector<WordListEntry> expected = {{"caf\xE9", "\x80 \xFF"}};
    EXPECT_EQ(Read("caf\xE9\t\x80 \xFF\r\n"), expected);
}

TEST(WordListFileRead, TakesTheFirstFiftyEntriesOfALongerFile)
{
    const auto entries = Read(Lines(60));
    ASSERT_EQ(entries.size(), 50u);
    EXPECT_EQ(entries.front().word, "w0");
    EXPECT_EQ(entries.back().word, "w49");
}

TEST(WordListFileRead, ABrokenStreamEndsTheReadingWithWhatWasRead)
{
    FailingBuffer buffer("one\t1\ntwo\t2\n");
    std::istream in(&buffer);
    const WordListReading reading = ReadWordList(in);
    EXPECT_TRUE(reading.failed);
    const std::vector<WordListEntry> expected = {{"one", "1"}, {"two", "2"}};
    EXPECT_EQ(reading.entries, expected);
}

TEST(WordListFileWrite, WritesCrLfLinesAndSkipsEntriesWithoutAWord)
{
    std::ostringstream out;
    WriteWordList(out, {{"zebra", "striped"}, {"", "lost clue"}, {"ant", ""}, {" ", "blank word"}});
    EXPECT_EQ(out.str(), "zebra\tstriped\r\nant\t\r\n \tblank word\r\n");
}

TEST(WordListFileWrite, WhatIsWrittenReadsBackAlike)
{
    const std::vector<WordListEntry> entries = {{"caf\xE9", "a \x93quoted\x94 clue"}, {"x", "tab\tinside"}};
    std::ostringstream out;
    WriteWordList(out, entries);
    EXPECT_EQ(Read(out.str()), entries);
}
