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
class wxGridRangeSelectEvent;

// The dialog in which a list of words with clues and a title are typed, to make
// a new crossword or to build an open puzzle again.
class WordListDlg : public wxDialog {
public:
    WordListDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, long style = WordListDialogStyle);

    void SetPuzzle(Puzzle* puzzle);
    void SetWordList(Dictionary& list);
    void SetPuzzleTitle(const std::string& title);

    // The kind of puzzle "Done" makes when no puzzle is attached.
    PuzzleType puzzleType = FreeformPuzzle;

private:
    void CreateGUIControls();
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
    MyFrame* m_frame;
    Puzzle* m_puzzle = nullptr;

    wxDECLARE_EVENT_TABLE();
};
