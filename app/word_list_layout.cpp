#include "app/word_list_layout.h"

#include <utility>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/control_ids.h"
#include "app/document_bounds.h"
#include "app/one_line_text.h"
#include "app/text_encoding.h"
#include "app/word_grid.h"

namespace {

// The user hears of it once, when the title grows past its limit.
void TellWhenTitleOverLimit(wxTextCtrl* box)
{
    box->Bind(wxEVT_TEXT, [box, over = false](wxCommandEvent& event) mutable {
        event.Skip();
        const bool wasOver = std::exchange(over, box->GetValue().length() > std::size_t(MaxTitleChars));
        if (over && !wasOver)
            box->CallAfter([box] {
                TellUser(wxGetTopLevelParent(box),
                         "A title may hold at most " + Thousands(MaxTitleChars) +
                             " characters. Please shorten it: the puzzle cannot be made while it is longer.");
            });
    });
}

wxButton* AddButton(wxWindow* dialog, wxBoxSizer* row, wxWindowID id, const wxString& label, int x, int width,
                    const wxString& name)
{
    auto* button = new wxButton(dialog, id, label, wxPoint(x, 5), wxSize(width, 25), 0, wxDefaultValidator, name);
    button->SetFont(TahomaFont());
    row->Add(button, 0, WordListItemFlags, WordListItemBorder);
    return button;
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
    KeepOnOneLine(title.box);
    TellWhenTitleOverLimit(title.box);
    return title;
}

void ShowPuzzleTitle(wxTextCtrl* titleBox, const std::string& title)
{
    titleBox->ChangeValue(FromWindows1252(OnOneLine(title)));
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
