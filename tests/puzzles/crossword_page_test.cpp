#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/grid.h"
#include "puzzle_test_support.h"

namespace {

const std::string SheetHead =
    R"(<html><head><style>.cell { border-style: solid; border-width:1px; border-color:black; position:relative; color:red} )"
    R"(.tab { border-style: solid; border-width:3px; border-color:#666; position:relative} )"
    R"(.cell2 { border-style: solid; border-width:1px; border-color:black; } .t { background-color:#aaa; } )"
    R"(.nb { border-bottom:none} .nr { border-right:none} .nl { border-left:none} .nt { border-top:none} )"
    R"(.pos { position:absolute;top:0px;left:0px;margin:0px;color:black} </style><script language=JavaScript>)" +
    NoSelect +
    R"(</script></head><body><center><h1>#title#</h1><table border="0" cellspacing="0" cellpadding="0" align="center" width=")";

const std::string PlainHead =
    R"(<html><head><style>.cell { border-style: solid; border-width:1px; border-color:black; position:relative} )"
    R"(.tab { border-style: solid; border-width:3px; border-color:#666; position:relative} )"
    R"(.cell2 { border-style: solid; border-width:1px; border-color:black; background-color:black } )"
    R"(.nb { border-bottom:none} .nr { border-right:none} .nl { border-left:none} .nt { border-top:none} )"
    R"(.pos { position:absolute;top:0px;left:0px;margin:0px} </style><script language=JavaScript>)" +
    NoSelect +
    R"(</script></head><body><center><h1>#title#</h1><table border="3" cellspacing="0" cellpadding="0" align="center" class="t">)";

const std::string td = R"(<td width="30" height="30" class=")";

std::string Lists(const std::string& across, const std::string& down)
{
    return R"(</table></center><br/><br/><table align="center"><tr><td width="50%" valign="top"><h2>Across</h2>)" +
           across + R"(</td><td valign="top" style="padding-left:30px"><h2>Down</h2>)" + down +
           "</td></tr></table></body></html>";
}

class CrosswordPageTest : public FreshAlphabetTest {
protected:
    std::string Sheet(Dictionary& list, bool showLetters)
    {
        std::ostringstream out;
        grid.WriteCrosswordHtml(out, list, showLetters);
        return out.str();
    }

    Grid grid{25, 25};
};

TEST_F(CrosswordPageTest, CrossingWordsGiveTheWholeSolutionSheet)
{
    WriteWord(grid, "cat", 11, 12, 1, 0);
    WriteWord(grid, "tab", 12, 11, 0, 1);
    Dictionary list = ClueList({{"cat", "pet"}, {"tab", "label"}});
    std::string expected =
        SheetHead + "90\">\n" + "<tr>" + td + R"(cell2 nl nt">&nbsp;</td>)" + td +
        R"(cell nl"><div class="pos"><font size="-5">1</font></div><center>T</center></td>)" + td +
        R"(cell2 nl nt nr">&nbsp;</td></tr>)" + "<tr>" + td +
        R"(cell nt"><div class="pos"><font size="-5">2</font></div><center>C</center></td>)" + td +
        R"(cell nt nl"><center>A</center></td>)" + td + R"(cell nt nl"><center>T</center></td></tr>)" + "<tr>" + td +
        R"(cell2 nl nt nb">&nbsp;</td>)" + td + R"(cell nt nl"><center>B</center></td>)" + td +
        R"(cell2 nl nt nb nr">&nbsp;</td></tr>)" + Lists("2. pet<br/>", "1. label<br/>");
    EXPECT_EQ(Sheet(list, true), expected);
}

TEST_F(CrosswordPageTest, SingleWordOnRowTwelveWithoutAClueAndItsPuzzleSheet)
{
    WriteWord(grid, "apple", 10, 12, 1, 0);
    Dictionary list = WordList({"apple"});
    std::string page = Sheet(list, true);
    EXPECT_EQ(page.rfind(SheetHead + "150\">\n<tr>", 0), 0u);
    EXPECT_EQ(CountOf(page, "<tr>"), 1 + 1);  // the letter row and the lists' row
    EXPECT_EQ(CountOf(page, R"(class="cell")"), 1);
    EXPECT_EQ(CountOf(page, R"(class="cell nl")"), 4);
    EXPECT_NE(page.find(Lists("1. <br/>", "")), std::string::npos);

    std::string puzzle = Sheet(list, false);
    EXPECT_NE(puzzle.find(R"(class="cell"><div class="pos"><font size="-5">1</font></div>&nbsp;<td)"),
              std::string::npos);
    EXPECT_NE(puzzle.find(R"(class="cell nl">&nbsp;</tr>)"), std::string::npos);
    EXPECT_EQ(puzzle.find("<center>A"), std::string::npos);
}

// A ring of four words: the corner where an across and a down word start gets
// one number and a line in both lists; the empty cell enclosed by letters is shaded.
TEST_F(CrosswordPageTest, SharedStartsAndTheEnclosedCell)
{
    WriteWord(grid, "abc", 4, 4, 1, 0);
    WriteWord(grid, "abc", 4, 6, 1, 0);
    WriteWord(grid, "aba", 4, 4, 0, 1);
    WriteWord(grid, "cbc", 6, 4, 0, 1);
    Dictionary list = ClueList({{"abc", "x"}, {"aba", "y"}, {"cbc", "z"}});
    std::string page = Sheet(list, true);
    EXPECT_EQ(CountOf(page, "<div class=\"pos\">"), 3);
    EXPECT_NE(page.find(Lists("1. x<br/>3. x<br/>", "1. y<br/>2. z<br/>")), std::string::npos);
    EXPECT_EQ(CountOf(page, R"(class="cell2 nl nt t">)"), 1);
    EXPECT_EQ(CountOf(page, " nb"), 0);
}

TEST_F(CrosswordPageTest, GridWithoutLettersKeepsTheStartBox)
{
    Dictionary list;
    EXPECT_EQ(Sheet(list, true), SheetHead + "-3000\">\n" + Lists("", ""));
}

// User text is escaped; only small letters become capitals, so a blank or a digit stays itself.
TEST_F(CrosswordPageTest, LettersAndCluesAreWrittenAsText)
{
    WriteWord(grid, "a<b", 3, 3, 1, 0);
    WriteWord(grid, "\xe9t\xe9 7", 3, 5, 1, 0);
    Dictionary list = ClueList({{"a<b", "<script>alert('x')</script> & more"}});
    std::string page = Sheet(list, true);
    EXPECT_EQ(page.find("<script>alert"), std::string::npos);
    EXPECT_NE(page.find("1. &lt;script&gt;alert('x')&lt;/script&gt; &amp; more<br/>"), std::string::npos);
    for (const char* letter : {"&lt;", "\xc9", "T", " ", "7"})
        EXPECT_NE(page.find(std::string("<center>") + letter + "</center>"), std::string::npos) << letter;
}

TEST_F(CrosswordPageTest, PlainPrintShowsTheWholeGridAndListsTheWords)
{
    Grid small(2, 2);
    WriteWord(small, "ab", 0, 0, 1, 0);
    small.CellAt(0, 1).SetBlock();
    std::ostringstream out;
    small.Print(out, 2);
    std::string expected = PlainHead + "\n" + "<tr>" + td +
                           R"(cell"><div class="pos"><font size="-5">1</font></div><center>A</center></td>)" + td +
                           R"(cell nl"><div class="pos"><font size="-5">2</font></div><center>B</center></td></tr>)" +
                           "<tr>" + td + R"(cell2 nt">&nbsp;</td>)" + td + R"(cell2 nt nl">&nbsp;</td></tr>)" +
                           Lists("1. ab<br/>", "2. b+<br/>");
    EXPECT_EQ(out.str(), expected);
}

}  // namespace
