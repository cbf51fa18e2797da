#include "puzzles/word_search_page.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "engine/alphabet.h"
#include "engine/dictionary.h"
#include "engine/error.h"
#include "engine/grid.h"
#include "puzzles/letter_bounds.h"
#include "puzzles/page_text.h"

const char* const PageScriptFile = "wz_jsgraphics.js";

namespace {

constexpr int CellPixels = 30;

// A corner of an outline: an offset from the top-left pixel of the word's
// first cell, or of its last cell.
struct Corner {
    bool fromLast;
    int dx;
    int dy;
};

struct OutlineShape {
    Corner p[4];
};

// Indexed by (sign of x2 - x1 + 1) * 3 + (sign of y2 - y1 + 1). A one-cell
// word gets the square of a word running right.
constexpr OutlineShape OutlineShapes[9] = {
    {{{false, 30, 15}, {false, 15, 30}, {true, 0, 15}, {true, 15, 0}}},    // up and left
    {{{false, 25, 25}, {false, 25, 5}, {true, 5, 5}, {true, 5, 25}}},      // left
    {{{false, 15, 0}, {false, 30, 15}, {true, 15, 30}, {true, 0, 15}}},    // down and left
    {{{false, 5, 25}, {false, 25, 25}, {true, 25, 5}, {true, 5, 5}}},      // up
    {{{false, 5, 5}, {false, 5, 25}, {true, 25, 25}, {true, 25, 5}}},      // one cell
    {{{false, 5, 5}, {false, 25, 5}, {true, 25, 25}, {true, 5, 25}}},      // down
    {{{false, 0, 15}, {false, 15, 30}, {true, 30, 15}, {true, 15, 0}}},    // up and right
    {{{false, 5, 5}, {false, 5, 25}, {true, 25, 25}, {true, 25, 5}}},      // right
    {{{false, 15, 0}, {false, 0, 15}, {true, 15, 30}, {true, 30, 15}}},    // down and right
};

int Sign(int v) { return (v > 0) - (v < 0); }

// Line by line, as the page has always held it; a file ending in a line feed
// leaves an empty last line.
std::string ReadPageScript()
{
    std::ifstream in(PageScriptFile);
    if (!in)
        throw error(std::string("Cannot open the drawing script ") + PageScriptFile);
    std::string script, line;
    while (!in.eof()) {
        std::getline(in, line);
        if (in.bad() || (in.fail() && !in.eof()))
            throw error(std::string("Cannot read the drawing script ") + PageScriptFile);
        script += line;
        script += '\n';
    }
    return script;
}

void WriteLetterRows(std::ostream& out, Grid& grid, const LetterBounds& box)
{
    for (int y = box.minY; y <= box.maxY; ++y) {
        out << "<tr>";
        for (int x = box.minX; x <= box.maxX; ++x) {
            out << "<td width=\"30\" height=\"30\">";
            Cell& cell = grid.CellAt(x, y);
            if (cell.HasLetter())
                out << "<center>" << EscapeHtml(std::string(1, CapitalOf(Alphabet::CharOf(cell.symbol))))
                    << "</center></td>";
            else
                out << "&nbsp;</td>";
        }
        out << "</tr>";
    }
}

}  // namespace

std::string WriteAnswerOutline(const Placement& placement)
{
    const OutlineShape& shape =
        OutlineShapes[(Sign(placement.x2 - placement.x1) + 1) * 3 + Sign(placement.y2 - placement.y1) + 1];
    int px[4], py[4];
    for (int i = 0; i < 4; ++i) {
        const Corner& corner = shape.p[i];
        px[i] = CellPixels * (corner.fromLast ? placement.x2 : placement.x1) + corner.dx;
        py[i] = CellPixels * (corner.fromLast ? placement.y2 : placement.y1) + corner.dy;
    }
    std::ostringstream lines;
    for (int i = 0; i < 4; ++i) {
        int j = (i + 1) % 4;
        lines << "jg_doc.drawLine(" << px[i] << "," << py[i] << "," << px[j] << "," << py[j] << ");\n";
    }
    return lines.str();
}

void Grid::WriteWordSearchHtml(std::ostream& out, Dictionary& dictionary)
{
    std::ostringstream head, wordList;
    head << "<html><head><script language=JavaScript>" << NoSelectScript << ReadPageScript() << "\n"
         << "function loader() { #load# var jg_doc = new jsGraphics('mine');  jg_doc.setColor('#ff0000');\n";
    for (int i = 0; i < int(placements.size()); ++i) {
        head << WriteAnswerOutline(placements[i]) << "\n";
        std::string word = PlacedWordText(i);
        if (dictionary.HasClues())
            wordList << "- " << EscapeHtml(dictionary.ClueFor(word)) << "<br/>";
        else
            wordList << EscapeHtml(word) << " &nbsp;";
    }
    LetterBounds box = FindLetterBounds(*this);
    head << "  jg_doc.paint(); }</script></head><body onload=\"loader()\"><center><h1>#title#</h1>"
         << "<div id=\"mine\" style=\"position:relative\"><table border=\"0\" style=\"border:solid black 1px\" "
         << "cellspacing=\"0\" cellpadding=\"0\" align=\"center\" width=\"" << box.Width() * CellPixels << "\">";
    out << head.str() << '\n';
    WriteLetterRows(out, *this, box);
    out << "</table></center><br/><br/><table align=\"center\"><tr><td valign=\"top\">"
        << (dictionary.HasClues() ? "<h2>See if you can find words related with the following clues:</h2>"
                                  : "<h2>See if you can find the following words:</h2>")
        << wordList.str() << "</td></tr></table></div></body></html>";
}
