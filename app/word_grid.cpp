#include "app/word_grid.h"

#include <wx/grid.h>
#include <wx/msgdlg.h>

#include "app/text_encoding.h"
#include "engine/dictionary.h"

namespace {

constexpr int WordColumn = 0;
constexpr int ClueColumn = 1;

bool HasClueColumn(const wxGrid* grid) { return grid->GetNumberCols() > ClueColumn; }

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
        SetCellText(grid, row, WordColumn, FromWindows1252(entries[row].word));
        SetCellText(grid, row, ClueColumn, FromWindows1252(entries[row].clue));
    }
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

std::optional<std::string> StorableText(wxWindow* parent, const wxString& text, const wxString& named)
{
    std::optional<std::string> bytes = ToWindows1252(text);
    if (!bytes)
        TellUser(parent, named + " holds a character that a word list cannot store. Please change it.");
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
        if (word.empty())
            continue;
        auto wordBytes = StorableText(parent, word, "The word " + Quoted(word));
        if (!wordBytes)
            return std::nullopt;
        const wxString clue = CellText(grid, row, ClueColumn);
        auto clueBytes = StorableText(parent, clue, "The clue " + Quoted(clue) + " of the word " + Quoted(word));
        if (!clueBytes)
            return std::nullopt;
        entries.push_back({*wordBytes, *clueBytes});
    }
    return entries;
}
