#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "engine/grid.h"
#include "puzzle_test_support.h"
#include "puzzles/page_text.h"
#include "support/temp_file.h"

namespace {

using OutlineInBrowserTest = FreshAlphabetTest;

// The drawing script in a real browser engine: the page of "hello" across the
// middle of a full 25 x 15 word search, as the program shows it with answers
// outlined and with its loader returning at once, checked on screenshots.
TEST_F(OutlineInBrowserTest, RedBoxAroundThePlacedWordOnlyWhenTheLoaderRuns)
{
    Grid grid(25, 15);
    for (Cell& cell : grid.cells)
        cell.SetSymbol(Alphabet::SymbolOf('x'));
    WriteWord(grid, "hello", 10, 7, 1, 0);
    grid.placements.push_back(Placement{10, 7, 14, 7});
    Dictionary list = WordList({"hello"});
    std::ostringstream out;
    grid.WriteWordSearchHtml(out, list);

    TempFolder folder;
    for (auto [name, load] : {std::pair{"on", ""}, {"off", "return;"}}) {
        std::string page = out.str();
        ReplaceFirst(page, "#load#", load);
        ReplaceFirst(page, "#title#", "Outline");
        std::ofstream(folder.path() + "/outlines_" + name + ".html") << page;
    }
    EXPECT_EQ(std::system((std::string(OUTLINE_CHECK " ") + folder.path()).c_str()), 0);
}

}  // namespace
