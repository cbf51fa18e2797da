#pragma once

#include <string>

#include <wx/dialog.h>

#include "app/frame.h"
#include "app/puzzle_type.h"

class Dictionary;
class MyGrid;
class Puzzle;
class wxBoxSizer;
class wxButton;
class wxCheckBox;
class wxGridRangeSelectEvent;
class wxStaticText;
class wxTextCtrl;

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

    // Adds or drops the clue column as the check box says.
    void OnUseClues(wxCommandEvent& event);

private:
    void CreateGUIControls();
    void OnClose(wxCloseEvent& event);
    void OnGridRangeSelect(wxGridRangeSelectEvent& event);
    void OnDone(wxCommandEvent& event);
    void OnSaveWordList(wxCommandEvent& event);
    void OnLoadWordList(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    wxButton* m_cancel = nullptr;
    wxButton* m_done = nullptr;
    wxButton* m_saveWordList = nullptr;
    wxButton* m_loadWordList = nullptr;
    wxBoxSizer* m_buttonRow = nullptr;
    MyGrid* m_grid = nullptr;
    wxBoxSizer* m_mainSizer = nullptr;
    wxStaticText* m_titleLabel = nullptr;
    wxCheckBox* m_useClues = nullptr;
    wxBoxSizer* m_titleRow = nullptr;
    wxTextCtrl* m_titleBox = nullptr;
    MyFrame* m_frame;
    Puzzle* m_puzzle = nullptr;

    wxDECLARE_EVENT_TABLE();
};
