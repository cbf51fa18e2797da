// Any bytes as a saved document: the Open command's reading and showing,
// minus the window, must end in a puzzle or an error.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>

#include <tinyxml.h>

#include "app/document_bounds.h"
#include "app/document_markup.h"
#include "app/document_reader.h"
#include "app/puzzle_content.h"
#include "engine/alphabet.h"
#include "engine/ascii.h"
#include "engine/dictionary.h"
#include "engine/error.h"
#include "engine/grid.h"

namespace {

class PagePuzzle : public PuzzleContent {
public:
    using PuzzleContent::PuzzleContent;
    std::size_t shownBytes = 0;
    std::string lastPage;

protected:
    void Show(const std::string& page) override
    {
        shownBytes += page.size();
        lastPage = page;
    }
};

int AttributeCount(const TiXmlElement& element)
{
    int count = 0;
    for (const TiXmlAttribute* attribute = element.FirstAttribute(); attribute; attribute = attribute->Next())
        ++count;
    return count;
}

struct Built {
    int levels = 0;
    int attributes = 0;
};

// Only elements have children; walked without recursion, whatever the depth.
Built ElementLevels(const TiXmlDocument& document)
{
    Built built;
    int depth = 1;
    const TiXmlNode* node = document.FirstChild();
    while (node) {
        if (const TiXmlElement* element = node->ToElement()) {
            built.levels = std::max(built.levels, depth);
            built.attributes = std::max(built.attributes, AttributeCount(*element));
        }
        if (node->FirstChild()) {
            node = node->FirstChild();
            ++depth;
            continue;
        }
        while (node != &document && !node->NextSibling()) {
            node = node->Parent();
            --depth;
        }
        node = node == &document ? nullptr : node->NextSibling();
    }
    return built;
}

// The counts that keep TinyXML's recursion and its comparisons of attributes
// in bounds must never fall short of what TinyXML then builds, from the text
// as given or as the reader hands it over.
void CheckMarkupCounts(const std::string& text)
{
    const DocumentMarkup markup = ReadMarkup(text, {"wordlist", "title"});
    if (!markup.followed || markup.depth > MaxDocumentDepth || markup.attributes > MaxElementAttributes)
        return;
    for (const std::string* given : {&text, &markup.text}) {
        TiXmlDocument document;
        document.Parse(given->c_str(), nullptr, TIXML_ENCODING_LEGACY);
        const Built built = ElementLevels(document);
        if (built.levels > markup.depth || built.attributes > markup.attributes)
            __builtin_trap();
    }
}

// The same size and the same symbol in every cell: the saved picture alone
// does not tell every two grids apart.
bool SameCells(const Grid& a, const Grid& b)
{
    const auto sameSymbol = [](const Cell& x, const Cell& y) { return x.symbol == y.symbol; };
    return a.width == b.width && a.height == b.height &&
           std::equal(a.cells.begin(), a.cells.end(), b.cells.begin(), b.cells.end(), sameSymbol);
}

// No cell can hold a control character: saved, it would stand raw in the row.
bool HoldsControlCell(const Grid& grid)
{
    return std::any_of(grid.cells.begin(), grid.cells.end(),
                       [](const Cell& cell) { return IsAsciiControl(Alphabet::CharOf(cell.symbol)); });
}

// The list as a puzzle uses it: each word with its clue, and whether there
// are clues at all (a word search lists the clues then, not the words).
std::string ListInUse(const Dictionary& list)
{
    std::string words = list.HasClues() ? "clues\n" : "words\n";
    for (int i = 0; i < list.WordCount(); ++i)
        words += list.WordText(i) + '\t' + list.ClueFor(list.WordText(i)) + '\n';
    return words;
}

// What opens saves as a document that opens with the same list, title, grid
// and page, and saves again to the same bytes.
void CheckSavedAgain(PagePuzzle& opened)
{
    const std::string saved = opened.ToXml();
    DocumentReader reader;
    if (!reader.Parse(saved))
        __builtin_trap();
    PagePuzzle again(reader.Type());
    std::ostringstream trace;
    reader.ReadInto(again, trace);
    reader.Show(again);
    if (ListInUse(again.wordList) != ListInUse(opened.wordList) || again.title != opened.title ||
        !SameCells(again.grid, opened.grid) || again.lastPage != opened.lastPage || again.ToXml() != saved)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckMarkupCounts(text);
    ResetAlphabet();
    try {
        DocumentReader reader;
        if (!reader.Parse(text))
            return 0;
        PagePuzzle puzzle(reader.Type());
        std::ostringstream trace;
        reader.ReadInto(puzzle, trace);
        reader.Show(puzzle);
        // What was shown, the reader took: no page past the bound, no
        // control character in a cell.
        if (puzzle.shownBytes > MaxPageBytes || HoldsControlCell(puzzle.grid))
            __builtin_trap();
        CheckSavedAgain(puzzle);
    } catch (const error&) {
    }
    return 0;
}
