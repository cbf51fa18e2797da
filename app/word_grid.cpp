#include "app/word_grid.h"

#include <algorithm>
#include <utility>

#include <wx/clntdata.h>
#include <wx/grid.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include "app/document_bounds.h"
#include "app/one_line.h"
#include "app/one_line_text.h"
#include "app/text_encoding.h"
#include "engine/dictionary.h"

namespace {

constexpr int WordColumn = 0;
constexpr int ClueColumn = 1;

bool HasClueColumn(const wxGrid* grid) { return grid->GetNumberCols() > ClueColumn; }

// Only the length and the blanks count here: a character 8 bits cannot hold is
// refused on its own.
std::string LengthOnly(const wxString& text) { return ToWindows1252(text).value_or(std::string(text.ToAscii('?'))); }

// What is wrong with the row's entry, as "Row 3: the clue of ...", or nothing;
// a row without a word is no entry.
wxString RowFailure(const wxGrid* grid, int row)
{
    const std::string word = LengthOnly(CellText(grid, row, WordColumn));
    if (!HoldsWord(word))
        return wxString();
    const std::string failure = EntryFailure(word, LengthOnly(CellText(grid, row, ClueColumn)));
    return failure.empty() ? wxString() : wxString::Format("Row %d: ", row + 1) + FromWindows1252(failure) + ".";
}

const char* const ShortenIt = "Please shorten it: no puzzle or word list file is made while it is longer.";

// What the user is to hear of a cell just changed. It waits until the grid has
// finished with the cell, unless a command ends the editing and tells it first.
class PendingFailure : public wxClientData {
public:
    wxString message;
};

// Told once, whoever comes first; false when there was something to tell.
bool TellPendingFailure(wxGrid* grid)
{
    auto* pending = static_cast<PendingFailure*>(grid->GetClientObject());
    const wxString message = std::exchange(pending->message, wxString());
    if (!message.empty())
        TellUser(wxGetTopLevelParent(grid), message);
    return message.empty();
}

void GuardEntries(wxGrid* grid)
{
    grid->SetClientObject(new PendingFailure);
    grid->Bind(wxEVT_GRID_EDITOR_CREATED, [](wxGridEditorCreatedEvent& event) {
        event.Skip();
        if (auto* box = dynamic_cast<wxTextCtrl*>(event.GetControl()))
            KeepOnOneLine(box);
    });
    grid->Bind(wxEVT_GRID_CELL_CHANGED, [grid](wxGridEvent& event) {
        event.Skip();
        const wxString failure = RowFailure(grid, event.GetRow());
        if (failure.empty())
            return;
        static_cast<PendingFailure*>(grid->GetClientObject())->message = failure + "\n\n" + ShortenIt;
        grid->CallAfter([grid] { TellPendingFailure(grid); });
    });
}

}  // namespace

wxFont TahomaFont() { return wxFont(8, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false, "Tahoma"); }

void StyleWordGrid(wxGrid* grid)
{
    grid->SetFont(TahomaFont());
    grid->SetDefaultColSize(50);
    grid->SetDefaultRowSize(25);
    grid->SetRowLabelSize(50);
    grid->SetColLabelSize(25);
}

void CreateWordGrid(wxGrid* grid, int columns)
{
    StyleWordGrid(grid);
    grid->CreateGrid(MaxWordListEntries, columns, wxGrid::wxGridSelectCells);
    // Word, Tab, clue, Tab, word... fills the rows in order.
    grid->SetTabBehaviour(wxGrid::Tab_Wrap);
    GuardEntries(grid);
}

bool EndCellEditing(wxGrid* grid)
{
    grid->DisableCellEditControl();
    return TellPendingFailure(grid);
}

void SetWordColumns(wxGrid* grid)
{
    grid->SetColLabelValue(WordColumn, "Word");
    if (HasClueColumn(grid)) {
        grid->SetColSize(WordColumn, 100);
        grid->SetColLabelValue(ClueColumn, "Clue");
        grid->SetColSize(ClueColumn, 150);
    } else {
        grid->SetColSize(WordColumn, 250);
    }
    grid->SetMargins(-32, 0);
    grid->SetSelectionMode(wxGrid::wxGridSelectCells);
}

void ClearRangeSelection(wxGridRangeSelectEvent& event, wxGrid* grid)
{
    if (event.Selecting())
        grid->ClearSelection();
}

void SetCellText(wxGrid* grid, int row, int col, const wxString& text)
{
    if (row < grid->GetNumberRows() && col < grid->GetNumberCols())
        grid->SetCellValue(row, col, text);
}

wxString CellText(const wxGrid* grid, int row, int col)
{
    if (row < grid->GetNumberRows() && col < grid->GetNumberCols())
        return grid->GetCellValue(row, col);
    return wxString();
}

void ShowEntries(wxGrid* grid, const std::vector<WordListEntry>& entries)
{
    for (std::size_t row = 0; row < entries.size(); ++row) {
        SetCellText(grid, row, WordColumn, FromWindows1252(OnOneLine(entries[row].word)));
        SetCellText(grid, row, ClueColumn, FromWindows1252(OnOneLine(entries[row].clue)));
    }
}

bool EntriesWithinLimits(wxWindow* parent, const wxGrid* grid, const wxString& heading)
{
    for (int row = 0; row < grid->GetNumberRows(); ++row) {
        const wxString failure = RowFailure(grid, row);
        if (!failure.empty()) {
            TellUser(parent, heading + "\n\n" + failure + "\n\n" + ShortenIt);
            return false;
        }
    }
    return true;
}

void ShowWordList(wxGrid* grid, const Dictionary& list, bool withClues)
{
    grid->ClearGrid();
    std::vector<WordListEntry> entries;
    for (int i = 0; i < list.WordCount() && i < MaxWordListEntries; ++i) {
        std::string word = list.WordText(i);
        entries.push_back({word, withClues ? list.ClueFor(word) : std::string()});
    }
    ShowEntries(grid, entries);
}

wxString Quoted(const wxString& text) { return "\"" + text + "\""; }

std::optional<std::string> StorableText(wxWindow* parent, const wxString& text, const wxString& named,
                                        const wxString& store)
{
    std::optional<std::string> bytes = ToWindows1252(text);
    if (!bytes)
        TellUser(parent, named + " holds a character that " + store + " cannot store. Please change it.");
    return bytes;
}

// Like ShowInformation, which takes 8-bit text and so cannot name such a text.
void TellUser(wxWindow* parent, const wxString& message)
{
    wxMessageDialog box(parent, message, "Information", wxOK | wxICON_EXCLAMATION);
    box.ShowModal();
}

std::optional<std::vector<WordListEntry>> GridEntries(wxWindow* parent, const wxGrid* grid)
{
    std::vector<WordListEntry> entries;
    for (int row = 0; row < grid->GetNumberRows(); ++row) {
        const wxString word = CellText(grid, row, WordColumn);
        if (!HoldsWord(LengthOnly(word)))
            continue;
        auto wordBytes = StorableText(parent, word, "The word " + Quoted(word), "a word list");
        if (!wordBytes)
            return std::nullopt;
        const wxString clue = CellText(grid, row, ClueColumn);
        auto clueBytes =
            StorableText(parent, clue, "The clue " + Quoted(clue) + " of the word " + Quoted(word), "a word list");
        if (!clueBytes)
            return std::nullopt;
        entries.push_back({*wordBytes, *clueBytes});
    }
    return entries;
}
