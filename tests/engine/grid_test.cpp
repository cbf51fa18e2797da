#include <gtest/gtest.h>

#include <memory>

#include "engine/alphabet.h"
#include "engine/error.h"
#include "engine/grid.h"

namespace {

std::vector<int> SlotCells(const WordSlot* slot)
{
    std::vector<int> indexes;
    for (int i = 0; i < slot->length; ++i)
        indexes.push_back(slot->CellAt(i));
    return indexes;
}

std::vector<std::vector<int>> AllSlots(const Grid& grid)
{
    std::vector<std::vector<int>> slots;
    for (const WordSlot* slot : grid.wordSlots)
        slots.push_back(SlotCells(slot));
    return slots;
}

class GridTest : public testing::Test {
protected:
    void SetUp() override { ResetAlphabet(); }
};

TEST_F(GridTest, NewGridHasEmptyCellsAndAcrossSlotsBeforeDownSlots)
{
    Grid grid(4, 4);
    EXPECT_EQ(grid.cellCount, 16);
    for (const Cell& cell : grid.cells)
        EXPECT_EQ(cell.symbol, EmptySymbol);
    std::vector<std::vector<int>> expected = {{0, 1, 2, 3},   {4, 5, 6, 7},   {8, 9, 10, 11}, {12, 13, 14, 15},
                                              {0, 4, 8, 12},  {1, 5, 9, 13},  {2, 6, 10, 14}, {3, 7, 11, 15}};
    EXPECT_EQ(AllSlots(grid), expected);
    EXPECT_EQ(grid.CellAt(1, 2).referenceCount, 2);
    EXPECT_EQ(grid.CellAt(1, 2).references[1].first, 2) << "position within the down slot";
}

TEST_F(GridTest, BlocksSplitRunsAndSingleCellsAreSlots)
{
    Grid grid(3, 1);
    grid.CellAt(1, 0).SetBlock();
    grid.FindWordSlots();
    std::vector<std::vector<int>> expected = {{0}, {2}, {0}, {2}};
    EXPECT_EQ(AllSlots(grid), expected);
    EXPECT_TRUE(grid.CellAt(1, 0).references.empty());
}

TEST_F(GridTest, ResizeToNothingLeavesNoCellsButKeepsTheSize)
{
    Grid grid(4, 4);
    grid.Resize(0, 5);
    EXPECT_EQ(grid.cellCount, 0);
    EXPECT_EQ(grid.width, 0);
    EXPECT_EQ(grid.height, 5);
    grid.Resize(3, -2);
    EXPECT_EQ(grid.cellCount, 0);
    grid.FindWordSlots();
    EXPECT_TRUE(grid.wordSlots.empty());
}

TEST_F(GridTest, ResizeRefusesAGridBeyondAnyPuzzle)
{
    Grid grid(4, 4);
    EXPECT_THROW(grid.Resize(100000, 100000), error);
    EXPECT_THROW(grid.Resize(65536, 65536), error) << "the cell count must not wrap";
}

TEST_F(GridTest, OutsidePositionsReadAsBlocksWhateverWasWritten)
{
    Grid grid(2, 2);
    EXPECT_TRUE(grid.CellAt(-1, 0).IsBlock());
    EXPECT_TRUE(grid.CellAt(2, 0).IsBlock());
    EXPECT_TRUE(grid.CellAt(0, 2).IsBlock());
    Cell& outside = grid.CellAt(5, 5);
    outside.SetSymbol(Alphabet::SymbolOf('q'));
    outside.locked = true;
    outside.AddWordRef(nullptr, 0);
    Cell& again = grid.CellAt(-3, 1);
    EXPECT_EQ(again.symbol, BlockSymbol);
    EXPECT_FALSE(again.locked);
    EXPECT_TRUE(again.references.empty());
    EXPECT_EQ(grid.cellCount, 4);
}

TEST_F(GridTest, CellCountsAndResets)
{
    Cell cell(EmptySymbol);
    cell.SetSymbol(EmptySymbol);
    cell.SetSymbol(BlockSymbol);
    EXPECT_EQ(cell.fillCount, 0);
    cell.SetSymbol(Alphabet::SymbolOf('a'));
    cell.SetSymbol(Alphabet::SymbolOf('a'));
    EXPECT_EQ(cell.fillCount, 2);
    EXPECT_TRUE(cell.HasLetter());

    Cell fresh(EmptySymbol);
    fresh.Reset(true);
    EXPECT_EQ(fresh.previousSymbol, EmptySymbol);
    cell.Reset(true);
    EXPECT_EQ(cell.previousSymbol, Alphabet::SymbolOf('a'));
    EXPECT_EQ(cell.symbol, EmptySymbol);
    cell.Reset(false);
    EXPECT_EQ(cell.previousSymbol, NoSymbol);

    EXPECT_TRUE(Cell(DefaultSymbol).HasLetter());
    EXPECT_TRUE(Cell(NoSymbol).HasLetter());
    EXPECT_FALSE(Cell(BlockSymbol).HasLetter());
}

TEST_F(GridTest, LockedPresetCellsRefuseLettersButEmptyCellsAccept)
{
    Grid grid(3, 1);
    grid.CellAt(0, 0).SetBlock();
    grid.CellAt(1, 0).SetSymbol(Alphabet::SymbolOf('z'));
    grid.LockPresetCells();
    try {
        grid.CellAt(1, 0).SetSymbol(Alphabet::SymbolOf('y'));
        FAIL() << "a locked cell must refuse";
    } catch (const error& e) {
        EXPECT_EQ(e.message(), "Attempt to set symbol in locked cell");
    }
    EXPECT_EQ(grid.CellAt(1, 0).symbol, Alphabet::SymbolOf('z'));
    EXPECT_EQ(grid.CellAt(1, 0).fillCount, 1);
    EXPECT_THROW(grid.CellAt(0, 0).SetSymbol(EmptySymbol), error);
    EXPECT_NO_THROW(grid.CellAt(2, 0).SetSymbol(Alphabet::SymbolOf('y')));
}

TEST_F(GridTest, SlotPositionsOutsideTheSlotAreABug)
{
    Grid grid(2, 1);
    const WordSlot* slot = grid.wordSlots.front();
    EXPECT_THROW(slot->CellAt(-1), error);
    EXPECT_THROW(slot->CellAt(2), error);
    EXPECT_EQ(slot->CellAt(1), 1);
}

TEST_F(GridTest, SlotSymbolsReadTheGridAndBlocksBeyondItsCells)
{
    Grid grid(3, 1);
    grid.CellAt(0, 0).SetSymbol(Alphabet::SymbolOf('o'));
    const WordSlot* across = grid.wordSlots.front();
    Symbol buffer[3];
    across->CopySymbols(buffer);
    EXPECT_EQ(buffer[0], Alphabet::SymbolOf('o'));
    EXPECT_EQ(buffer[1], EmptySymbol);
    grid.Resize(1, 1);
    across->CopySymbols(buffer);
    EXPECT_EQ(buffer[2], BlockSymbol) << "the slot outlived the cells it named";
}

TEST_F(GridTest, CopiesHaveEqualSlotsThatReadTheCopy)
{
    auto copy = std::make_unique<Grid>(1, 1);
    {
        Grid source(2, 2);
        source.CellAt(1, 1).SetSymbol(Alphabet::SymbolOf('k'));
        source.placements.push_back({0, 0, 1, 1});
        *copy = source;
        Grid constructed(source);
        EXPECT_EQ(AllSlots(constructed), AllSlots(source));
    }
    EXPECT_EQ(AllSlots(*copy), (std::vector<std::vector<int>>{{0, 1}, {2, 3}, {0, 2}, {1, 3}}));
    Symbol buffer[2];
    copy->wordSlots[1]->CopySymbols(buffer);
    EXPECT_EQ(buffer[1], Alphabet::SymbolOf('k'));
    ASSERT_EQ(copy->placements.size(), 1u);
    EXPECT_EQ(copy->CellAt(1, 1).references[0].second, copy->wordSlots[1]);
}

}  // namespace
