#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <wx/defs.h>

#include "app/puzzle_type.h"
#include "app/word_list_file.h"

class Dictionary;
class MyFrame;
class Puzzle;
class wxBoxSizer;
class wxButton;
class wxDialog;
class wxGrid;
class wxGridRangeSelectEvent;
class wxStaticText;
class wxTextCtrl;
class wxWindow;

// What the three word list dialogs share: their layout rules, their button
// row, and what "Done" does with the list.

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

// "Done", "Cancel" and the close box all end here: the dialog ends its modal
// run and destroys itself.
void EndWordListDialog(wxDialog* dialog);

// No block of cells stays selected.
void ClearRangeSelection(wxGridRangeSelectEvent& event, wxGrid* grid);

// The title box's text, "Untitled Puzzle" when it is empty; nothing when the
// text cannot be stored (the user is told).
std::optional<std::string> PuzzleTitle(wxWindow* parent, const wxTextCtrl* titleBox);

// The entries as a word list; the dialogs lower-case A to Z of each word
// themselves so that its clue is found under the stored word.
Dictionary BuildWordList(const std::vector<WordListEntry>& entries);

// A list with a word (or any list, when asked) generates the puzzle; an empty
// one only shows it again under the title.
void GenerateOrRender(Puzzle& puzzle, const Dictionary& list, const std::string& title, bool generateEmptyList);

// Builds the attached puzzle again, or a new one of the type that becomes the
// tab "Unnamed file". A new puzzle whose building fails is dropped with its view.
void FinishWordList(MyFrame* frame, Puzzle* attached, PuzzleType type, const std::function<void(Puzzle&)>& build);

// "Done" of the dialogs with a title: builds the puzzle from the grid and the
// title and closes the dialog. A text that cannot be stored or an engine
// error leaves the dialog open with everything typed.
void FinishTitledWordList(wxDialog* dialog, MyFrame* frame, Puzzle* attached, PuzzleType type, const wxGrid* grid,
                          const wxTextCtrl* titleBox, bool generateEmptyList);
