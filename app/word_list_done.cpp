#include "app/word_list_done.h"

#include <memory>

#include <wx/dialog.h>
#include <wx/grid.h>
#include <wx/textctrl.h>

#include "app/command_edge.h"
#include "app/document_bounds.h"
#include "app/frame.h"
#include "app/letter_limit.h"
#include "app/puzzle.h"
#include "app/text_encoding.h"
#include "app/word_grid.h"
#include "engine/ascii.h"
#include "engine/dictionary.h"

namespace {

const char* const NotMade = "The puzzle was not made.";

// The dialogs lower-case A to Z of each word themselves so that its clue is
// found under the stored word.
Dictionary BuildWordList(const std::vector<WordListEntry>& entries)
{
    Dictionary list;
    for (const WordListEntry& entry : entries)
        list.AddWord(LowerAscii(entry.word), entry.clue);
    return list;
}

// A new puzzle whose building fails is dropped with its view; one that is
// built becomes the tab "Unnamed file".
void FinishWordList(const WordListTarget& target, const std::function<void(Puzzle&)>& build)
{
    if (target.attached) {
        build(*target.attached);
        return;
    }
    auto puzzle = std::make_unique<Puzzle>(target.type);
    build(*puzzle);
    target.frame->AddPuzzlePage(std::move(puzzle), "Unnamed file");
}

PuzzleLetters LettersOfEntries(const WordListTarget& target, const std::vector<WordListEntry>& entries)
{
    std::vector<std::string> words;
    for (const WordListEntry& entry : entries)
        words.push_back(entry.word);
    return LettersOfList(target.attached ? target.attached->type : target.type, words);
}

}  // namespace

void EndWordListDialog(wxDialog* dialog)
{
    if (dialog->IsModal())
        dialog->EndModal(wxID_CANCEL);
    dialog->Destroy();
}

std::optional<std::string> PuzzleTitle(wxWindow* parent, const wxTextCtrl* titleBox)
{
    const wxString title = titleBox->GetValue();
    if (title.empty())
        return std::string("Untitled Puzzle");
    std::optional<std::string> bytes = StorableText(parent, title, "The title " + Quoted(title), "a puzzle");
    const std::string failure = bytes ? TitleFailure(*bytes) : std::string();
    if (failure.empty())
        return bytes;
    TellUser(parent, "The puzzle was not made: " + FromWindows1252(failure) + ". Please shorten it.");
    return std::nullopt;
}

std::optional<std::vector<WordListEntry>> PuzzleEntries(wxWindow* parent, wxGrid* grid)
{
    if (!EndCellEditing(grid) || !EntriesWithinLimits(parent, grid, NotMade))
        return std::nullopt;
    return GridEntries(parent, grid);
}

void GenerateOrRender(Puzzle& puzzle, const Dictionary& list, const std::string& title, bool generateEmptyList)
{
    if (list.WordCount() > 0 || generateEmptyList)
        puzzle.Generate(list, title);
    else
        puzzle.Render(title);
}

void FinishEntries(const WordListTarget& target, const std::vector<WordListEntry>& entries,
                   const std::function<void(Puzzle&, const Dictionary&)>& build)
{
    WithinLetterLimit(LettersOfEntries(target, entries), [&] {
        const Dictionary list = BuildWordList(entries);
        FinishWordList(target, [&](Puzzle& puzzle) { build(puzzle, list); });
    });
}

void FinishTitledWordList(const TitledWordListForm& form, const WordListTarget& target, bool generateEmptyList)
{
    RunCommand(form.dialog, [&] {
        const auto entries = PuzzleEntries(form.dialog, form.grid);
        const auto title = entries ? PuzzleTitle(form.dialog, form.titleBox) : std::nullopt;
        if (!title)
            return;
        FinishEntries(target, *entries, [&](Puzzle& puzzle, const Dictionary& list) {
            GenerateOrRender(puzzle, list, *title, generateEmptyList);
        });
        EndWordListDialog(form.dialog);
    });
}
