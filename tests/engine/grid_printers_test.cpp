#include <gtest/gtest.h>

#include <sstream>

#include "engine/alphabet.h"
#include "engine/grid.h"

namespace {

std::string Printed(Grid& grid, int format)
{
    std::ostringstream out;
    grid.Print(out, format);
    return out.str();
}

class GridPrinterTest : public testing::Test {
protected:
    void SetUp() override { ResetAlphabet(); }
};

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

TEST_F(GridPrinterTest, SimplePictureShowsEveryCellsMark)
{
    Grid grid(2, 2);
    EXPECT_EQ(Printed(grid, 0), "++\n++\n");
    grid.CellAt(0, 0).SetBlock();
    grid.CellAt(1, 0).SetSymbol(DefaultSymbol);
    grid.CellAt(0, 1).SetSymbol(NoSymbol);
    EXPECT_EQ(Printed(grid, 0), " #\n/+\n");
}

TEST_F(GridPrinterTest, UnknownFormatPrintsNothing)
{
    Grid grid(2, 2);
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

    Grid empty(4, 4);
    empty.Resize(0, 0);
    empty.FindWordSlots();
    testing::internal::CaptureStdout();
    EXPECT_EQ(Printed(empty, 0), "");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

class PlacedWordTest : public GridPrinterTest {
protected:
    void SetUp() override
    {
        GridPrinterTest::SetUp();
        const char* rows[] = {"abcde", "fghij", "klmno", "pqrst", "uvwxy"};
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x)
                grid.CellAt(x, y).SetSymbol(Alphabet::SymbolOf(rows[y][x]));
    }
    std::string Text(Placement p)
    {
        grid.placements.push_back(p);
        return grid.PlacedWordText(int(grid.placements.size()) - 1);
    }
    Grid grid{5, 5};
};

TEST_F(PlacedWordTest, ReadsAlongEachOfTheEightLines)
{
    EXPECT_EQ(Text({0, 0, 4, 0}), "abcde");
    EXPECT_EQ(Text({4, 1, 0, 1}), "jihgf");
    EXPECT_EQ(Text({2, 0, 2, 4}), "chmrw");
    EXPECT_EQ(Text({4, 4, 2, 2}), "ysm");
    EXPECT_EQ(Text({0, 4, 4, 0}), "uqmie");
    EXPECT_EQ(Text({3, 3, 3, 3}), "s");
}

TEST_F(PlacedWordTest, OutsideCellsReadAsBlanks)
{
    EXPECT_EQ(Text({3, 0, 6, 0}), "de  ");
}

TEST_F(PlacedWordTest, CrookedPlacementEndsAfterItsLongerSide)
{
    EXPECT_EQ(Text({0, 0, 2, 1}), "agh");
    EXPECT_EQ(Text({0, 0, 1, 4}), "agmsv");
}

}  // namespace
