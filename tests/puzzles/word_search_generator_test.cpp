#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "engine/grid.h"
#include "puzzle_test_support.h"
#include "puzzles/random_in_range.h"
#include "puzzles/word_search_generator.h"

namespace {

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
    EXPECT_EQ(RandomInRange(0, 0), 0);
    EXPECT_EQ(RandomInRange(5, 5), 5);
}

class WordSearchGeneratorTest : public FreshAlphabetTest {
protected:
    Grid Generate(const Dictionary& list) { return WordSearchGenerator(list.words).Generate(); }
};

// Words that all fit are hidden exactly as they always were for the same seed.
TEST_F(WordSearchGeneratorTest, TheSameSeedGivesTheSameGridWhenEveryWordFits)
{
    Dictionary list = WordList({"abcdefghijklmnopqrstuvwxy", "fifteenletterss", "teacher", "reader", "heart", "i"});
    Grid grid = WordSearchGenerator(list.words).Generate(20261207);
    std::ostringstream letters;
    grid.PrintSimple(letters);
    EXPECT_EQ(letters.str(),
        "fbebqmhbuyemmwopvojxacmyz\nvdfrupmlfvefubsiuctzjanmh\nksippqixeqfzasgamrlhynfzl\n"
        "bclnbnfqhdvbwgfsrvemkambl\nltltldgqjcttqirqksocdzxnu\nfodfrktopjsooqipxayzjvdnq\n"
        "blvrparnnvdspwtofvwhpmxcy\negmqffeipnjcyuardkyurbamr\nripxqflhrthwcwriervzivnju\n"
        "mkatxbjqjhxruvqvllbdlumov\nyxwvutsrqponmlkjihgfedcba\nxlokrvredaerdwrauzbeqwros\n"
        "xssrettelneetfifyjzrduveh\nmqumcsmohopyipfylunpnxyji\nozsfateacherpkgrluverahlj\n");
    std::vector<std::array<int, 4>> ends;
    for (const Placement& p : grid.placements)
        ends.push_back({p.x1, p.y1, p.x2, p.y2});
    const std::vector<std::array<int, 4>> expected = {{24, 10, 0, 10}, {15, 12, 1, 12}, {5, 14, 11, 14},
                                                      {11, 11, 6, 11}, {7, 8, 3, 4},     {14, 5, 14, 5}};
    EXPECT_EQ(ends, expected);
}

// Only the 25 cells of a row can hold a 25-letter word; a longer one is passed over at once.
TEST_F(WordSearchGeneratorTest, AWordLongerThanEveryLineIsSkippedAndTheWordsAfterItArePlaced)
{
    const std::string widest = "abcdefghijklmnopqrstuvwxy";
    Grid grid = Generate(WordList({std::string(40, 'l'), "cat", widest + "z", "dog", widest}));
    ASSERT_EQ(grid.placements.size(), 3u);
    EXPECT_EQ(grid.PlacedWordText(0), "cat");
    EXPECT_EQ(grid.PlacedWordText(1), "dog");
    EXPECT_EQ(grid.PlacedWordText(2), widest);
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
