#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
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

class BingoPageTest : public FreshAlphabetTest {};

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

// The drawing fills a card with distinct words, then with free spaces once the
// list runs out; with the free space on, the centre is free and 24 words still fit.
TEST_F(BingoPageTest, CardsHoldEachWordOnceAndAreTheSameOnEveryRun)
{
    for (auto [words, count, freeSpace] : {std::tuple{10, 3, false}, {30, 4, true}, {24, 2, true}}) {
        std::string page = BuildBingoPage(Numbered(words), count, freeSpace);
        std::srand(7);
        EXPECT_EQ(BuildBingoPage(Numbered(words), count, freeSpace), page);
        EXPECT_EQ(CountOf(page, "page-break-after:always"), count - 1);
        auto cards = Cards(page);
        ASSERT_EQ(cards.size(), std::size_t(count));
        EXPECT_NE(cards[0], cards[1]);
        for (const auto& card : cards) {
            ASSERT_EQ(card.size(), 25u);
            int free = int(std::count(card.begin(), card.end(), "Free Space!"));
            EXPECT_EQ(free, std::max(25 - words, freeSpace ? 1 : 0));
            EXPECT_EQ(std::set<std::string>(card.begin(), card.end()).size(), std::size_t(25 - free + 1))
                << "no word twice";
            EXPECT_TRUE(!freeSpace || card[12] == "Free Space!");
        }
    }
}

TEST_F(BingoPageTest, WordsCannotBecomeMarkup)
{
    std::string page = BuildBingoPage(WordList({"<b>bold</b> & co"}), 1, false);
    EXPECT_NE(page.find(CellStart + "&lt;b&gt;bold&lt;/b&gt; &amp; co" + CellEnd), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
}

}  // namespace
