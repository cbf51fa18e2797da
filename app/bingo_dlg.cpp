#include "app/bingo_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include "app/command_edge.h"
#include "app/control_ids.h"
#include "app/document_bounds.h"
#include "app/my_other_grid.h"
#include "app/puzzle.h"
#include "app/word_grid.h"
#include "app/word_list_done.h"
#include "app/word_list_file.h"

wxBEGIN_EVENT_TABLE(BingoDlg, wxDialog)
    EVT_CLOSE(BingoDlg::OnClose)
    EVT_GRID_RANGE_SELECT(BingoDlg::OnGridRangeSelect)
    EVT_BUTTON(ID_Done, BingoDlg::OnDone)
    EVT_BUTTON(ID_SaveWordList, BingoDlg::OnSaveWordList)
    EVT_BUTTON(ID_LoadWordList, BingoDlg::OnLoadWordList)
    EVT_BUTTON(ID_CancelWordList, BingoDlg::OnCancel)
wxEND_EVENT_TABLE()

BingoDlg::BingoDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos, const wxSize& size,
                   long style)
    : wxDialog(parent, id, title, pos, size, style, "dialog"), m_frame(dynamic_cast<MyFrame*>(parent))
{
    CreateGUIControls();
}

void BingoDlg::CreateGUIControls()
{
    m_mainSizer = StartWordListLayout(this);

    m_topRow = new wxBoxSizer(wxHORIZONTAL);
    m_mainSizer->Add(m_topRow, 0, WordListItemFlags, WordListItemBorder);
    m_numCardsLabel = new wxStaticText(this, ID_NumCardsLabel, "Number of cards: ", wxDefaultPosition, wxDefaultSize, 0,
                                       "staticText");
    m_topRow->Add(m_numCardsLabel, 0, WordListItemFlags, WordListItemBorder);
    // At 50 x 19 pixels GTK has no room to draw the arrow buttons: the control takes the size GTK needs.
    m_numCards = new wxSpinCtrl(this, ID_NumCards, "", wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, MinBingoCards, MaxBingoCards, 1,
                                "wxSpinCtrl");
    m_topRow->Add(m_numCards, 0, WordListItemFlags, WordListItemBorder);
    m_freeSpace = new wxCheckBox(this, ID_FreeSpace, "Use free space", wxDefaultPosition, wxDefaultSize, 0,
                                 wxDefaultValidator, "check");
    m_freeSpace->SetValue(true);
    m_topRow->Add(m_freeSpace, 0, WordListItemFlags, WordListItemBorder);

    m_grid = new MyOtherGrid(this, ID_WordGrid, wxPoint(16, 5), wxSize(319, 198), wxWANTS_CHARS, "panel");
    CreateWordGrid(m_grid, 1);
    m_mainSizer->Add(m_grid, 0, WordListItemFlags, WordListItemBorder);

    m_buttons = AddWordListButtons(this, m_mainSizer);

    FitWordListDialog(this, m_mainSizer);
    SetWordColumns(m_grid);
}

void BingoDlg::SetPuzzle(Puzzle* puzzle) { m_puzzle = puzzle; }

void BingoDlg::SetWordList(Dictionary& list) { ShowWordList(m_grid, list, false); }

void BingoDlg::SetNumCards(int numCards) { m_numCards->SetValue(numCards); }

void BingoDlg::SetFreeSpace(bool freeSpace) { m_freeSpace->SetValue(freeSpace); }

void BingoDlg::OnClose(wxCloseEvent&) { EndWordListDialog(this); }

void BingoDlg::OnCancel(wxCommandEvent&) { EndWordListDialog(this); }

void BingoDlg::OnGridRangeSelect(wxGridRangeSelectEvent& event) { ClearRangeSelection(event, m_grid); }

void BingoDlg::OnLoadWordList(wxCommandEvent&)
{
    RunCommand(this, [this] { LoadWordListFile(this, m_grid); });
}

void BingoDlg::OnSaveWordList(wxCommandEvent&)
{
    RunCommand(this, [this] { SaveWordListFile(this, m_grid); });
}

// Bingo cards have no title; their settings are stored even when an empty
// list leaves the cards on show as they are.
void BingoDlg::OnDone(wxCommandEvent&)
{
    RunCommand(this, [this] {
        const auto entries = PuzzleEntries(this, m_grid);
        if (!entries)
            return;
        FinishEntries({m_frame, m_puzzle, BingoPuzzle}, *entries, [&](Puzzle& puzzle, const Dictionary& list) {
            puzzle.freeSpace = m_freeSpace->GetValue();
            puzzle.numCards = m_numCards->GetValue();
            GenerateOrRender(puzzle, list, "", false);
        });
        EndWordListDialog(this);
    });
}
