#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace {

using GridPrinterTest = FreshAlphabetTest;

TEST_F(GridPrinterTest, AsciiPictureIsExact)
{
    Grid grid(2, 1);
    grid.CellAt(0, 0).SetSymbol(Alphabet::SymbolOf('m'));
    EXPECT_EQ(Printed(grid, 1), "+---+---+\n| m | + |\n+---+---+\n");
    grid.CellAt(1, 0).SetBlock();
    EXPECT_EQ(Printed(grid, 1), "+---+---+\n| m |XXX|\n+---+---+\n");

    Grid flat(3, 0);
    EXPECT_EQ(Printed(flat, 1), "+---+---+---+\n");
}

TEST_F(GridPrinterTest, SimplePictureShowsEveryCellsMarkAndUnknownFormatsNothing)
{
    Grid grid(2, 2);
    grid.CellAt(0, 0).SetBlock();
    grid.CellAt(1, 0).SetSymbol(DefaultSymbol);
    grid.CellAt(0, 1).SetSymbol(NoSymbol);
    EXPECT_EQ(Printed(grid, 0), " #\n/+\n");
    EXPECT_EQ(Printed(grid, 7), "");
    EXPECT_EQ(Printed(grid, -1), "");
}

TEST_F(GridPrinterTest, WidthZeroListsTheSlotsOnStandardOutput)
{
    Grid grid(3, 1);
    grid.CellAt(0, 0).SetSymbol(Alphabet::SymbolOf('o'));
    grid.CellAt(1, 0).SetSymbol(Alphabet::SymbolOf('x'));
    grid.CellAt(2, 0).SetBlock();
    grid.FindWordSlots();
    grid.width = 0;  // slots stay as found; they still read the cells

    testing::internal::CaptureStdout();
    EXPECT_EQ(Printed(grid, 1), "");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ox (0,1)\no (0)\nx (1)\n");
}

TEST_F(GridPrinterTest, PlacedWordsReadAlongTheirLine)
{
    Grid grid(5, 5);
    const char* rows[] = {"abcde", "fghij", "klmno", "pqrst", "uvwxy"};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            grid.CellAt(x, y).SetSymbol(Alphabet::SymbolOf(rows[y][x]));
    const std::pair<Placement, std::string> cases[] = {
        {{0, 0, 4, 0}, "abcde"}, {{4, 1, 0, 1}, "jihgf"}, {{2, 0, 2, 4}, "chmrw"},
        {{4, 4, 2, 2}, "ysm"},   {{0, 4, 4, 0}, "uqmie"}, {{3, 3, 3, 3}, "s"},
        {{3, 0, 6, 0}, "de  "},  // outside cells read as blanks
        // A crooked placement ends after its longer side.
        {{0, 0, 2, 1}, "agh"},   {{0, 0, 1, 4}, "agmsv"},
    };
    for (const auto& [placement, text] : cases) {
        grid.placements.push_back(placement);
        EXPECT_EQ(grid.PlacedWordText(int(grid.placements.size()) - 1), text);
    }
}

}  // namespace
