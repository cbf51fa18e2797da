#include "engine/grid.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>

#include "engine/alphabet.h"
#include "engine/symbol_word.h"

std::ostream& WriteCellChar(std::ostream& out, const Cell& cell)
{
    return out << Alphabet::CharOf(cell.symbol);
}

void Grid::Print(std::ostream& out, int format)
{
    if (width == 0) {
        PrintWordSlots();
        return;
    }
    switch (format) {
    case 0: PrintSimple(out); break;
    case 1: PrintAscii(out); break;
    case 2: PrintHtml(out); break;
    default: break;
    }
}

void Grid::PrintSimple(std::ostream& out)
{
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            WriteCellChar(out, CellAt(x, y));
        out << std::endl;
    }
}

void Grid::PrintAscii(std::ostream& out)
{
    auto separator = [&] {
        out << '+';
        for (int x = 0; x < width; ++x)
            out << "---+";
        out << std::endl;
    };
    separator();
    for (int y = 0; y < height; ++y) {
        out << '|';
        for (int x = 0; x < width; ++x) {
            const Cell& cell = CellAt(x, y);
            if (cell.IsBlock())
                out << "XXX|";
            else
                WriteCellChar(out << ' ', cell) << " |";
        }
        out << std::endl;
        separator();
    }
}

void Grid::PrintWordSlots()
{
    for (const WordSlot* slot : wordSlots) {
        SymbolWord buffer(slot->length + 1, DefaultSymbol);
        buffer.back() = BlockSymbol;
        slot->CopySymbols(buffer.data());
        WriteSymbolWord(std::cout, buffer.data()) << " (";
        for (int i = 0; i < slot->length; ++i)
            std::cout << (i ? "," : "") << slot->CellAt(i);
        std::cout << ")" << std::endl;
    }
}

// A placement off the eight straight lines (only a damaged document holds one)
// would never reach its last cell: the walk is cut at the length of its longer side.
std::string Grid::PlacedWordText(int i)
{
    const Placement& p = placements[i];
    auto step = [](std::int32_t from, std::int32_t to) { return from > to ? -1 : (from < to ? 1 : 0); };
    int dx = step(p.x1, p.x2), dy = step(p.y1, p.y2);
    std::int64_t steps = std::max(std::llabs(std::int64_t(p.x2) - p.x1), std::llabs(std::int64_t(p.y2) - p.y1));
    std::string text;
    std::int64_t x = p.x1, y = p.y1;
    for (std::int64_t n = 0; n < steps && (x != p.x2 || y != p.y2); ++n, x += dx, y += dy)
        text += Alphabet::CharOf(CellAt(int(x), int(y)).symbol);
    text += Alphabet::CharOf(CellAt(p.x2, p.y2).symbol);
    return text;
}
