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

// TAB rules, both line ends, bytes from 0x80, and the 50 rows of a dialog.
TEST(WordListFileRead, LinesBecomeEntries)
{
    struct Case {
        std::string text;
        std::vector<WordListEntry> entries;
    };
    const Case cases[] = {
        {"no tab here\napple\t\n\torphan clue\na\tb\tc\nlast\tone",
         {{"apple", ""}, {"", "orphan clue"}, {"a", "b\tc"}, {"last", "one"}}},
        {"cat\ta pet\r\ndog\t\r\n", {{"cat", "a pet"}, {"dog", ""}}},
        {"cat\ta pet\ndog\t\n", {{"cat", "a pet"}, {"dog", ""}}},
        {"caf\xE9\t\x80 \xFF\r\n", {{"caf\xE9", "\x80 \xFF"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read(c.text), c.entries) << c.text;

    std::string sixty;
    for (int i = 0; i < 60; ++i)
        sixty += "w" + std::to_string(i) + "\tc\r\n";
    const auto entries = Read(sixty);
    ASSERT_EQ(entries.size(), 50u);
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
