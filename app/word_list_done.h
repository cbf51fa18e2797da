#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/puzzle_type.h"
#include "app/word_list_file.h"

class Dictionary;
class MyFrame;
class Puzzle;
class wxDialog;
class wxGrid;
class wxTextCtrl;
class wxWindow;

// What "Done" of the word list dialogs does with the list, and how the
// dialogs end.

// Where a finished list goes: into the attached puzzle, or without one into a
// new puzzle of the type that becomes a tab of the frame.
struct WordListTarget {
    MyFrame* frame;
    Puzzle* attached;
    PuzzleType type;
};

// The controls "Done" reads in the dialogs with a title.
struct TitledWordListForm {
    wxDialog* dialog;
    wxGrid* grid;
    const wxTextCtrl* titleBox;
};

// "Done", "Cancel" and the close box all end here: the dialog ends its modal
// run and destroys itself.
void EndWordListDialog(wxDialog* dialog);

// The title box's text, "Untitled Puzzle" when it is empty; nothing when the
// text cannot be stored or is longer than a title may be (the user is told).
std::optional<std::string> PuzzleTitle(wxWindow* parent, const wxTextCtrl* titleBox);

// The grid's entries for a puzzle, what is being typed into a cell included:
// nothing when one cannot be stored or is longer than it may be (the user is
// told which).
std::optional<std::vector<WordListEntry>> PuzzleEntries(wxWindow* parent, wxGrid* grid);

// A list with a word (or any list, when asked) generates the puzzle; an empty
// one only shows it again under the title.
void GenerateOrRender(Puzzle& puzzle, const Dictionary& list, const std::string& title, bool generateEmptyList);

// Builds the target's puzzle from the entries made a word list. A new puzzle
// whose building fails is dropped with its view; one that is built becomes the
// tab "Unnamed file". A puzzle that finds no room for its characters fails
// with what it needs by itself.
void FinishEntries(const WordListTarget& target, const std::vector<WordListEntry>& entries,
                   const std::function<void(Puzzle&, const Dictionary&)>& build);

// "Done" of the dialogs with a title: builds the puzzle from the grid and the
// title and closes the dialog. A text that cannot be stored or an engine
// error leaves the dialog open with everything typed.
void FinishTitledWordList(const TitledWordListForm& form, const WordListTarget& target, bool generateEmptyList);
