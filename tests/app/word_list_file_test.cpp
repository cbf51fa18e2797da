#include "app/word_list_file.h"

#include <sstream>

#include <gtest/gtest.h>

bool operator==(const WordListEntry& a, const WordListEntry& b) { return a.word == b.word && a.clue == b.clue; }
void PrintTo(const wxString& text, std::ostream* out) { *out << text.utf8_string(); }

namespace {

std::vector<WordListEntry> Read(const std::string& text)
{
    WordListReading reading = ReadWordList(text);
    EXPECT_FALSE(reading.failed);
    return reading.entries;
}

// UTF-16 or UTF-32 text behind its byte order mark, as Notepad saves "Unicode", or without it.
template <typename Unit>
std::string Unicode(const std::basic_string<Unit>& text, bool bigEndian, bool marked = true)
{
    std::string bytes;
    for (const char32_t unit : (marked ? std::basic_string<Unit>(1, 0xFEFF) : std::basic_string<Unit>()) + text) {
        for (std::size_t byte = 0; byte < sizeof(Unit); ++byte)
            bytes += char(unit >> 8 * (bigEndian ? sizeof(Unit) - 1 - byte : byte));
    }
    return bytes;
}

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
    const WordListReading reading = ReadWordList(sixty);
    ASSERT_EQ(reading.entries.size(), 50u);
    EXPECT_EQ(reading.entries.back().word, "w49");
    EXPECT_EQ(reading.leftOut, 10);
}

// UTF-8 and Windows-1252 files with the same words load alike; a file that is
// not UTF-8 throughout is Windows-1252, and one character Windows-1252 cannot
// hold stops the reading at its line.
TEST(WordListFileRead, UnicodeFilesReadAsUtf8AndOthersAsWindows1252)
{
    struct Case {
        std::string text;
        std::vector<WordListEntry> entries;
        int refusedLine;
    };
    const std::vector<WordListEntry> cafe = {{"caf\xE9", "\x80 5"}, {"\xC0", "\x81\x8D\x8F\x90\x9D"}};
    const Case cases[] = {
        {"caf\xE9\t\x80 5\r\n\xC0\t\x81\x8D\x8F\x90\x9D\r\n", cafe, 0},
        {"caf\xC3\xA9\t\xE2\x82\xAC 5\r\n\xC3\x80\t\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\r\n", cafe, 0},
        {"\xEF\xBB\xBF" "caf\xC3\xA9\t\xE2\x82\xAC 5\n\xC3\x80\t\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", cafe, 0},
        {"caf\xC3\xA9\tutf-8\nna\xEFve\tansi\n", {{"caf\xC3\xA9", "utf-8"}, {"na\xEFve", "ansi"}}, 0},
        {"caf\xC3\xA9\t\nno tab\n\xCE\xA9mega\tletter\nlast\t\n", {{"caf\xE9", ""}}, 3},
    };
    for (const Case& c : cases) {
        const WordListReading reading = ReadWordList(c.text);
        EXPECT_EQ(reading.entries, c.entries) << c.text;
        EXPECT_EQ(reading.refusedLine, c.refusedLine) << c.text;
    }
}

// Either byte order reads as the same words, with a byte order mark or
// without, whatever its letters (some hold a byte 0x0A, an 8-bit line feed); a
// character Windows-1252 cannot hold, a pair of surrogates or one alone, stops
// the reading at its line.
TEST(WordListFileRead, Utf16FilesReadInEitherByteOrder)
{
    struct Case {
        std::u16string text;
        std::vector<WordListEntry> entries;
        int refusedLine;
    };
    const Case cases[] = {
        {u"caf\u00E9\t\u20AC 5\r\n\u00C0\t\u0081\u008D\u008F\u0090\u009D\r\n",
         {{"caf\xE9", "\x80 5"}, {"\xC0", "\x81\x8D\x8F\x90\x9D"}},
         0},
        {u"caf\u00E9\t\nno tab\n\u03A9mega\tletter\nlast\t\n", {{"caf\xE9", ""}}, 3},
        {u"a\tb\n\U0001F600\tsmile\n", {{"a", "b"}}, 2},
        {u"a\tb\nlone \xD83D\tclue\n", {{"a", "b"}}, 2},
        {u"\u03B1\u03B2\u03B3\t\u03B4\u03B5\u03B6\r\n", {}, 1},
        {u"cat\tpet\r\n\u0A2A\u0A3E\u0A23\u0A40\t\u0A2A\u0A40\u0A23 \u0A35\u0A3E\u0A32\u0A3E\r\n",
         {{"cat", "pet"}}, 2},
        {u"\u0AAA\u0ABE\u0AA3\u0AC0\t\u0AAA\u0AC0\u0AB5\u0ABE", {}, 1},
        {u"\u4E0A\t\u4E0A\u9762\r\n\u5C0A\t\u5C0A\u656C\r\n", {}, 1},
        {u"\u5C0A\t\u4E0A", {}, 1},
    };
    for (const Case& c : cases) {
        for (const bool bigEndian : {false, true}) {
            for (const bool marked : {true, false}) {
                const WordListReading reading = ReadWordList(Unicode(c.text, bigEndian, marked));
                EXPECT_EQ(reading.entries, c.entries) << bigEndian << marked;
                EXPECT_EQ(reading.refusedLine, c.refusedLine) << bigEndian << marked;
            }
        }
    }
}

// Bytes 0 at the end of a file pad it; others belong to UTF-16 or UTF-32
// text, or are the character 0 that no word list holds: nothing is loaded.
TEST(WordListFileRead, BytesZeroPadFilesOrRefuseThemAtTheirLine)
{
    using namespace std::string_literals;
    const auto nul = [](int line) {
        return wxString::Format("Line %d of the word list \"w.lst\" holds the character 0 (a NUL byte), which no "
                                "word list holds, so the file was not loaded.", line);
    };
    const auto unstorable = [](int line) {
        return wxString::Format("Line %d of the word list \"w.lst\" holds a character that a word list cannot store, "
                                "so loading stopped there. Please change it and load the file again.", line);
    };
    const std::u32string cafe = U"caf\u00E9\t\u20AC 5\r\n\u03A9mega\tletter\r\n";
    const std::vector<WordListEntry> none, cafeOnly = {{"caf\xE9", "\x80 5"}};
    struct Case {
        std::string file;
        std::vector<WordListEntry> entries;
        std::vector<wxString> notes;
    };
    const Case cases[] = {
        {"cat\tpet\r\ndog\t\0pet\r\n"s, none, {nul(2)}},
        {"cat\tpet\r\ndog\t\0pet\r\n\0\0\0"s, none, {nul(2)}},
        {"c\0\0\0a\0\0\0t\0\0\0\t\0\0\0p\0\0\0"s, none, {nul(1)}},
        {"cat\tp\0et"s, none, {nul(1)}},
        {"caf\xC3\xA9\t\xE2\x82\xAC 5\r\n\0\0\0"s, cafeOnly, {}},
        {Unicode(u"a\tb\nc\0d\te\n"s, false), none, {nul(2)}},
        {Unicode(u"a\tb\nc\0d\te\n"s, true, false), none, {nul(2)}},
        {Unicode(u"\u03B1\u03B2\u03B3\t\u03B4\u03B5\u03B6\r\n"s, false, false), none, {unstorable(1)}},
        {Unicode(cafe, false), cafeOnly, {unstorable(2)}},
        {Unicode(cafe, true), cafeOnly, {unstorable(2)}},
    };
    for (const Case& c : cases) {
        const WordListReading reading = ReadWordList(c.file);
        EXPECT_EQ(reading.entries, c.entries) << c.file;
        EXPECT_EQ(WordListNotes(reading, "\"w.lst\""), c.notes) << c.file;
    }
}

// An entry longer than it may be stops the reading at its line, as the
// largest entries the dialogs save do not; a file larger than the bound is
// not read at all, one at the bound is.
TEST(WordListFileRead, EntriesPastTheirLimitsStopTheReadingAndHugeFilesAreNotRead)
{
    const std::string longest = std::string(MaxWordChars, 'w') + "\t" + std::string(MaxClueChars, 'c') + "\r\n";
    struct Case {
        std::string text;
        std::size_t entries;
        int refusedLine;
        const char* named;
    };
    const Case cases[] = {
        {longest + longest, 2, 0, ""},
        {longest + std::string(MaxWordChars + 1, 'w') + "\tclue\r\n" + longest, 1, 2, "the word \"www"},
        {"ant\t" + std::string(MaxClueChars + 1, 'c') + "\r\n" + longest, 0, 1, "the clue of the word \"ant\""},
        {longest + std::string(2 * MaxWordChars, 'w') + "\tclue\r\n", 1, 2,
         "the word \"wwwwwwwwwwwwwwwwwwwwwwwwwwwwww...\" holds 300 characters, more than the 150 it may hold"},
        {"ant\t" + std::string(2 * MaxClueChars, 'c') + "\r\n", 0, 1,
         "the clue of the word \"ant\" holds 10,000 characters, more than the 5,000 it may hold"},
    };
    for (const Case& c : cases) {
        const WordListReading reading = ReadWordList(c.text);
        EXPECT_EQ(reading.entries.size(), c.entries);
        EXPECT_EQ(reading.refusedLine, c.refusedLine);
        EXPECT_EQ(reading.tooLong.rfind(c.named, 0), 0u) << reading.tooLong;
    }

    std::string atBound;
    while (atBound.size() + longest.size() <= MaxWordListFileBytes)
        atBound += longest;
    atBound += std::string(MaxWordListFileBytes - atBound.size(), '\n');
    for (const std::string& text : {atBound, atBound + "x", atBound + atBound}) {
        const WordListReading reading = ReadWordList(text);
        EXPECT_EQ(reading.tooLarge, text.size() > MaxWordListFileBytes);
        EXPECT_EQ(reading.entries.size(), reading.tooLarge ? 0u : std::size_t(MaxWordListEntries));
    }
}

TEST(WordListFileWrite, WritesCrLfLinesAndSkipsEntriesWithoutAWord)
{
    std::ostringstream out;
    WriteWordList(out, {{"zebra", "striped"}, {"", "lost clue"}, {"ant", ""}, {" ", "blank word"}});
    EXPECT_EQ(out.str(), "zebra\tstriped\r\nant\t\r\n");
}
