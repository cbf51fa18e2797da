#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "puzzle_test_support.h"
#include "puzzles/bingo_page.h"

namespace {

const std::string Opening = ScriptOpening + "</script><style></style></head><body><center>";
const std::string Closing = "</body></center></html>";
const std::string CellStart = R"(<td height="80" width="80"><center>)";
const std::string CellEnd = "</center></td>";

// The cell texts of each card, in reading order.
std::vector<std::vector<std::string>> Cards(const std::string& page)
{
    std::vector<std::vector<std::string>> cards;
    for (auto at = page.find("<table"); at != std::string::npos; at = page.find("<table", at + 1)) {
        std::string::size_type end = page.find("</table>", at);
        cards.emplace_back();
        for (auto cell = page.find(CellStart, at); cell < end; cell = page.find(CellStart, cell + 1)) {
            auto text = cell + CellStart.size();
            cards.back().push_back(page.substr(text, page.find(CellEnd, text) - text));
        }
    }
    return cards;
}

Dictionary Numbered(int count)
{
    Dictionary list;
    for (int i = 0; i < count; ++i)
        list.AddWord("w" + std::to_string(i), "");
    return list;
}

class BingoPageTest : public PuzzleTest {};

TEST_F(BingoPageTest, EmptyListGivesCardsOfFreeSpacesAndNoCardsOnlyTheFrame)
{
    std::string row;
    for (int column = 0; column < 5; ++column)
        row += CellStart + "Free Space!" + CellEnd;
    std::string card = R"(<table style="border:solid 1px black" border="1"><tr><td colspan="5" align="center">)"
                       R"(<font size="8">BINGO</font></td></tr><tr>)" +
                       row + "</tr><tr>" + row + "</tr><tr>" + row + "</tr><tr>" + row + "</tr><tr>" + row +
                       "</tr></table>";
    EXPECT_EQ(BuildBingoPage(Dictionary(), 1, false), Opening + card + Closing);
    EXPECT_EQ(BuildBingoPage(Dictionary(), 1, true), Opening + card + Closing);
    EXPECT_EQ(BuildBingoPage(Numbered(5), 0, false), Opening + Closing);
    EXPECT_EQ(BuildBingoPage(Numbered(5), -3, true), Opening + Closing);
}

TEST_F(BingoPageTest, ShortListStandsOnceOnEveryCard)
{
    std::string page = BuildBingoPage(Numbered(10), 3, false);
    auto cards = Cards(page);
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(CountOf(page, "page-break-after:always"), 2);
    for (const auto& card : cards) {
        ASSERT_EQ(card.size(), 25u);
        std::map<std::string, int> seen;
        for (const std::string& text : card)
            ++seen[text];
        EXPECT_EQ(seen["Free Space!"], 15);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(seen["w" + std::to_string(i)], 1);
    }
    EXPECT_NE(cards[0], cards[1]);
}

TEST_F(BingoPageTest, FreeSpaceTakesTheCentreAndLeavesRoomFor24Words)
{
    auto cards = Cards(BuildBingoPage(Numbered(30), 4, true));
    ASSERT_EQ(cards.size(), 4u);
    for (const auto& card : cards) {
        ASSERT_EQ(card.size(), 25u);
        EXPECT_EQ(card[12], "Free Space!");
        std::set<std::string> words(card.begin(), card.end());
        words.erase("Free Space!");
        EXPECT_EQ(words.size(), 24u);
    }
}

TEST_F(BingoPageTest, SameListAndSettingsGiveTheSamePage)
{
    std::string first = BuildBingoPage(Numbered(40), 5, true);
    std::srand(7);
    EXPECT_EQ(BuildBingoPage(Numbered(40), 5, true), first);
}

TEST_F(BingoPageTest, WordsCannotBecomeMarkup)
{
    std::string page = BuildBingoPage(WordList({"<b>bold</b> & co"}), 1, false);
    EXPECT_NE(page.find(CellStart + "&lt;b&gt;bold&lt;/b&gt; &amp; co" + CellEnd), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
}

}  // namespace
