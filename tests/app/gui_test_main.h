#pragma once

#include <functional>
#include <memory>
#include <string>

#include <wx/dialog.h>
#include <wx/modalhook.h>

#include "support/event_pump.h"

class Dictionary;
class MyFrame;
class Puzzle;

// The main frame of the test process, built on first use like the program's own.
MyFrame& TestFrame();

// Closes a tab as the user would with its close button.
void CloseTab(size_t page);

// Closes every tab, so each test starts from an empty notebook.
void CloseAllTabs();

// Sends the main frame a command as its menus and toolbar do.
void RunMenuCommand(int id);

// The puzzle, generated from the list and added as a tab.
Puzzle* AddGeneratedPuzzle(std::unique_ptr<Puzzle> puzzle, const Dictionary& list, const std::string& title);

// The text a puzzle's page shows, read back from the browser engine; empty
// when the page cannot be read.
std::string RenderedText(Puzzle& puzzle);

// Answers every modal dialog shown while it lives: the handler gets the dialog
// and returns the modal result, so no dialog ever waits for a person.
class DialogAnswerer : public wxModalDialogHook {
public:
    using Handler = std::function<int(wxDialog*)>;
    explicit DialogAnswerer(Handler handler);
    ~DialogAnswerer() override;
    int shown = 0;

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}

private:
    Handler handler_;
};
