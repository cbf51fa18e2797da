#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/error.h"
#include "engine/grid.h"
#include "puzzle_test_support.h"
#include "puzzles/crossword_layout.h"

namespace {

class CrosswordLayoutTest : public PuzzleTest {
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

    // Every maximal run of two or more letters across and down.
    static std::vector<std::string> Runs(Grid& grid)
    {
        std::vector<std::string> runs;
        auto collect = [&](int x, int y, int dx, int dy) {
            std::string run;
            for (; grid.CellAt(x, y).HasLetter(); x += dx, y += dy)
                run += Alphabet::CharOf(grid.CellAt(x, y).symbol);
            if (run.size() > 1)
                runs.push_back(run);
        };
        for (int y = 0; y < grid.height; ++y)
            for (int x = 0; x < grid.width; ++x) {
                if (!grid.CellAt(x - 1, y).HasLetter())
                    collect(x, y, 1, 0);
                if (!grid.CellAt(x, y - 1).HasLetter())
                    collect(x, y, 0, 1);
            }
        return runs;
    }

    std::size_t placed = 0;
    int steps = 0;
};

const std::vector<std::string> AnimalWords = {
    "elephant", "giraffe", "zebra",  "lion",   "tiger",  "monkey",   "kangaroo", "koala",  "penguin", "dolphin",
    "whale",    "shark",   "octopus", "turtle", "frog",   "snake",    "lizard",   "eagle",  "owl",     "parrot",
    "rabbit",   "squirrel", "hamster", "horse",  "cow",    "sheep",    "goat",     "pig",    "chicken", "duck",
    "goose",    "mouse",   "rat",    "bear",   "wolf",   "fox",      "deer",     "moose",  "camel",   "llama",
    "panda",    "otter",   "beaver", "bat",    "spider", "ant",      "bee",      "butterfly", "snail", "crab"};

TEST_F(CrosswordLayoutTest, SingleWordLiesAcrossTheMiddleRow)
{
    Grid grid = Layout(WordList({"apple"}));
    ASSERT_EQ(grid.width, 25);
    ASSERT_EQ(grid.height, 25);
    EXPECT_EQ(Text(grid, 10, 12, 1, 0, 5), "apple");
    EXPECT_EQ(LetterCount(grid), 5);
    for (const Cell& cell : grid.cells)
        EXPECT_TRUE(cell.HasLetter() || cell.symbol == EmptySymbol);
    EXPECT_EQ(placed, 1u);
}

TEST_F(CrosswordLayoutTest, OneLetterWordStandsAloneInTheCentre)
{
    Grid grid = Layout(WordList({"i"}));
    EXPECT_EQ(Text(grid, 12, 12, 1, 0, 1), "i");
    EXPECT_EQ(LetterCount(grid), 1);
}

TEST_F(CrosswordLayoutTest, WordsWithoutACommonLetterKeepOnlyTheRoot)
{
    Grid grid = Layout(WordList({"abc", "defg"}));
    EXPECT_EQ(Text(grid, 10, 12, 1, 0, 4), "defg");
    EXPECT_EQ(LetterCount(grid), 4);
    EXPECT_EQ(placed, 1u);

    ResetAlphabet();
    grid = Layout(WordList({"abc", "def"}));
    EXPECT_EQ(Text(grid, 11, 12, 1, 0, 3), "abc");
    EXPECT_EQ(LetterCount(grid), 3);
}

TEST_F(CrosswordLayoutTest, FirstEquallyCompactCrossingIsKept)
{
    for (WordOrder order : {WordOrder::ListOrder, WordOrder::LongestFirst, WordOrder::ShortestFirst}) {
        ResetAlphabet();
        Grid grid = Layout(WordList({"cat", "tab"}), order);
        EXPECT_EQ(Text(grid, 11, 12, 1, 0, 3), "cat");
        // Through the a, not the later crossing through the t with the same score.
        EXPECT_EQ(Text(grid, 12, 11, 0, 1, 3), "tab");
        EXPECT_EQ(LetterCount(grid), 5);
        EXPECT_EQ(placed, 2u);
    }
}

TEST_F(CrosswordLayoutTest, DownWordNeverEndsOnTheLastRow)
{
    // The only crossing is the root's last letter, which is the candidate's first:
    // twelve letters end on row 23, thirteen would end on the last row.
    Grid fits = Layout(WordList({"abcdefghijklmn", "nopqrstuvwxy"}));
    EXPECT_EQ(Text(fits, 18, 12, 0, 1, 12), "nopqrstuvwxy");

    ResetAlphabet();
    Grid tooLong = Layout(WordList({"abcdefghijklmn", "nopqrstuvwxyz"}));
    EXPECT_EQ(LetterCount(tooLong), 14);
    EXPECT_EQ(placed, 1u);
}

TEST_F(CrosswordLayoutTest, RootLongerThanThePatternGivesWayToTheNextLongest)
{
    Grid grid = Layout(WordList({"abcdefghijklmnopqrstuvwxyz", "hello"}));
    EXPECT_EQ(Text(grid, 10, 12, 1, 0, 5), "hello");
    EXPECT_EQ(LetterCount(grid), 5);
    for (int y = 0; y < grid.height; ++y)
        EXPECT_FALSE(grid.CellAt(-1, y).HasLetter());

    ResetAlphabet();
    Grid empty = Layout(WordList({"abcdefghijklmnopqrstuvwxyz"}));
    EXPECT_EQ(LetterCount(empty), 0);
    EXPECT_EQ(placed, 0u);

    ResetAlphabet();
    Grid widest = Layout(WordList({"abcdefghijklmnopqrstuvwxy"}));
    EXPECT_EQ(Text(widest, 0, 12, 1, 0, 25), "abcdefghijklmnopqrstuvwxy");
}

TEST_F(CrosswordLayoutTest, StepCapEndsALongSearchWithAClashFreeGrid)
{
    Dictionary list;
    for (const std::string& word : AnimalWords)
        list.AddWord(word, "");
    Grid grid = Layout(list, WordOrder::ShortestFirst);
    EXPECT_GT(steps, CrosswordLayout::StepCap + 1);
    // Each call that was searching when the cap passed places at most one more word.
    EXPECT_LE(steps, CrosswordLayout::StepCap + 2 + int(AnimalWords.size()));

    std::map<std::string, int> listed;
    for (const std::string& word : AnimalWords)
        ++listed[word];
    std::vector<std::string> runs = Runs(grid);
    EXPECT_EQ(runs.size(), placed);
    EXPECT_GT(placed, AnimalWords.size() / 2);
    for (const std::string& run : runs)
        EXPECT_GE(--listed[run], 0) << run << " is not a word of the list";
}

TEST_F(CrosswordLayoutTest, MissingOrUnreadablePatternIsAnErrorNamingTheFile)
{
    Dictionary list = WordList({"cat"});
    EmptyWorkingDirectory elsewhere;
    for (bool present : {false, true}) {
        if (present)
            std::filesystem::create_directory("25x25");
        CrosswordLayout layout(list.words);
        try {
            layout.Generate();
            ADD_FAILURE() << "no error";
        } catch (const error& e) {
            EXPECT_NE(e.message().find("25x25"), std::string::npos) << e.message();
        }
    }
}

}  // namespace
