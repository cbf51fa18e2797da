#include "engine/grid.h"

#include <cstdint>
#include <map>

#include "engine/error.h"

Cell OutsideCell(BlockSymbol);
const Cell OutsideBlock(BlockSymbol);

namespace {

// Far beyond any puzzle; keeps a hostile size line or grid text from taking the memory.
constexpr std::int64_t MaxCells = 1 << 20;

}  // namespace

Grid::Grid(int width, int height)
{
    Resize(width, height);
    FindWordSlots();
}

Grid::Grid(const Grid& other)
    : cells(other.cells),
      cellCount(other.cellCount),
      placements(other.placements),
      width(other.width),
      height(other.height)
{
    CopySlotsFrom(other);
}

Grid& Grid::operator=(const Grid& other)
{
    if (this != &other) {
        cells = other.cells;
        cellCount = other.cellCount;
        placements = other.placements;
        width = other.width;
        height = other.height;
        CopySlotsFrom(other);
    }
    return *this;
}

Grid::~Grid() = default;

// Gives this grid slots of its own, equal to the source's, and points the
// copied cell references at them, so no slot outlives the grid it reads.
void Grid::CopySlotsFrom(const Grid& other)
{
    std::map<const WordSlot*, WordSlot*> copyOf;
    std::vector<std::unique_ptr<WordSlot>> slots;
    wordSlots.clear();
    for (const WordSlot* source : other.wordSlots) {
        auto slot = std::make_unique<WordSlot>(*source);
        for (auto& cell : slot->cells)
            if (cell.second == &other)
                cell.second = this;
        copyOf[source] = slot.get();
        wordSlots.push_back(slot.get());
        slots.push_back(std::move(slot));
    }
    ownedSlots_ = std::move(slots);
    for (Cell& cell : cells)
        for (auto& reference : cell.references) {
            auto found = copyOf.find(reference.second);
            reference.second = found == copyOf.end() ? nullptr : found->second;
        }
}

void Grid::Resize(int w, int h)
{
    std::int64_t count = std::int64_t(w) * h;
    if (w > 0 && h > 0 && count > MaxCells)
        throw error("Grid dimensions are too large");
    width = w;
    height = h;
    cells.clear();
    if (w > 0 && h > 0)
        cells.assign(static_cast<std::size_t>(count), Cell(EmptySymbol));
    cellCount = static_cast<int>(cells.size());
}

Cell& Grid::FreshOutsideCell()
{
    OutsideCell = Cell(BlockSymbol);
    return OutsideCell;
}

Cell& Grid::CellAtIndex(int index) { return cells[index]; }

void Grid::FindWordSlots()
{
    wordSlots.clear();
    ownedSlots_.clear();
    for (Cell& cell : cells)
        cell.references.clear();
    for (int y = 0; y < height; ++y)
        AddSlotRun(0, y, 1, 0);
    for (int x = 0; x < width; ++x)
        AddSlotRun(x, 0, 0, 1);
}

// Adds a slot for every maximal run of non-block cells on the line that
// starts at (x, y) and moves by (dx, dy).
void Grid::AddSlotRun(int x, int y, int dx, int dy)
{
    while (x < width && y < height) {
        WordSlot* slot = nullptr;
        for (int position = 0; !CellAt(x, y).IsBlock(); ++position, x += dx, y += dy) {
            if (!slot) {
                ownedSlots_.push_back(std::make_unique<WordSlot>());
                slot = ownedSlots_.back().get();
                wordSlots.push_back(slot);
            }
            slot->cells.emplace_back(width * y + x, this);
            ++slot->length;
            CellAt(x, y).AddWordRef(slot, position);
        }
        x += dx;
        y += dy;
    }
}

void Grid::LockPresetCells()
{
    for (Cell& cell : cells)
        if (cell.symbol != EmptySymbol)
            cell.locked = true;
}
