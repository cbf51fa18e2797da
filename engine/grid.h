#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/cell.h"
#include "engine/placement.h"
#include "engine/word_slot.h"

class Dictionary;

struct GridSize {
    int width;
    int height;
};

// The size ReadAsciiGrid gives a grid read from the picture; nothing for a
// text without a line end, which leaves the grid as it is.
std::optional<GridSize> AsciiGridSize(const std::string& text);

// The characters ReadAsciiGrid would put in the grid's cells, in reading order,
// read without the alphabet.
std::string AsciiGridLetters(const std::string& text);

// Every position outside any grid is a block cell. Writing access gets this
// one, made a fresh block on each access, so that whatever was written through
// it is forgotten; reading access gets OutsideBlock, which nothing changes.
extern Cell OutsideCell;
extern const Cell OutsideBlock;

// A rectangular board of cells, row by row, with its word slots and placed words.
class Grid {
public:
    Grid(int width, int height);
    // A copy gets its own slots, equal to the source's and naming the copy.
    Grid(const Grid& other);
    Grid& operator=(const Grid& other);
    ~Grid();

    void Resize(int w, int h);
    bool Contains(int x, int y) const { return x >= 0 && x < width && y >= 0 && y < height; }
    Cell& CellAt(int x, int y) { return Contains(x, y) ? cells[Index(x, y)] : FreshOutsideCell(); }
    const Cell& CellAt(int x, int y) const { return Contains(x, y) ? cells[Index(x, y)] : OutsideBlock; }
    Cell& CellAtIndex(int index);
    void FindWordSlots();
    void LockPresetCells();

    // Readers
    void ReadPatternFile(const std::string& name);
    void ReadAsciiGrid(std::string text);

    // Printers
    void Print(std::ostream& out, int format);
    void PrintSimple(std::ostream& out);
    void PrintAscii(std::ostream& out);
    std::string PlacedWordText(int i);

    // Page writers, built with the puzzle generators.
    void PrintHtml(std::ostream& out);
    void WriteCrosswordHtml(std::ostream& out, Dictionary& dictionary, bool showLetters);
    void WriteWordSearchHtml(std::ostream& out, Dictionary& dictionary);

    std::vector<Cell> cells;
    int cellCount = 0;
    std::vector<WordSlot*> wordSlots;
    std::vector<Placement> placements;
    int width = 0;
    int height = 0;

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(width) * y + x; }
    static Cell& FreshOutsideCell();
    void PrintWordSlots();
    void AddSlotRun(int x, int y, int dx, int dy);
    void CopySlotsFrom(const Grid& other);

    std::vector<std::unique_ptr<WordSlot>> ownedSlots_;
};

std::ostream& WriteCellChar(std::ostream& out, const Cell& cell);
