#pragma once

#include <string>

#include <wx/defs.h>

class wxBoxSizer;
class wxButton;
class wxDialog;
class wxStaticText;
class wxTextCtrl;
class wxWindow;

// The layout the three word list dialogs share: a column of rows, the title
// row above the grid and the button row below it.

// Every sizer item of the dialogs: centred, with a border of 5 pixels.
constexpr int WordListItemFlags = wxALIGN_CENTER | wxALL;
constexpr int WordListItemBorder = 5;

struct WordListButtons {
    wxButton* cancel;
    wxButton* done;
    wxButton* save;
    wxButton* load;
    wxBoxSizer* row;
};

// A vertical main sizer for the dialog, laying it out automatically.
wxBoxSizer* StartWordListLayout(wxDialog* dialog);

struct TitleRow {
    wxBoxSizer* row;
    wxStaticText* label;
    wxTextCtrl* box;
};

// "Title: " and its text box in a row above the grid.
TitleRow AddTitleRow(wxWindow* dialog, wxBoxSizer* mainSizer);

// Shows the title with the insertion point at its start.
void ShowPuzzleTitle(wxTextCtrl* titleBox, const std::string& title);

// "Load word list", "Save word list", "Done" and "Cancel" in a row below the grid.
WordListButtons AddWordListButtons(wxWindow* dialog, wxBoxSizer* mainSizer);

// Titles the dialog "Edit word list", fits it to its controls and centres it.
void FitWordListDialog(wxDialog* dialog, wxBoxSizer* mainSizer);
