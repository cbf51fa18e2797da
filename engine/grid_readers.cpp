#include "engine/grid.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "engine/alphabet.h"
#include "engine/ascii.h"
#include "engine/error.h"

namespace {

// A row line is complete only with its line break; CR LF reads like LF.
bool ReadRowLine(std::istream& in, std::string& line)
{
    std::getline(in, line);
    if (!in || in.eof())
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

void ReadPatternCell(Cell& cell, const std::string& line, int x, int y)
{
    char c = x < int(line.size()) ? line[x] : ' ';
    if (c == ' ') {
        cell.SetBlock();
    } else if (c == '+') {
        cell.Reset(true);
    } else if (IsAsciiLetter(c)) {
        cell.SetSymbol(Alphabet::SymbolOf(LowerAscii(c)));
    } else {
        std::cerr << "Invalid character in grid file line " << y + 2 << ", column " << x << std::endl;
        throw error("Invalid character in input file");
    }
}

// The character of a cell drawn as "| c |": any byte may stand there, a blank,
// an accented letter or a bar included, not only an ASCII letter.
bool IsBoxedCellChar(const std::string& text, std::size_t i)
{
    return i >= 2 && i + 2 < text.size() && text[i - 2] == '|' && text[i - 1] == ' ' &&
           text[i + 1] == ' ' && text[i + 2] == '|' && text[i] != '\n';
}

// Calls block(x, y) for each block cell of the picture and letter(x, y, c) for
// each cell with a letter, row by row.
template <typename OnBlock, typename OnLetter>
void WalkAsciiGrid(const std::string& text, OnBlock block, OnLetter letter)
{
    int line = 0, column = 0, row = 0;
    char previous = '\0';
    for (std::size_t i = 0; i < text.size(); previous = text[i], ++i) {
        char c = text[i];
        if (c == '\n') {
            ++line;
            column = 0;
            row = line / 2;
        } else if (c == '+' && previous == ' ') {
            ++column;
        } else if (c == 'X' && previous == '|' && text.compare(i, 3, "XXX") == 0) {
            block(column++, row);
            i += 2;
        } else if (IsBoxedCellChar(text, i)) {
            // Its closing bar goes with it, so that a bar in the next cell
            // does not box that closing bar as a cell of its own.
            letter(column++, row, c);
            i += 2;
        } else if (IsAsciiLetter(c)) {
            letter(column++, row, c);
        }
    }
}

}  // namespace

void Grid::ReadPatternFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::string line;
    std::getline(in, line);
    // A folder opens like a file but reads nothing.
    if (!in && !in.eof())
        throw error("Failed to open pattern file");
    int w = 1, h = 1;
    std::sscanf(line.c_str(), "%d %d", &w, &h);
    if (w < 1 || h < 1)
        throw error("Grid dimensions must be at least 1");
    Resize(w, h);
    for (int y = 0; y < h; ++y) {
        if (!ReadRowLine(in, line))
            throw error("Not enough lines in input file");
        for (int x = 0; x < w; ++x)
            ReadPatternCell(CellAt(x, y), line, x, y);
    }
    FindWordSlots();
    LockPresetCells();
}

std::optional<GridSize> AsciiGridSize(const std::string& text)
{
    std::size_t firstLineEnd = text.find('\n');
    if (firstLineEnd == std::string::npos)
        return std::nullopt;
    int w = int(std::count(text.begin(), text.begin() + firstLineEnd, '+')) - 1;
    int h = int((std::count(text.begin(), text.end(), '\n') - 1) / 2);
    // A picture spends at least four characters on each cell; a size line that
    // claims more cells than the text could draw is cut to what it can.
    if (w > 0 && h > std::int64_t(text.size()) / 4 / w)
        h = int(std::int64_t(text.size()) / 4 / w);
    return GridSize{w, h};
}

void Grid::ReadAsciiGrid(std::string text)
{
    const std::optional<GridSize> size = AsciiGridSize(text);
    if (!size)
        return;
    Resize(size->width, size->height);
    WalkAsciiGrid(
        text, [this](int x, int y) { CellAt(x, y).SetBlock(); },
        [this](int x, int y, char c) { CellAt(x, y).SetSymbol(Alphabet::SymbolOf(c)); });
}

std::string AsciiGridLetters(const std::string& text)
{
    std::string letters;
    if (AsciiGridSize(text))
        WalkAsciiGrid(text, [](int, int) {}, [&letters](int, int, char c) { letters += c; });
    return letters;
}
