#include "engine/grid.h"

#include <ostream>
#include <sstream>
#include <string>

#include "engine/alphabet.h"
#include "engine/dictionary.h"
#include "puzzles/letter_bounds.h"
#include "puzzles/page_text.h"

// The crossword sheet and the plain grid print share one table writer; they
// differ in what ends a word, what a list line says and how blank cells look.

namespace {

const char* const SheetStyle =
    "<style>.cell { border-style: solid; border-width:1px; border-color:black; position:relative; color:red} "
    ".tab { border-style: solid; border-width:3px; border-color:#666; position:relative} "
    ".cell2 { border-style: solid; border-width:1px; border-color:black; } "
    ".t { background-color:#aaa; } "
    ".nb { border-bottom:none} .nr { border-right:none} .nl { border-left:none} .nt { border-top:none} "
    ".pos { position:absolute;top:0px;left:0px;margin:0px;color:black} </style>";

const char* const PlainStyle =
    "<style>.cell { border-style: solid; border-width:1px; border-color:black; position:relative} "
    ".tab { border-style: solid; border-width:3px; border-color:#666; position:relative} "
    ".cell2 { border-style: solid; border-width:1px; border-color:black; background-color:black } "
    ".nb { border-bottom:none} .nr { border-right:none} .nl { border-left:none} .nt { border-top:none} "
    ".pos { position:absolute;top:0px;left:0px;margin:0px} </style>";

std::string PageHead(const char* style)
{
    return std::string("<html><head>") + style + "<script language=JavaScript>" + NoSelectScript +
           "</script></head><body><center><h1>#title#</h1>";
}

class TableWriter {
public:
    TableWriter(Grid& grid, Dictionary* clues, bool showLetters)
        : grid_(grid), clues_(clues), showLetters_(showLetters)
    {
    }

    void WriteRows(std::ostream& out, int left, int top, int right, int bottom)
    {
        left_ = left;
        top_ = top;
        for (int y = top; y <= bottom; ++y) {
            out << "<tr>";
            for (int x = left; x <= right; ++x)
                WriteCell(out, x, y);
            out << "</tr>";
        }
    }

    void WriteClose(std::ostream& out) const
    {
        out << "</table></center>"
            << "<br/><br/><table align=\"center\"><tr><td width=\"50%\" valign=\"top\"><h2>Across</h2>"
            << across_.str() << "</td><td valign=\"top\" style=\"padding-left:30px\">"
            << "<h2>Down</h2>" << down_.str() << "</td></tr></table>"
            << "</body></html>";
    }

private:
    bool Sheet() const { return clues_ != nullptr; }

    // On the sheet a word runs over letters; on the plain print over every open cell.
    bool Open(int x, int y)
    {
        Cell& cell = grid_.CellAt(x, y);
        return Sheet() ? cell.HasLetter() : !cell.IsBlock();
    }

    void WriteCell(std::ostream& out, int x, int y)
    {
        out << "<td width=\"30\" height=\"30\" class=\"cell";
        if (grid_.CellAt(x, y).HasLetter())
            WriteLetterCell(out, x, y);
        else
            WriteBlankCell(out, x, y);
    }

    void WriteBlankCell(std::ostream& out, int x, int y)
    {
        out << "2";
        if (Sheet()) {
            out << " nl nt";
            if (!grid_.CellAt(x, y + 1).HasLetter())
                out << " nb";
            if (!grid_.CellAt(x + 1, y).HasLetter())
                out << " nr";
            if (EnclosedByLetters(x, y))
                out << " t";
        } else {
            WriteInnerBorders(out, x, y);
        }
        out << "\">&nbsp;</td>";
    }

    bool EnclosedByLetters(int x, int y)
    {
        return grid_.CellAt(x - 1, y).HasLetter() && grid_.CellAt(x + 1, y).HasLetter() &&
               grid_.CellAt(x, y - 1).HasLetter() && grid_.CellAt(x, y + 1).HasLetter();
    }

    // Only the table's top row keeps its top borders, only its first column its left ones.
    void WriteInnerBorders(std::ostream& out, int x, int y) const
    {
        if (y > top_)
            out << " nt";
        if (x > left_)
            out << " nl";
    }

    void WriteLetterCell(std::ostream& out, int x, int y)
    {
        WriteInnerBorders(out, x, y);
        out << "\">";
        WriteNumber(out, x, y);
        if (showLetters_)
            out << "<center>" << EscapeHtml(std::string(1, CapitalOf(Alphabet::CharOf(grid_.CellAt(x, y).symbol))))
                << "</center></td>";
        else
            out << "&nbsp;";
    }

    void WriteNumber(std::ostream& out, int x, int y)
    {
        bool acrossStart = !Open(x - 1, y) && Open(x + 1, y);
        bool downStart = !Open(x, y - 1) && Open(x, y + 1);
        if (!acrossStart && !downStart)
            return;
        ++number_;
        out << "<div class=\"pos\"><font size=\"-5\">" << number_ << "</font></div>";
        if (acrossStart)
            across_ << number_ << ". " << ListText(x, y, 1, 0) << "<br/>";
        if (downStart)
            down_ << number_ << ". " << ListText(x, y, 0, 1) << "<br/>";
    }

    std::string ListText(int x, int y, int dx, int dy)
    {
        std::string word;
        for (; Open(x, y); x += dx, y += dy)
            word += Alphabet::CharOf(grid_.CellAt(x, y).symbol);
        return EscapeHtml(Sheet() ? clues_->ClueFor(word) : word);
    }

    Grid& grid_;
    Dictionary* clues_;  // null for the plain print, which lists the words themselves
    bool showLetters_;
    int left_ = 0;
    int top_ = 0;
    int number_ = 0;
    std::ostringstream across_;
    std::ostringstream down_;
};

}  // namespace

void Grid::WriteCrosswordHtml(std::ostream& out, Dictionary& dictionary, bool showLetters)
{
    LetterBounds box = FindLetterBounds(*this);
    out << PageHead(SheetStyle)
        << "<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\" align=\"center\" width=\"" << box.Width() * 30
        << "\">" << std::endl;
    TableWriter table(*this, &dictionary, showLetters);
    table.WriteRows(out, box.minX, box.minY, box.maxX, box.maxY);
    table.WriteClose(out);
}

void Grid::PrintHtml(std::ostream& out)
{
    out << PageHead(PlainStyle)
        << "<table border=\"3\" cellspacing=\"0\" cellpadding=\"0\" align=\"center\" class=\"t\">" << std::endl;
    TableWriter table(*this, nullptr, true);
    table.WriteRows(out, 0, 0, width - 1, height - 1);
    table.WriteClose(out);
}
