#pragma once

#include <wx/dialog.h>

#include "app/frame.h"

class Dictionary;
class MyOtherGrid;
class Puzzle;
class wxBoxSizer;
class wxButton;
class wxCheckBox;
class wxGridRangeSelectEvent;
class wxSpinCtrl;
class wxStaticText;

// The dialog in which the words of a set of bingo cards, the number of cards
// and the free centre space are chosen.
class BingoDlg : public wxDialog {
public:
    BingoDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos = wxDefaultPosition,
             const wxSize& size = wxDefaultSize, long style = WordListDialogStyle);

    void SetPuzzle(Puzzle* puzzle);
    void SetWordList(Dictionary& list);
    void SetNumCards(int numCards);
    void SetFreeSpace(bool freeSpace);

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
    MyOtherGrid* m_grid = nullptr;
    wxBoxSizer* m_mainSizer = nullptr;
    wxStaticText* m_numCardsLabel = nullptr;
    wxCheckBox* m_freeSpace = nullptr;
    wxBoxSizer* m_topRow = nullptr;
    wxSpinCtrl* m_numCards = nullptr;
    MyFrame* m_frame;
    Puzzle* m_puzzle = nullptr;

    wxDECLARE_EVENT_TABLE();
};
