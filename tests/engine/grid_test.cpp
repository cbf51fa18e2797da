#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "engine/error.h"
#include "engine_test_support.h"

namespace {

using GridTest = FreshAlphabetTest;

TEST_F(GridTest, ResizeBounds)
{
    Grid grid(4, 4);
    grid.Resize(0, 5);
    EXPECT_EQ(grid.cellCount, 0);
    EXPECT_EQ(grid.height, 5) << "the size is kept";
    grid.Resize(3, -2);
    EXPECT_EQ(grid.cellCount, 0);
    grid.FindWordSlots();
    EXPECT_TRUE(grid.wordSlots.empty());
    EXPECT_THROW(grid.Resize(100000, 100000), error);
    EXPECT_THROW(grid.Resize(65536, 65536), error) << "the cell count must not wrap";
}

TEST_F(GridTest, OutsidePositionsReadAsBlocksWhateverWasWritten)
{
    Grid grid(2, 2);
    Cell& outside = grid.CellAt(5, 5);
    outside.SetSymbol(Alphabet::SymbolOf('q'));
    outside.locked = true;
    outside.AddWordRef(nullptr, 0);
    for (auto [x, y] : {std::pair{2, 0}, {-1, 0}, {0, 2}}) {
        // Read first as a reader, then as a writer would.
        const Cell reads[] = {std::as_const(grid).CellAt(x, y), grid.CellAt(x, y)};
        for (const Cell& again : reads) {
            EXPECT_EQ(again.symbol, BlockSymbol);
            EXPECT_FALSE(again.locked);
            EXPECT_TRUE(again.references.empty());
        }
    }
    EXPECT_EQ(grid.cellCount, 4);
}

TEST_F(GridTest, CellCountsLettersAndResets)
{
    Cell cell(EmptySymbol);
    cell.SetSymbol(EmptySymbol);
    cell.SetSymbol(BlockSymbol);
    cell.SetSymbol(Alphabet::SymbolOf('a'));
    cell.SetSymbol(Alphabet::SymbolOf('a'));
    EXPECT_EQ(cell.fillCount, 2);
    cell.Reset(true);
    EXPECT_EQ(cell.previousSymbol, Alphabet::SymbolOf('a'));
    EXPECT_EQ(cell.symbol, EmptySymbol);
    cell.Reset(false);
    EXPECT_EQ(cell.previousSymbol, NoSymbol);
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
    EXPECT_THROW(grid.CellAt(0, 0).SetSymbol(EmptySymbol), error);
    EXPECT_NO_THROW(grid.CellAt(2, 0).SetSymbol(Alphabet::SymbolOf('y')));
}

TEST_F(GridTest, SlotsRefusePositionsOutsideAndReadBlocksBeyondTheCells)
{
    Grid grid(3, 1);
    grid.CellAt(0, 0).SetSymbol(Alphabet::SymbolOf('o'));
    const WordSlot* across = grid.wordSlots.front();
    EXPECT_THROW(across->CellAt(-1), error);
    EXPECT_THROW(across->CellAt(3), error);
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
        EXPECT_EQ(AllSlots(Grid(source)), AllSlots(source));
    }
    EXPECT_EQ(AllSlots(*copy), (std::vector<std::vector<int>>{{0, 1}, {2, 3}, {0, 2}, {1, 3}}));
    Symbol buffer[2];
    copy->wordSlots[1]->CopySymbols(buffer);
    EXPECT_EQ(buffer[1], Alphabet::SymbolOf('k'));
    EXPECT_EQ(copy->placements.size(), 1u);
    EXPECT_EQ(copy->CellAt(1, 1).references[0].second, copy->wordSlots[1]);
}

}  // namespace
