#include "app/word_search_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>

#include "app/command_edge.h"
#include "app/control_ids.h"
#include "app/my_grid.h"
#include "app/puzzle.h"
#include "app/word_grid.h"
#include "app/word_list_done.h"
#include "app/word_list_file.h"

wxBEGIN_EVENT_TABLE(WordSearchDlg, wxDialog)
    EVT_CLOSE(WordSearchDlg::OnClose)
    EVT_GRID_RANGE_SELECT(WordSearchDlg::OnGridRangeSelect)
    EVT_BUTTON(ID_Done, WordSearchDlg::OnDone)
    EVT_BUTTON(ID_SaveWordList, WordSearchDlg::OnSaveWordList)
    EVT_BUTTON(ID_LoadWordList, WordSearchDlg::OnLoadWordList)
    EVT_BUTTON(ID_CancelWordList, WordSearchDlg::OnCancel)
    EVT_CHECKBOX(ID_UseClues, WordSearchDlg::OnUseClues)
wxEND_EVENT_TABLE()

WordSearchDlg::WordSearchDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                             const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style, "dialog"), m_frame(dynamic_cast<MyFrame*>(parent))
{
    CreateGUIControls();
}

void WordSearchDlg::CreateGUIControls()
{
    m_mainSizer = StartWordListLayout(this);

    m_title = AddTitleRow(this, m_mainSizer);
    m_useClues = new wxCheckBox(this, ID_UseClues, "Use clues", wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator,
                                "check");
    m_title.row->Add(m_useClues, 0, WordListItemFlags, WordListItemBorder);

    m_grid = new MyGrid(this, ID_WordGrid, wxPoint(16, 5), wxSize(319, 198), wxWANTS_CHARS, "panel");
    CreateWordGrid(m_grid, 1);
    SetWordColumns(m_grid);
    m_mainSizer->Add(m_grid, 0, WordListItemFlags, WordListItemBorder);

    m_buttons = AddWordListButtons(this, m_mainSizer);

    FitWordListDialog(this, m_mainSizer);
}

void WordSearchDlg::SetPuzzle(Puzzle* puzzle)
{
    m_puzzle = puzzle;
    puzzleType = puzzle->type;
    if (!puzzle->wordList.HasClues()) {
        m_useClues->SetValue(false);
        wxCommandEvent none;
        OnUseClues(none);
    }
}

void WordSearchDlg::SetWordList(Dictionary& list) { ShowWordList(m_grid, list, false); }

void WordSearchDlg::SetPuzzleTitle(const std::string& title) { ShowPuzzleTitle(m_title.box, title); }

// The dialog keeps its size; the clues in a dropped column are gone.
void WordSearchDlg::OnUseClues(wxCommandEvent&)
{
    StyleWordGrid(m_grid);
    if (m_useClues->GetValue()) {
        if (m_grid->GetNumberCols() == 1)
            m_grid->AppendCols(1);
    } else if (m_grid->GetNumberCols() == 2) {
        m_grid->DeleteCols(1, 1);
    }
    SetWordColumns(m_grid);
}

void WordSearchDlg::OnClose(wxCloseEvent&) { EndWordListDialog(this); }

void WordSearchDlg::OnCancel(wxCommandEvent&) { EndWordListDialog(this); }

void WordSearchDlg::OnGridRangeSelect(wxGridRangeSelectEvent& event) { ClearRangeSelection(event, m_grid); }

void WordSearchDlg::OnLoadWordList(wxCommandEvent&)
{
    RunCommand(this, [this] { LoadWordListFile(this, m_grid); });
}

void WordSearchDlg::OnSaveWordList(wxCommandEvent&)
{
    RunCommand(this, [this] { SaveWordListFile(this, m_grid); });
}

// A new word scramble is made even from an empty list.
void WordSearchDlg::OnDone(wxCommandEvent&)
{
    FinishTitledWordList({this, m_grid, m_title.box}, {m_frame, m_puzzle, puzzleType}, puzzleType == ScramblePuzzle);
}
