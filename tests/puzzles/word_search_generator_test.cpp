#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/grid.h"
#include "puzzle_test_support.h"
#include "puzzles/random_in_range.h"
#include "puzzles/word_search_generator.h"

namespace {

class WordSearchGeneratorTest : public PuzzleTest {
protected:
    Grid Generate(const Dictionary& list)
    {
        WordSearchGenerator generator(list.words);
        return generator.Generate();
    }

    static void ExpectEveryCellALetterAToZ(Grid& grid)
    {
        for (const Cell& cell : grid.cells) {
            ASSERT_TRUE(cell.HasLetter());
            char c = Alphabet::CharOf(cell.symbol);
            EXPECT_TRUE(c >= 'a' && c <= 'z') << int(c);
        }
    }
};

TEST(RandomInRangeTest, StaysInRangeWithEvenCountsAlthoughRandReachesFarBeyond15Bits)
{
    ASSERT_GT(RAND_MAX, 32767);  // the case the scaling must guard against
    std::srand(1234);
    std::vector<int> counts(8);
    const int draws = 80000;
    for (int i = 0; i < draws; ++i) {
        int r = RandomInRange(0, 8);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 8);
        ++counts[r];
    }
    for (int count : counts) {
        EXPECT_GT(count, draws / 8 * 9 / 10);
        EXPECT_LT(count, draws / 8 * 11 / 10);
    }
    for (int i = 0; i < 10000; ++i) {
        int letter = RandomInRange(97, 123);
        ASSERT_GE(letter, 97);
        ASSERT_LE(letter, 122);
    }
    EXPECT_EQ(RandomInRange(0, 0), 0);
    EXPECT_EQ(RandomInRange(5, 5), 5);
}

TEST_F(WordSearchGeneratorTest, EmptyListGivesRandomLettersOnly)
{
    Grid grid = Generate(Dictionary());
    EXPECT_EQ(grid.width, 25);
    EXPECT_EQ(grid.height, 15);
    EXPECT_TRUE(grid.placements.empty());
    ExpectEveryCellALetterAToZ(grid);
}

TEST_F(WordSearchGeneratorTest, EveryPlacementReadsItsWordInListOrder)
{
    std::vector<std::string> words = {"teacher", "reader", "heart", "trade", "earth", "hat", "tree", "area"};
    Dictionary list;
    for (const std::string& word : words)
        list.AddWord(word, "");
    for (int run = 0; run < 20; ++run) {
        Grid grid = Generate(list);
        ASSERT_EQ(grid.placements.size(), words.size());
        for (std::size_t i = 0; i < words.size(); ++i) {
            const Placement& p = grid.placements[i];
            int length = std::max(std::abs(p.x2 - p.x1), std::abs(p.y2 - p.y1)) + 1;
            EXPECT_EQ(length, int(words[i].size()));
            EXPECT_EQ(grid.PlacedWordText(int(i)), words[i]);
        }
        ExpectEveryCellALetterAToZ(grid);
    }
}

TEST_F(WordSearchGeneratorTest, OneLetterWordStartsAndEndsInOneCell)
{
    Grid grid = Generate(WordList({"i"}));
    ASSERT_EQ(grid.placements.size(), 1u);
    const Placement& p = grid.placements[0];
    EXPECT_EQ(p.x1, p.x2);
    EXPECT_EQ(p.y1, p.y2);
    EXPECT_EQ(grid.PlacedWordText(0), "i");
}

TEST_F(WordSearchGeneratorTest, WordWiderThanTheGridBlocksTheWordsAfterIt)
{
    Grid grid = Generate(WordList({"cat", "abcdefghijklmnopqrstuvwxyz", "dog"}));
    ASSERT_EQ(grid.placements.size(), 1u);
    EXPECT_EQ(grid.PlacedWordText(0), "cat");
}

TEST_F(WordSearchGeneratorTest, FullGridEndsThePlacingAndKeepsWhatWasPlaced)
{
    Dictionary list;
    for (int i = 0; i < 25 * 15 + 1; ++i)
        list.AddWord("q", "");
    Grid grid = Generate(list);
    EXPECT_EQ(grid.placements.size(), 25u * 15u);
    for (const Cell& cell : grid.cells)
        EXPECT_EQ(Alphabet::CharOf(cell.symbol), 'q');
}

TEST_F(WordSearchGeneratorTest, WordCrossesOnlyThroughTheSameLetterInsideTheGrid)
{
    Dictionary list = WordList({"cat", "xa", "xb", "xyzw"});
    WordSearchGenerator generator(list.words);
    const Symbol* cat = list.words[0]->data();
    generator.PlaceWord(0, 0, 2, cat);  // c a t across the top of the 4 x 4 grid
    EXPECT_TRUE(generator.CanPlace(1, 1, 0, list.words[1]->data()));   // up into the a
    EXPECT_FALSE(generator.CanPlace(1, 1, 0, list.words[2]->data()));  // up into the a with a b
    EXPECT_FALSE(generator.CanPlace(0, 1, 4, list.words[3]->data()));  // down past the bottom
    EXPECT_TRUE(generator.CanPlace(0, 0, 4, list.words[3]->data()));   // down to the last row
    EXPECT_TRUE(generator.CanPlace(3, 3, 7, list.words[1]->data()));   // up and left, all empty
}

}  // namespace
