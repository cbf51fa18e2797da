#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/grid.h"
#include "puzzle_test_support.h"
#include "puzzles/crossword_layout.h"

namespace {

class CrosswordLayoutTest : public FreshAlphabetTest {
protected:
    Grid Layout(const Dictionary& list, WordOrder order = WordOrder::ListOrder)
    {
        CrosswordLayout layout(list.words, order);
        Grid grid = layout.Generate();
        placed = layout.PlacedWordCount();
        steps = layout.StepCount();
        return grid;
    }

    static std::string Text(Grid& grid, int x, int y, int dx, int dy, int length)
    {
        std::string text;
        for (int i = 0; i < length; ++i)
            text += Alphabet::CharOf(grid.CellAt(x + i * dx, y + i * dy).symbol);
        return text;
    }

    static int LetterCount(Grid& grid)
    {
        int count = 0;
        for (const Cell& cell : grid.cells)
            count += cell.HasLetter();
        return count;
    }

    // The layout as the recorded file gives it: a line of counts, then every
    // row, '.' for an empty cell.
    std::string Record(const std::string& order, Grid& grid) const
    {
        int fills = 0;
        std::string rows;
        for (int y = 0; y < grid.height; ++y, rows += '\n')
            for (int x = 0; x < grid.width; ++x) {
                const Cell& cell = grid.CellAt(x, y);
                fills += cell.fillCount;
                rows += cell.HasLetter() ? Alphabet::CharOf(cell.symbol) : '.';
            }
        return "order " + order + " steps " + std::to_string(steps) + " placed " + std::to_string(placed) +
               " fills " + std::to_string(fills) + '\n' + rows;
    }

    std::size_t placed = 0;
    int steps = 0;
};

// The longest word that fits the pattern's width is the root, centred on row 12;
// words sharing no letter with it stay out.
TEST_F(CrosswordLayoutTest, LoneRootLiesAcrossTheMiddleRow)
{
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyz";
    const struct {
        std::vector<std::string> words;
        std::string root;
        int column;
    } cases[] = {
        {{"apple"}, "apple", 10},
        {{"i"}, "i", 12},
        {{"abc", "defg"}, "defg", 10},
        {{"abc", "def"}, "abc", 11},  // the first of equally long words
        {{alphabet, "hello"}, "hello", 10},
        {{alphabet}, "", 0},
        {{alphabet.substr(0, 25)}, alphabet.substr(0, 25), 0},
        // Crossing the root's last letter, the other word would end on the last row.
        {{"abcdefghijklmn", "nopqrstuvwxyz"}, "abcdefghijklmn", 5},
    };
    for (const auto& c : cases) {
        ResetAlphabet();
        Grid grid = Layout(WordList(c.words));
        ASSERT_EQ(grid.width, 25);
        ASSERT_EQ(grid.height, 25);
        EXPECT_EQ(Text(grid, c.column, 12, 1, 0, int(c.root.size())), c.root);
        EXPECT_EQ(LetterCount(grid), int(c.root.size())) << c.root;
        EXPECT_EQ(placed, c.root.empty() ? 0u : 1u);
        for (const Cell& cell : grid.cells)
            ASSERT_TRUE(cell.HasLetter() || cell.symbol == EmptySymbol);
    }
}

TEST_F(CrosswordLayoutTest, DownWordMayEndOneRowAboveTheLast)
{
    // The only crossing is the root's last letter, which is the candidate's first.
    Grid grid = Layout(WordList({"abcdefghijklmn", "nopqrstuvwxy"}));
    EXPECT_EQ(Text(grid, 18, 12, 0, 1, 12), "nopqrstuvwxy");
}

// Every cell of the grids found for lists of 10 to 50 words in each order, as
// recorded with the steps each took, the cap among them: a faster search must find exactly these.
TEST_F(CrosswordLayoutTest, LayoutsAreTheRecordedOnes)
{
    const std::map<std::string, WordOrder> orders = {
        {"list", WordOrder::ListOrder}, {"longest", WordOrder::LongestFirst}, {"shortest", WordOrder::ShortestFirst}};
    std::ifstream recorded(QUILLORY_TEST_DATA "/crossword_layouts.txt");
    ASSERT_TRUE(recorded.is_open());
    std::vector<std::string> words;
    int layouts = 0;
    for (std::string line; std::getline(recorded, line);) {
        std::istringstream fields(line);
        std::string key, order;
        fields >> key;
        if (key == "words")
            words.assign(std::istream_iterator<std::string>(fields), {});
        if (key != "order")
            continue;
        fields >> order;
        std::string expected = line + '\n';
        for (int y = 0; y < 25 && std::getline(recorded, line); ++y)
            expected += line + '\n';
        ResetAlphabet();
        Grid grid = Layout(WordList(words), orders.at(order));
        EXPECT_EQ(Record(order, grid), expected) << words.size() << " words, " << order;
        ++layouts;
    }
    EXPECT_EQ(layouts, 13);
}

TEST_F(CrosswordLayoutTest, MissingOrUnreadablePatternIsAnErrorNamingTheFile)
{
    Dictionary list = WordList({"cat"});
    ExpectErrorNamingMissingFile("25x25", [&] { CrosswordLayout(list.words).Generate(); });
}

}  // namespace
