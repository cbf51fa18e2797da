#include "app/document_reader.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include <tinyxml.h>

#include "app/document_bounds.h"
#include "app/document_markup.h"
#include "app/one_line.h"
#include "app/puzzle_content.h"
#include "app/regular_file.h"
#include "engine/alphabet.h"
#include "engine/ascii.h"
#include "engine/dictionary.h"
#include "engine/grid.h"
#include "engine/letter_need.h"

namespace {

const char* TextOf(const TiXmlNode* element)
{
    const TiXmlNode* child = element->FirstChild();
    const TiXmlText* text = child ? child->ToText() : nullptr;
    return text ? text->Value() : nullptr;
}

struct Entry {
    std::string word;
    std::string clue;
};

// Each line of the list: the word, a TAB and the clue; a line without a TAB
// is both. An empty line gives an empty entry, which a list does not take.
// Another TAB in a clue becomes a blank, as where entries are typed.
std::vector<Entry> Entries(const char* text)
{
    std::vector<Entry> entries;
    std::istringstream lines(text ? text : "");
    for (std::string line; std::getline(lines, line);) {
        std::string::size_type tab = line.find('\t');
        if (tab == std::string::npos)
            entries.push_back({line, line});
        else
            entries.push_back({line.substr(0, tab), OnOneLine(line.substr(tab + 1))});
    }
    return entries;
}

// The entries a list takes: a word of blanks alone is none, as in the
// dialogs, and one the list refuses keeps no clue. The word is lower-cased as
// the dialogs do, so that its clue is found under the word saved: whatever the
// list holds, it saves and opens again.
std::vector<Entry> StoredEntries(const char* text)
{
    std::vector<Entry> stored;
    for (Entry& entry : Entries(text)) {
        if (HoldsWord(entry.word) && IsAcceptableWord(entry.word))
            stored.push_back({LowerAscii(entry.word), std::move(entry.clue)});
    }
    return stored;
}

Dictionary ReadWordList(const char* text)
{
    Dictionary list;
    for (const Entry& entry : StoredEntries(text))
        list.AddWord(entry.word, entry.clue);
    return list;
}

// Saved, a title of white space alone would read back empty, as TinyXML keeps
// no text of white space alone; only markup such as CDATA gets one here.
std::string ReadTitle(const char* text)
{
    const std::string title = text ? text : "";
    return title.find_first_not_of(" \t\n\v\f\r") == std::string::npos ? "" : OnOneLine(title);
}

std::optional<GridSize> PictureSize(const char* text) { return text ? AsciiGridSize(text) : std::nullopt; }

// A grid picture that draws no cell is none: it would not read back as it
// is written.
const char* GridTextOf(const TiXmlElement& element)
{
    const char* text = TextOf(&element);
    const std::optional<GridSize> size = PictureSize(text);
    return size && size->width > 0 && size->height > 0 ? text : nullptr;
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
        puzzle.title = ReadTitle(TextOf(element));
    } else if (name == "solution") {
        trace << "solution" << std::endl;
        ReadSolution(*element, puzzle);
        trace << "after solution" << std::endl;
    } else if (name == "grid") {
        if (const char* text = GridTextOf(*element))
            puzzle.SetGridText(text);
    }
}

// Line ends as loading a file leaves them: CR LF becomes LF here, a lone CR
// once the walk has seen where it stands. A byte-order mark, which an editor
// may put before the text, is no markup.
std::string WithoutCrLf(const std::string& text)
{
    static const std::string byteOrderMark = "\xEF\xBB\xBF";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = text.compare(0, 3, byteOrderMark) == 0 ? 3 : 0; i < text.size(); ++i) {
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n')
            out += text[i];
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

std::string WordListFailure(const char* text)
{
    const std::vector<Entry> entries = Entries(text);
    const auto count = std::count_if(entries.begin(), entries.end(),
                                     [](const Entry& e) { return !e.word.empty() || !e.clue.empty(); });
    if (count > MaxDocumentEntries)
        return "its word list holds more than " + std::to_string(MaxDocumentEntries) + " entries";
    for (const Entry& entry : entries) {
        const std::string failure = EntryFailure(entry.word, entry.clue);
        if (!failure.empty())
            return failure;
    }
    return "";
}

bool GridTooLarge(const char* text)
{
    const std::optional<GridSize> size = PictureSize(text);
    return size && (size->width > MaxDocumentGridSide || size->height > MaxDocumentGridSide);
}

std::string ChildFailure(const TiXmlElement& child)
{
    const std::string name = child.Value();
    const char* text = TextOf(&child);
    if (name == "wordlist")
        return WordListFailure(text);
    if (name == "title")
        return TitleFailure(text ? text : "");
    if (name == "grid" && GridTooLarge(text))
        return "its grid is larger than " + std::to_string(MaxDocumentGridSide) + " x " +
               std::to_string(MaxDocumentGridSide) + " cells";
    return "";
}

// Counted before anything is built from the document.
std::string ContentFailure(const TiXmlElement& root)
{
    int solutions = 0;
    for (const TiXmlElement* child = root.FirstChildElement(); child; child = child->NextSiblingElement()) {
        if (std::string(child->Value()) == "solution" && ++solutions > MaxDocumentSolutions)
            return "it holds more than " + std::to_string(MaxDocumentSolutions) + " solutions";
        std::string failure = ChildFailure(*child);
        if (!failure.empty())
            return failure;
    }
    return "";
}

// Whatever a measured build adds to the alphabet goes again with it.
class LetterScope {
public:
    LetterScope() : before_(Alphabet::LetterCount()) {}
    ~LetterScope() { Alphabet::GiveBackLetters(before_); }
    LetterScope(const LetterScope&) = delete;
    LetterScope& operator=(const LetterScope&) = delete;

private:
    int before_;
};

// Builds the page without a window, only to learn whether it may be shown.
class PageMeasure : public PuzzleContent {
public:
    using PuzzleContent::PuzzleContent;

protected:
    void Show(const std::string&) override {}
};

// The elements whose text the reader takes as entries or a title.
const std::vector<std::string> OneLineElements = {"wordlist", "title"};
// The grid's picture is saved as it is: a control character in a cell, written
// as itself or as a code, would be saved raw, where a line break cuts the row.
const std::vector<std::string> NoControlElements = {"grid"};

// Checked on the bytes, before TinyXML sees them.
std::string MarkupFailure(const DocumentMarkup& markup)
{
    if (!markup.followed)
        return "it is not a puzzle";
    if (markup.depth > MaxDocumentDepth)
        return "its elements nest more than " + std::to_string(MaxDocumentDepth) + " levels deep";
    if (markup.attributes > MaxElementAttributes)
        return "an element in it has more than " + std::to_string(MaxElementAttributes) + " attributes";
    if (markup.controlReference)
        return "its grid holds a code such as &#13; for a line break, TAB or other control character, which no "
               "cell of a grid can hold";
    if (markup.controlByte)
        return "its grid holds a TAB, a carriage return or other control character, which no cell of a grid can hold";
    return "";
}

}  // namespace

DocumentReader::DocumentReader() : document_(std::make_unique<TiXmlDocument>())
{
    TiXmlBase::SetCondenseWhiteSpace(false);
}

DocumentReader::~DocumentReader() = default;

bool DocumentReader::LoadFile(const std::string& path)
{
    const FileReading file = ReadRegularFile(path, MaxDocumentBytes);
    if (!file.notOpened.empty() || file.broke) {
        root_ = nullptr;
        failure_ = file.broke ? "it cannot be read" : file.notOpened;
        return false;
    }
    return Parse(file.bytes);
}

bool DocumentReader::Parse(const std::string& text)
{
    document_ = std::make_unique<TiXmlDocument>();
    root_ = nullptr;
    if (text.size() > MaxDocumentBytes) {
        failure_ = "it is larger than " + std::to_string(MaxDocumentBytes / (1024 * 1024)) + " MB";
        return false;
    }
    DocumentMarkup markup = ReadMarkup(WithoutCrLf(text), OneLineElements, NoControlElements);
    failure_ = MarkupFailure(markup);
    if (!failure_.empty())
        return false;
    std::replace(markup.text.begin(), markup.text.end(), '\r', '\n');
    // Byte for byte, whatever a declaration says: the text is 8-bit, and the
    // walk that checked it reads it so.
    document_->Parse(markup.text.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    root_ = document_->Error() ? nullptr : document_->RootElement();
    failure_ = root_ ? ContentFailure(*root_) : "it is not a puzzle";
    if (failure_.empty())
        failure_ = ShownPageFailure();
    if (!failure_.empty())
        root_ = nullptr;
    return root_ != nullptr;
}

std::string DocumentReader::ShownPageFailure() const
{
    LetterScope letters;
    PageMeasure puzzle(Type());
    std::ostringstream trace;
    try {
        ReadInto(puzzle, trace);
        Show(puzzle);
    } catch (const PageTooLarge& refused) {
        return refused.reason;
    } catch (const TooManyLetters&) {
        // The page is never shown: the build that would show it meets the
        // same limit and tells what the puzzle needs.
    }
    return "";
}

void DocumentReader::Show(PuzzleContent& puzzle) const
{
    if (IsRegenerated())
        puzzle.Generate(puzzle.GetWordList(), puzzle.title);
    else
        puzzle.Render(puzzle.title);
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

void DocumentReader::CountLetters(LetterNeed& words, LetterNeed& withGrids) const
{
    for (const TiXmlElement* child = root_->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string name = child->Value();
        if (name == "wordlist") {
            for (const Entry& entry : StoredEntries(TextOf(child))) {
                words.AddWord(entry.word);
                withGrids.AddWord(entry.word);
            }
        } else if (const char* grid = name == "grid" ? GridTextOf(*child) : nullptr) {
            withGrids.AddLetters(AsciiGridLetters(grid));
        }
    }
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
