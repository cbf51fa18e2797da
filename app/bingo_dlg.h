#pragma once

#include <wx/dialog.h>

#include "app/frame.h"
#include "app/word_list_layout.h"

class Dictionary;
class MyOtherGrid;
class Puzzle;
class wxBoxSizer;
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

    WordListButtons m_buttons{};
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
