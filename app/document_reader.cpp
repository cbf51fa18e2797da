#include "app/document_reader.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <sstream>

#include <tinyxml.h>

#include "app/puzzle_content.h"

namespace {

const char* TextOf(const TiXmlNode* element)
{
    const TiXmlNode* child = element->FirstChild();
    const TiXmlText* text = child ? child->ToText() : nullptr;
    return text ? text->Value() : nullptr;
}

Dictionary ReadWordList(const char* text)
{
    Dictionary list;
    std::istringstream lines(text ? text : "");
    for (std::string line; std::getline(lines, line);) {
        std::string::size_type tab = line.find('\t');
        if (tab == std::string::npos)
            list.AddWord(line, line);
        else
            list.AddWord(line.substr(0, tab), line.substr(tab + 1));
    }
    return list;
}

// A solution without all four numbers is not one.
void ReadSolution(const TiXmlElement& element, PuzzleContent& puzzle)
{
    const char* ends[] = {element.Attribute("x1"), element.Attribute("y1"), element.Attribute("x2"),
                          element.Attribute("y2")};
    if (std::any_of(std::begin(ends), std::end(ends), [](const char* v) { return v == nullptr; }))
        return;
    puzzle.AddPlacement(std::atoi(ends[0]), std::atoi(ends[1]), std::atoi(ends[2]), std::atoi(ends[3]));
}

void ReadChild(const TiXmlNode& node, PuzzleContent& puzzle, std::ostream& trace)
{
    const std::string name = node.Value();
    const TiXmlElement* element = node.ToElement();
    if (!element)
        return;
    if (name == "wordlist") {
        puzzle.SetWordList(ReadWordList(TextOf(element)));
    } else if (name == "freespace") {
        puzzle.freeSpace = true;
    } else if (name == "numcards") {
        if (const char* text = TextOf(element))
            puzzle.numCards = std::clamp(std::atoi(text), MinBingoCards, MaxBingoCards);
    } else if (name == "title") {
        const char* text = TextOf(element);
        puzzle.title = text ? text : "";
    } else if (name == "solution") {
        trace << "solution" << std::endl;
        ReadSolution(*element, puzzle);
        trace << "after solution" << std::endl;
    } else if (name == "grid") {
        if (const char* text = TextOf(element))
            puzzle.SetGridText(text);
    }
}

// Line ends as loading a file leaves them: CR LF and a lone CR become LF.
std::string WithLineFeeds(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            out += text[i];
        else if (i + 1 == text.size() || text[i + 1] != '\n')
            out += '\n';
    }
    return out;
}

// Placements name cells of the grid; one that leaves it is damage, not a word.
void DropPlacementsOutside(Grid& grid)
{
    auto outside = [&](const Placement& p) { return !grid.Contains(p.x1, p.y1) || !grid.Contains(p.x2, p.y2); };
    auto& list = grid.placements;
    list.erase(std::remove_if(list.begin(), list.end(), outside), list.end());
}

}  // namespace

DocumentReader::DocumentReader() : document_(std::make_unique<TiXmlDocument>())
{
    TiXmlBase::SetCondenseWhiteSpace(false);
}

DocumentReader::~DocumentReader() = default;

bool DocumentReader::LoadFile(const std::string& path)
{
    document_ = std::make_unique<TiXmlDocument>(path.c_str());
    // A declaration or comment may come first: the document is its first element.
    root_ = document_->LoadFile() ? document_->RootElement() : nullptr;
    return root_ != nullptr;
}

bool DocumentReader::Parse(const std::string& text)
{
    document_ = std::make_unique<TiXmlDocument>();
    document_->Parse(WithLineFeeds(text).c_str());
    root_ = document_->Error() ? nullptr : document_->RootElement();
    return root_ != nullptr;
}

PuzzleType DocumentReader::Type() const
{
    const char* type = root_->Attribute("type");
    const std::string name = type ? type : "";
    if (name == "wordsearch")
        return WordSearchPuzzle;
    if (name == "bingo")
        return BingoPuzzle;
    if (name == "scramble")
        return ScramblePuzzle;
    return FreeformPuzzle;
}

bool DocumentReader::IsRegenerated() const
{
    PuzzleType type = Type();
    return type == BingoPuzzle || type == ScramblePuzzle;
}

void DocumentReader::ReadInto(PuzzleContent& puzzle, std::ostream& trace) const
{
    puzzle.title.clear();
    for (const TiXmlNode* node = root_->FirstChild(); node; node = node->NextSibling()) {
        trace << node->Value() << std::endl;
        ReadChild(*node, puzzle, trace);
    }
    DropPlacementsOutside(puzzle.grid);
}
