#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/dialog.h>
#include <wx/grid.h>

#include "app/gui_test_main.h"

// Plays the user's part for every modal dialog while it lives: message boxes
// are read and acknowledged, file dialogs get the next path (cancelled when
// none is left), and any other dialog is handed to `onDialog`.
class DialogScript {
public:
    DialogScript();

    std::vector<wxString> messages;
    std::vector<std::string> paths;
    std::function<void(wxDialog*)> onDialog;

private:
    int Answer(wxDialog* dialog);
    DialogAnswerer answerer_;
};

// Controls of the word list dialogs, found as the user finds them.
wxGrid* WordGrid(wxWindow* dialog);
void TypeRow(wxWindow* dialog, int row, const wxString& word, const wxString& clue = wxString());
void TypeTitle(wxWindow* dialog, const wxString& title);
wxString TitleOf(wxWindow* dialog);
void Press(wxWindow* dialog, int id);
void Tick(wxWindow* dialog, int id, bool ticked);

// Waits until the puzzle's page shows the text; false when it never does.
bool PageShows(Puzzle& puzzle, const std::string& text);

// A dialog that was asked to go: it destroys itself, and its modal run ends.
bool IsClosing(wxWindow* dialog);

// The bytes of a file, empty when it cannot be read.
std::string FileText(const std::string& path);
