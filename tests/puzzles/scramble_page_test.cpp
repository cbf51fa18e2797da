#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "puzzle_test_support.h"
#include "puzzles/scramble_page.h"

namespace {

const std::string Opening =
    ScriptOpening +
    R"(</script><style>.sol {position:absolute;top:0px;left:30px;color:red;visibility:#visibility#} </style>)"
    R"(</head><body><center><h1>#title#</h1><br><h2>Unscramble the following words:</h2><br><table>)";
const std::string Closing = "</table></body></center></html>";

std::string Line(int number, const std::string& scrambled, const std::string& answer)
{
    return R"(<tr><td width="20%"><font size="4">)" + std::to_string(number) + ". " + scrambled +
           R"(</font></td><td align="left" style="position:relative"><div class="sol">)" + answer +
           "</div>&nbsp;&nbsp;____________________________</td></tr>\n";
}

// The scrambled text of entry `number`.
std::string Scrambled(const std::string& page, int number)
{
    std::string start = R"(<font size="4">)" + std::to_string(number) + ". ";
    auto at = page.find(start) + start.size();
    return page.substr(at, page.find("</font>", at) - at);
}

std::string Sorted(std::string text)
{
    std::sort(text.begin(), text.end());
    return text;
}

class ScramblePageTest : public FreshAlphabetTest {};

TEST_F(ScramblePageTest, EmptyListGivesTheHeadingsAndAnEmptyTable)
{
    EXPECT_EQ(BuildScramblePage(Dictionary()), Opening + Closing);
}

TEST_F(ScramblePageTest, EachWordOfAnEntryIsShuffledInCapitalsTheSameOnEveryRun)
{
    Dictionary list = WordList({"abc  defgh", "i", "   "});
    std::string page = BuildScramblePage(list);
    std::srand(99);
    EXPECT_EQ(BuildScramblePage(list), page);
    std::string line = Scrambled(page, 1);
    ASSERT_EQ(line.size(), 9u);
    EXPECT_EQ(line[3], ' ');
    EXPECT_EQ(Sorted(line.substr(0, 3)), "ABC");
    EXPECT_EQ(Sorted(line.substr(4)), "DEFGH");
    EXPECT_NE(page.find(Line(1, line, "abc  defgh")), std::string::npos);
    EXPECT_NE(page.find(Line(2, "I", "i")), std::string::npos);
    EXPECT_NE(page.find(Line(3, "", "   ")), std::string::npos);
}

// Two-letter words come back as they went in half the time unless reshuffled.
TEST_F(ScramblePageTest, NoWordOfALongListComesBackAsItWentInAndAccentsAreCapitalised)
{
    std::vector<std::pair<std::string, std::string>> entries = {
        {"apple", "APPLE"}, {"cheese", "CHEESE"}, {"caf\xE9", "CAF\xC9"}, {"na\xEFve", "NA\xCFVE"},
        {"br\xFB" "l\xE9" "e ab", "BR\xDB" "L\xC9" "E AB"}, {"\xFF" "a", "\x9F" "A"},
        {"\xE9\xC9", "\xC9\xC9"}, {"aa", "AA"}};
    for (char c = 'a'; c < 'z'; ++c)
        entries.push_back({{c, char(c + 1)}, {char(c - 32), char(c - 31)}});
    std::vector<std::string> words;
    for (const auto& entry : entries)
        words.push_back(entry.first);
    Dictionary list = WordList(words);
    std::string page = BuildScramblePage(list);
    EXPECT_EQ(BuildScramblePage(list), page);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::vector<std::string> scrambled = SplitWords(Scrambled(page, int(i) + 1));
        std::vector<std::string> capitals = SplitWords(entries[i].second);
        ASSERT_EQ(scrambled.size(), capitals.size()) << entries[i].first;
        for (std::size_t j = 0; j < capitals.size(); ++j) {
            EXPECT_EQ(Sorted(scrambled[j]), Sorted(capitals[j])) << entries[i].first;
            bool oneLetter = capitals[j].find_first_not_of(capitals[j][0]) == std::string::npos;
            EXPECT_TRUE(oneLetter || scrambled[j] != capitals[j]) << "gives away " << entries[i].first;
        }
    }
}

TEST_F(ScramblePageTest, HintsOnlyForEntriesWithAClueAndUserTextEscaped)
{
    std::string page = BuildScramblePage(ClueList({{"c<t", "a <pet> & co"}, {"dog", ""}}));
    EXPECT_EQ(CountOf(page, "Hint: "), 1);
    std::string hint = "<tr><td colspan=\"2\"><font size=\"4\">Hint: a &lt;pet&gt; &amp; co</font></td></tr>\n";
    EXPECT_NE(page.find(Line(1, Scrambled(page, 1), "c&lt;t") + hint + Line(2, Scrambled(page, 2), "dog")),
              std::string::npos);
    EXPECT_EQ(CountOf(Scrambled(page, 1), "&lt;"), 1) << "escaped after the shuffle";
    EXPECT_EQ(CountOf(BuildScramblePage(WordList({"cat", "dog"})), "Hint: "), 0);
    EXPECT_NE(BuildScramblePage(ClueList({{"emu", "E"}})).find("Hint: E</font>"), std::string::npos);
}

TEST_F(ScramblePageTest, FilledPageHasTitleAndVisibilityInPlace)
{
    std::string stored = BuildScramblePage(WordList({"cat"}));
    std::string shown = FillScramblePage(stored, "Pets & <Friends>", true);
    EXPECT_EQ(CountOf(shown, "#title#") + CountOf(shown, "#visibility#"), 0);
    EXPECT_NE(shown.find("<h1>Pets &amp; &lt;Friends&gt;</h1>"), std::string::npos);
    EXPECT_NE(shown.find("visibility:visible}"), std::string::npos);
    EXPECT_NE(FillScramblePage(stored, "", false).find("visibility:hidden}"), std::string::npos);
}

TEST(SplitWordsTest, WhiteSpaceOfAnyKindSeparatesWords)
{
    EXPECT_EQ(SplitWords(" \tred\n\v green\f\r blue  "), (std::vector<std::string>{"red", "green", "blue"}));
    EXPECT_TRUE(SplitWords(" \t\n").empty());
    EXPECT_TRUE(SplitWords("").empty());
}

}  // namespace
