#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
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

// The words w0, w1 and on, then `repeats` more entries that name them again in capitals.
Dictionary Numbered(int count, int repeats = 0)
{
    Dictionary list;
    for (int i = 0; i < count; ++i)
        list.AddWord("w" + std::to_string(i), "");
    for (int i = 0; i < repeats; ++i)
        list.AddWord("W" + std::to_string(i % count), "");
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
// A word the list holds more than once, in any case, counts once.
TEST_F(BingoPageTest, CardsHoldEachWordOnceAndAreTheSameOnEveryRun)
{
    for (auto [words, count, freeSpace, repeats] :
         {std::tuple{10, 3, false, 0}, {30, 4, true, 0}, {24, 2, true, 0}, {3, 2, false, 6}, {20, 3, true, 10}}) {
        std::string page = BuildBingoPage(Numbered(words, repeats), count, freeSpace);
        std::srand(7);
        EXPECT_EQ(BuildBingoPage(Numbered(words, repeats), count, freeSpace), page);
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

// The cells of each card, a row to a line, as the recorded cards have them.
std::string Rows(const std::string& page)
{
    std::string rows;
    for (const auto& card : Cards(page))
        for (std::size_t cell = 0; cell < card.size(); ++cell)
            rows += card[cell] + (cell % 5 == 4 ? "\n" : " | ");
    return rows;
}

// Cards recorded from lists without a repeated word: counting a repeat once
// must leave the drawing for every other list as it was.
TEST_F(BingoPageTest, CardsAreTheRecordedOnes)
{
    std::ifstream recorded(QUILLORY_TEST_DATA "/bingo_cards.txt");
    ASSERT_TRUE(recorded.is_open());
    std::vector<std::string> words;
    int pages = 0;
    for (std::string line; std::getline(recorded, line);) {
        std::istringstream fields(line);
        std::string key, space;
        int count = 0;
        fields >> key >> std::ws;
        if (key == "words")
            for (words.clear(); std::getline(fields, line, ',');)
                words.push_back(line);
        if (key != "cards")
            continue;
        fields >> count >> space;
        std::string expected;
        for (int row = 0; row < 5 * count && std::getline(recorded, line); ++row)
            expected += line + '\n';
        ResetAlphabet();
        EXPECT_EQ(Rows(BuildBingoPage(WordList(words), count, space == "free")), expected) << words.size() << " words";
        ++pages;
    }
    EXPECT_EQ(pages, 3);
}

TEST_F(BingoPageTest, WordsCannotBecomeMarkup)
{
    std::string page = BuildBingoPage(WordList({"<b>bold</b> & co"}), 1, false);
    EXPECT_NE(page.find(CellStart + "&lt;b&gt;bold&lt;/b&gt; &amp; co" + CellEnd), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
}

}  // namespace
