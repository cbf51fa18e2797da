#include "app/puzzle_content.h"

#include <sstream>
#include <utility>

#include "app/document_bounds.h"

#include "puzzles/bingo_page.h"
#include "puzzles/crossword_layout.h"
#include "puzzles/page_text.h"
#include "puzzles/scramble_page.h"
#include "puzzles/word_search_generator.h"

PageTooLarge::PageTooLarge(const std::string& reason)
    : error("The puzzle was not made: " + reason + ". Please use fewer or shorter words and clues."), reason(reason)
{
}

PuzzleContent::PuzzleContent(PuzzleType type) : type(type) {}

void PuzzleContent::Generate(Dictionary list, std::string newTitle)
{
    // A generation that fails leaves the document as it was: the letters of
    // the new list go back to the alphabet, and nothing may keep them.
    std::string oldTitle = std::exchange(title, newTitle);
    Dictionary oldList = std::exchange(wordList, list);
    Grid oldGrid = grid;
    std::string oldScramble = scramblePage;
    try {
        MakeByType(list);
    } catch (...) {
        title = std::move(oldTitle);
        wordList = std::move(oldList);
        grid = std::move(oldGrid);
        scramblePage = std::move(oldScramble);
        throw;
    }
}

void PuzzleContent::ShowMade(const std::string& page)
{
    const std::string failure = PageFailure(page.size());
    if (!failure.empty())
        throw PageTooLarge(failure);
    Show(page);
}

void PuzzleContent::MakeByType(const Dictionary& list)
{
    switch (type) {
    case FreeformPuzzle: MakeFreeformCrossword(list, title); break;
    case WordSearchPuzzle: MakeWordSearch(list, title); break;
    case BingoPuzzle: MakeBingoCards(list); break;
    case ScramblePuzzle: MakeScramble(list); break;
    default: break;
    }
}

void PuzzleContent::Render(const std::string& newTitle)
{
    if (auto page = PageFor(newTitle)) {
        ShowMade(*page);
        title = newTitle;
    }
}

void PuzzleContent::SetShowSolution(bool show)
{
    showSolution = show;
    if (auto page = PageFor(title))
        Show(*page);
}

void PuzzleContent::MakeFreeformCrossword(Dictionary list, const std::string& pageTitle)
{
    grid = CrosswordLayout(list.words).Generate();
    ShowMade(*PageFor(pageTitle));
}

// The page always carries the answer outlines; "#load#" decides whether they are drawn.
void PuzzleContent::MakeWordSearch(Dictionary list, const std::string& pageTitle)
{
    grid = WordSearchGenerator(list.words).Generate();
    ShowMade(*PageFor(pageTitle));
}

void PuzzleContent::MakeBingoCards(Dictionary list) { ShowMade(BuildBingoPage(list, numCards, freeSpace)); }

void PuzzleContent::MakeScramble(Dictionary list)
{
    scramblePage = BuildScramblePage(list);
    ShowMade(*PageFor(title));
}

std::optional<std::string> PuzzleContent::PageFor(const std::string& pageTitle)
{
    std::ostringstream out;
    switch (type) {
    case FreeformPuzzle: grid.WriteCrosswordHtml(out, wordList, showSolution); break;
    case WordSearchPuzzle: grid.WriteWordSearchHtml(out, wordList); break;
    case ScramblePuzzle: return FillScramblePage(scramblePage, pageTitle, showSolution);
    default: return std::nullopt;
    }
    std::string page = out.str();
    ReplaceFirst(page, "#title#", EscapeHtml(pageTitle));
    if (type == WordSearchPuzzle)
        ReplaceFirst(page, "#load#", showSolution ? " " : "return;");
    return page;
}

const char* DocumentTypeName(PuzzleType type)
{
    static const char* const names[] = {"crossword", "freeform", "wordsearch", "bingo", "scramble"};
    return type >= 0 && type <= ScramblePuzzle ? names[type] : "";
}

std::string PuzzleContent::ToXml()
{
    std::ostringstream out;
    out << "<document type=\"" << DocumentTypeName(type) << "\">\n<wordlist>";
    for (int i = 0; i < wordList.WordCount(); ++i)
        out << EscapeHtml(wordList.WordText(i)) << '\t' << EscapeHtml(wordList.ClueFor(wordList.WordText(i))) << '\n';
    out << "</wordlist>\n";
    if (type == BingoPuzzle)
        out << (freeSpace ? "<freespace/>" : "") << "<numcards>" << numCards << "</numcards>";
    std::ostringstream picture;
    grid.Print(picture, 1);
    out << "<title>" << EscapeHtml(title) << "</title>\n<grid>" << EscapeHtml(picture.str()) << "</grid>\n";
    if (type == WordSearchPuzzle)
        for (const Placement& p : grid.placements)
            out << "<solution x1=\"" << p.x1 << "\" y1=\"" << p.y1 << "\" x2=\"" << p.x2 << "\" y2=\"" << p.y2
                << "\"/>\n";
    out << "</document>";
    return out.str();
}

void PuzzleContent::SetGridText(const std::string& text) { grid.ReadAsciiGrid(text); }

void PuzzleContent::AddPlacement(int x1, int y1, int x2, int y2) { grid.placements.push_back({x1, y1, x2, y2}); }
