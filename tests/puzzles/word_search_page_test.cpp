#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/grid.h"
#include "puzzle_test_support.h"
#include "puzzles/word_search_page.h"

namespace {

std::string Outline(int x1, int y1, int x2, int y2) { return WriteAnswerOutline(Placement{x1, y1, x2, y2}); }

// The outline's four lines, from corner to corner and back to the first.
std::string Lines(const std::vector<std::pair<int, int>>& p)
{
    std::ostringstream out;
    for (int i = 0; i < 4; ++i)
        out << "jg_doc.drawLine(" << p[i].first << "," << p[i].second << "," << p[(i + 1) % 4].first << ","
            << p[(i + 1) % 4].second << ");\n";
    return out.str();
}

TEST(AnswerOutlineTest, EachDirectionAndALoneLetterGetTheirCorners)
{
    EXPECT_EQ(Outline(2, 0, 5, 0), "jg_doc.drawLine(65,5,65,25);\njg_doc.drawLine(65,25,175,25);\n"
                                   "jg_doc.drawLine(175,25,175,5);\njg_doc.drawLine(175,5,65,5);\n");
    EXPECT_EQ(Outline(3, 1, 0, 1), Lines({{115, 55}, {115, 35}, {5, 35}, {5, 55}}));
    EXPECT_EQ(Outline(1, 1, 1, 3), Lines({{35, 35}, {55, 35}, {55, 115}, {35, 115}}));
    EXPECT_EQ(Outline(1, 3, 1, 1), Lines({{35, 115}, {55, 115}, {55, 35}, {35, 35}}));
    EXPECT_EQ(Outline(0, 0, 2, 2), Lines({{15, 0}, {0, 15}, {75, 90}, {90, 75}}));
    EXPECT_EQ(Outline(0, 2, 2, 0), Lines({{0, 75}, {15, 90}, {90, 15}, {75, 0}}));
    EXPECT_EQ(Outline(2, 0, 0, 2), Lines({{75, 0}, {90, 15}, {15, 90}, {0, 75}}));
    EXPECT_EQ(Outline(2, 2, 0, 0), Lines({{90, 75}, {75, 90}, {0, 15}, {15, 0}}));
    EXPECT_EQ(Outline(4, 2, 4, 2), Lines({{125, 65}, {125, 85}, {145, 85}, {145, 65}})) << "a square inside the cell";
}

class WordSearchPageTest : public FreshAlphabetTest {
protected:
    void Place(const std::string& word, int x, int y, int dx, int dy)
    {
        WriteWord(grid, word, x, y, dx, dy);
        int last = int(word.size()) - 1;
        grid.placements.push_back(Placement{x, y, x + last * dx, y + last * dy});
    }

    std::string Page(Dictionary& list)
    {
        std::ostringstream out;
        grid.WriteWordSearchHtml(out, list);
        return out.str();
    }

    Grid grid{3, 2};
};

TEST_F(WordSearchPageTest, WholePageOfOnePlacedWord)
{
    Place("ox", 0, 0, 1, 0);
    grid.CellAt(2, 0).SetSymbol(Alphabet::SymbolOf('q'));
    grid.CellAt(0, 1).SetSymbol(Alphabet::SymbolOf('z'));
    Dictionary list = WordList({"ox"});
    std::stringstream script;
    script << std::ifstream(PageScriptFile).rdbuf();
    // The script's lines as copied, then the empty line read after its last line feed.
    std::string expected =
        ScriptOpening + script.str() + "\n\n" +
        "function loader() { #load# var jg_doc = new jsGraphics('mine');  jg_doc.setColor('#ff0000');\n" +
        Outline(0, 0, 1, 0) + "\n" +
        R"x(  jg_doc.paint(); }</script></head><body onload="loader()"><center><h1>#title#</h1>)x"
        R"(<div id="mine" style="position:relative"><table border="0" style="border:solid black 1px" )"
        R"(cellspacing="0" cellpadding="0" align="center" width="90">)" "\n"
        R"(<tr><td width="30" height="30"><center>O</center></td><td width="30" height="30"><center>X</center></td>)"
        R"(<td width="30" height="30"><center>Q</center></td></tr>)"
        R"(<tr><td width="30" height="30"><center>Z</center></td><td width="30" height="30">&nbsp;</td>)"
        R"(<td width="30" height="30">&nbsp;</td></tr>)"
        R"(</table></center><br/><br/><table align="center"><tr><td valign="top">)"
        R"(<h2>See if you can find the following words:</h2>ox &nbsp;</td></tr></table></div></body></html>)";
    EXPECT_EQ(Page(list), expected);
}

TEST_F(WordSearchPageTest, NoPlacementsGiveAnEmptyLoaderTableAndList)
{
    Dictionary list;
    std::string page = Page(list);
    EXPECT_NE(page.find("function loader() { #load# var jg_doc = new jsGraphics('mine');  "
                        "jg_doc.setColor('#ff0000');\n  jg_doc.paint(); }"),
              std::string::npos);
    EXPECT_NE(page.find("width=\"-3000\">\n</table>"), std::string::npos);
    EXPECT_NE(page.find("following words:</h2></td>"), std::string::npos);
}

TEST_F(WordSearchPageTest, CluesReplaceTheWordsAndUserTextIsEscaped)
{
    Place("ox", 0, 0, 1, 0);
    Place("zq", 0, 1, 1, 0);
    Dictionary list = ClueList({{"ox", "pulls a <cart> & plough"}, {"zq", ""}, {"other", "x"}});
    EXPECT_NE(Page(list).find("<h2>See if you can find words related with the following clues:</h2>"
                              "- pulls a &lt;cart&gt; &amp; plough<br/>- <br/></td>"),
              std::string::npos);

    grid = Grid(3, 2);
    Place("a<b", 0, 0, 1, 0);
    Dictionary words;
    std::string page = Page(words);
    EXPECT_NE(page.find("following words:</h2>a&lt;b &nbsp;</td>"), std::string::npos);
    EXPECT_NE(page.find("<center>&lt;</center>"), std::string::npos);
}

TEST_F(WordSearchPageTest, MissingOrUnreadableDrawingScriptIsAnErrorNamingTheFile)
{
    Place("ox", 0, 0, 1, 0);
    Dictionary list;
    ExpectErrorNamingMissingFile(PageScriptFile, [&] {
        std::ostringstream out;
        grid.WriteWordSearchHtml(out, list);
    });
}

}  // namespace
