#include "app/word_list_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "app/command_edge.h"
#include "app/control_ids.h"
#include "app/my_grid.h"
#include "app/puzzle.h"
#include "app/word_grid.h"
#include "app/word_list_done.h"
#include "app/word_list_file.h"

wxBEGIN_EVENT_TABLE(WordListDlg, wxDialog)
    EVT_CLOSE(WordListDlg::OnClose)
    EVT_GRID_RANGE_SELECT(WordListDlg::OnGridRangeSelect)
    EVT_BUTTON(ID_Done, WordListDlg::OnDone)
    EVT_BUTTON(ID_SaveWordList, WordListDlg::OnSaveWordList)
    EVT_BUTTON(ID_LoadWordList, WordListDlg::OnLoadWordList)
    EVT_BUTTON(ID_CancelWordList, WordListDlg::OnCancel)
wxEND_EVENT_TABLE()

WordListDlg::WordListDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                         const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style, "dialog"), m_frame(dynamic_cast<MyFrame*>(parent))
{
    CreateGUIControls();
}

void WordListDlg::CreateGUIControls()
{
    m_mainSizer = StartWordListLayout(this);

    m_title = AddTitleRow(this, m_mainSizer);

    m_grid = new MyGrid(this, ID_WordGrid, wxPoint(16, 5), wxSize(319, 198), wxWANTS_CHARS, "panel");
    CreateWordGrid(m_grid, 2);
    m_mainSizer->Add(m_grid, 0, WordListItemFlags, WordListItemBorder);

    m_buttons = AddWordListButtons(this, m_mainSizer);

    FitWordListDialog(this, m_mainSizer);
    SetWordColumns(m_grid);
}

void WordListDlg::SetPuzzle(Puzzle* puzzle) { m_puzzle = puzzle; }

void WordListDlg::SetWordList(Dictionary& list) { ShowWordList(m_grid, list, true); }

void WordListDlg::SetPuzzleTitle(const std::string& title) { ShowPuzzleTitle(m_title.box, title); }

void WordListDlg::OnClose(wxCloseEvent&) { EndWordListDialog(this); }

void WordListDlg::OnCancel(wxCommandEvent&) { EndWordListDialog(this); }

void WordListDlg::OnGridRangeSelect(wxGridRangeSelectEvent& event) { ClearRangeSelection(event, m_grid); }

void WordListDlg::OnLoadWordList(wxCommandEvent&)
{
    RunCommand(this, [this] { LoadWordListFile(this, m_grid); });
}

void WordListDlg::OnSaveWordList(wxCommandEvent&)
{
    RunCommand(this, [this] { SaveWordListFile(this, m_grid); });
}

void WordListDlg::OnDone(wxCommandEvent&)
{
    FinishTitledWordList({this, m_grid, m_title.box}, {m_frame, m_puzzle, puzzleType}, false);
}
