// Writes the word search page of one placed word twice into a folder, as the
// program shows it with the answers outlined (outlines_on.html) and without
// (outlines_off.html), for the browser check of the drawing script.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "engine/alphabet.h"
#include "engine/dictionary.h"
#include "engine/error.h"
#include "engine/grid.h"
#include "puzzles/page_text.h"

namespace {

// "hello" across the middle of a full 25 x 15 grid, columns 10 to 14 of row 7.
Grid HelloGrid()
{
    Grid grid(25, 15);
    for (Cell& cell : grid.cells)
        cell.SetSymbol(Alphabet::SymbolOf('x'));
    const std::string word = "hello";
    for (int i = 0; i < int(word.size()); ++i)
        grid.CellAt(10 + i, 7).SetSymbol(Alphabet::SymbolOf(word[i]));
    grid.placements.push_back(Placement{10, 7, 14, 7});
    return grid;
}

void WritePage(const std::string& path, std::string page, const std::string& load)
{
    ReplaceFirst(page, "#load#", load);
    ReplaceFirst(page, "#title#", "Outline");
    std::ofstream(path) << page;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: outline_page_writer <folder>\n";
        return 2;
    }
    ResetAlphabet();
    Dictionary list;
    list.AddWord("hello", "");
    Grid grid = HelloGrid();
    std::ostringstream page;
    try {
        grid.WriteWordSearchHtml(page, list);
    } catch (const error& e) {
        std::cerr << e.message() << '\n';
        return 1;
    }
    const std::string folder = argv[1];
    WritePage(folder + "/outlines_on.html", page.str(), "");
    WritePage(folder + "/outlines_off.html", page.str(), "return;");
    return 0;
}
