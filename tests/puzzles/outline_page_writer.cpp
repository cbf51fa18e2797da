// Writes the word search page of "hello", placed across the middle of a full
// 25 x 15 grid, into a folder twice, for the browser check of the drawing
// script: with the answer outlined (outlines_on.html) and with the loader
// returning at once (outlines_off.html).
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>

#include "engine/alphabet.h"
#include "engine/dictionary.h"
#include "engine/error.h"
#include "engine/grid.h"
#include "puzzles/page_text.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: outline_page_writer <folder>\n";
        return 2;
    }
    const std::string middleRow = "xxxxxxxxxxhelloxxxxxxxxxx";
    Grid grid(25, 15);
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x)
            grid.CellAt(x, y).SetSymbol(Alphabet::SymbolOf(y == 7 ? middleRow[x] : 'x'));
    grid.placements.push_back(Placement{10, 7, 14, 7});
    Dictionary list;
    list.AddWord("hello", "");
    std::ostringstream out;
    try {
        grid.WriteWordSearchHtml(out, list);
    } catch (const error& e) {
        std::cerr << e.message() << '\n';
        return 1;
    }
    for (const auto& [name, load] : {std::pair{"on", ""}, {"off", "return;"}}) {
        std::string page = out.str();
        ReplaceFirst(page, "#load#", load);
        ReplaceFirst(page, "#title#", "Outline");
        std::ofstream(std::string(argv[1]) + "/outlines_" + name + ".html") << page;
    }
    return 0;
}
