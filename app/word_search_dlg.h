#pragma once

#include <string>

#include <wx/dialog.h>

#include "app/frame.h"
#include "app/puzzle_type.h"
#include "app/word_list_layout.h"

class Dictionary;
class MyGrid;
class Puzzle;
class wxBoxSizer;
class wxCheckBox;
class wxGridRangeSelectEvent;

// The word list dialog of word searches and word scrambles: words, and clues
// only while "Use clues" is ticked.
class WordSearchDlg : public wxDialog {
public:
    WordSearchDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos = wxDefaultPosition,
                  const wxSize& size = wxDefaultSize, long style = WordListDialogStyle);

    // Also takes the puzzle's type, which decides what "Done" does with an empty list.
    void SetPuzzle(Puzzle* puzzle);
    void SetWordList(Dictionary& list);
    void SetPuzzleTitle(const std::string& title);

    // The kind of puzzle "Done" makes when no puzzle is attached.
    PuzzleType puzzleType = WordSearchPuzzle;

private:
    void CreateGUIControls();
    // Adds or drops the clue column as the check box says.
    void OnUseClues(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnGridRangeSelect(wxGridRangeSelectEvent& event);
    void OnDone(wxCommandEvent& event);
    void OnSaveWordList(wxCommandEvent& event);
    void OnLoadWordList(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    WordListButtons m_buttons{};
    MyGrid* m_grid = nullptr;
    wxBoxSizer* m_mainSizer = nullptr;
    TitleRow m_title{};
    wxCheckBox* m_useClues = nullptr;
    MyFrame* m_frame;
    Puzzle* m_puzzle = nullptr;

    wxDECLARE_EVENT_TABLE();
};
