#include "app/word_list_dialog_parts.h"

#include <memory>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/grid.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/command_edge.h"
#include "app/control_ids.h"
#include "app/frame.h"
#include "app/puzzle.h"
#include "app/text_encoding.h"
#include "app/word_grid.h"
#include "engine/ascii.h"
#include "engine/dictionary.h"

namespace {

wxButton* AddButton(wxWindow* dialog, wxBoxSizer* row, wxWindowID id, const wxString& label, int x, int width,
                    const wxString& name)
{
    auto* button = new wxButton(dialog, id, label, wxPoint(x, 5), wxSize(width, 25), 0, wxDefaultValidator, name);
    button->SetFont(TahomaFont());
    row->Add(button, 0, WordListItemFlags, WordListItemBorder);
    return button;
}

std::string LowerAsciiWord(std::string word)
{
    for (char& c : word)
        c = LowerAscii(c);
    return word;
}

}  // namespace

wxBoxSizer* StartWordListLayout(wxDialog* dialog)
{
    auto* mainSizer = new wxBoxSizer(wxVERTICAL);
    dialog->SetSizer(mainSizer);
    dialog->SetAutoLayout(true);
    return mainSizer;
}

TitleRow AddTitleRow(wxWindow* dialog, wxBoxSizer* mainSizer)
{
    TitleRow title;
    title.row = new wxBoxSizer(wxHORIZONTAL);
    mainSizer->Add(title.row, 0, WordListItemFlags, WordListItemBorder);
    title.label = new wxStaticText(dialog, ID_TitleLabel, "Title: ", wxDefaultPosition, wxDefaultSize, 0, "staticText");
    title.row->Add(title.label, 0, WordListItemFlags, WordListItemBorder);
    title.box =
        new wxTextCtrl(dialog, ID_TitleBox, "", wxPoint(90, 5), wxSize(200, 19), 0, wxDefaultValidator, "WxEdit1");
    // Stretching overrides the centring the other items have.
    title.row->Add(title.box, 0, wxALL | wxEXPAND, WordListItemBorder);
    return title;
}

void ShowPuzzleTitle(wxTextCtrl* titleBox, const std::string& title)
{
    titleBox->SetValue(FromWindows1252(title));
    titleBox->SetSelection(0, 0);
}

WordListButtons AddWordListButtons(wxWindow* dialog, wxBoxSizer* mainSizer)
{
    WordListButtons buttons;
    buttons.row = new wxBoxSizer(wxHORIZONTAL);
    mainSizer->Add(buttons.row, 0, WordListItemFlags, WordListItemBorder);
    buttons.load = AddButton(dialog, buttons.row, ID_LoadWordList, "Load word list", 5, 75, "WxButton1");
    buttons.save = AddButton(dialog, buttons.row, ID_SaveWordList, "Save word list", 90, 75, "WxButton2");
    buttons.done = AddButton(dialog, buttons.row, ID_Done, "Done", 175, 76, "WxButton3");
    buttons.cancel = AddButton(dialog, buttons.row, ID_CancelWordList, "Cancel", 261, 75, "WxButton4");
    return buttons;
}

void FitWordListDialog(wxDialog* dialog, wxBoxSizer* mainSizer)
{
    dialog->SetTitle("Edit word list");
    dialog->SetIcon(wxNullIcon);
    mainSizer->Layout();
    mainSizer->Fit(dialog);
    mainSizer->SetSizeHints(dialog);
    dialog->Center(wxBOTH);
}

void EndWordListDialog(wxDialog* dialog)
{
    if (dialog->IsModal())
        dialog->EndModal(wxID_CANCEL);
    dialog->Destroy();
}

void ClearRangeSelection(wxGridRangeSelectEvent& event, wxGrid* grid)
{
    if (event.Selecting())
        grid->ClearSelection();
}

std::optional<std::string> PuzzleTitle(wxWindow* parent, const wxTextCtrl* titleBox)
{
    const wxString title = titleBox->GetValue();
    if (title.empty())
        return std::string("Untitled Puzzle");
    return StorableText(parent, title, "The title " + Quoted(title));
}

Dictionary BuildWordList(const std::vector<WordListEntry>& entries)
{
    Dictionary list;
    for (const WordListEntry& entry : entries)
        list.AddWord(LowerAsciiWord(entry.word), entry.clue);
    return list;
}

void GenerateOrRender(Puzzle& puzzle, const Dictionary& list, const std::string& title, bool generateEmptyList)
{
    if (list.WordCount() > 0 || generateEmptyList)
        puzzle.Generate(list, title);
    else
        puzzle.Render(title);
}

void FinishWordList(MyFrame* frame, Puzzle* attached, PuzzleType type, const std::function<void(Puzzle&)>& build)
{
    if (attached) {
        build(*attached);
        return;
    }
    auto puzzle = std::make_unique<Puzzle>(type);
    build(*puzzle);
    frame->AddPuzzlePage(std::move(puzzle), "Unnamed file");
}

void FinishTitledWordList(wxDialog* dialog, MyFrame* frame, Puzzle* attached, PuzzleType type, const wxGrid* grid,
                          const wxTextCtrl* titleBox, bool generateEmptyList)
{
    RunCommand(dialog, [&] {
        const auto entries = GridEntries(dialog, grid);
        const auto title = entries ? PuzzleTitle(dialog, titleBox) : std::nullopt;
        if (!title)
            return;
        const Dictionary list = BuildWordList(*entries);
        FinishWordList(frame, attached, type,
                       [&](Puzzle& puzzle) { GenerateOrRender(puzzle, list, *title, generateEmptyList); });
        EndWordListDialog(dialog);
    });
}
