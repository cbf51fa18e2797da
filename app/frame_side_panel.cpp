// The frame's side panel: docking it with the first tab, dropping it with the
// last, and its two commands on the current puzzle.
#include "app/frame.h"

#include "app/bingo_dlg.h"
#include "app/command_edge.h"
#include "app/control_ids.h"
#include "app/edit_crossword_panel.h"
#include "app/puzzle.h"
#include "app/word_list_dlg.h"
#include "app/word_search_dlg.h"

namespace {

template <typename Dialog>
Dialog* NewEditDialog(MyFrame* frame)
{
    auto* dialog = new Dialog(frame, WordListDialogId, "", wxDefaultPosition, wxDefaultSize, WordListDialogStyle);
    dialog->SetTitle("Edit word list");
    dialog->Show();
    return dialog;
}

// Words, clues and title of the puzzle, in the dialog of words and clues or in
// the word search one.
template <typename Dialog>
void EditTitledWordList(MyFrame* frame, Puzzle* puzzle)
{
    Dialog* dialog = NewEditDialog<Dialog>(frame);
    dialog->SetPuzzle(puzzle);
    Dictionary list = puzzle->GetWordList();
    dialog->SetWordList(list);
    dialog->SetPuzzleTitle(puzzle->GetTitle());
    dialog->ShowModal();
}

void EditBingoCards(MyFrame* frame, Puzzle* puzzle)
{
    BingoDlg* dialog = NewEditDialog<BingoDlg>(frame);
    dialog->SetPuzzle(puzzle);
    Dictionary list = puzzle->GetWordList();
    dialog->SetWordList(list);
    dialog->SetNumCards(puzzle->numCards);
    dialog->SetFreeSpace(puzzle->freeSpace);
    dialog->ShowModal();
}

}  // namespace

void MyFrame::ShowSidePanel()
{
    m_sidePanel = new EditCrosswordPanel(this, ID_SidePanel);
    m_mgr.AddPane(m_sidePanel,
                  wxAuiPaneInfo().Name("test10").Caption("").Bottom().Layer(1).Position(1).Floatable(false).CloseButton(
                      false));
    m_mgr.Update();
    ApplyShowSolutions();
}

void MyFrame::RemoveSidePanel()
{
    m_mgr.DetachPane(m_sidePanel);
    m_sidePanel->Close();
    m_mgr.Update();
    m_sidePanel = nullptr;
}

// While the first tab is being added there is no panel yet and nothing to do.
void MyFrame::ApplyShowSolutions()
{
    Puzzle* puzzle = CurrentPuzzle();
    if (!m_sidePanel || !puzzle)
        return;
    RunCommand(this, [&] { puzzle->SetShowSolution(m_sidePanel->ShowSolutions()); });
}

void MyFrame::OnShowSolutions(wxAuiNotebookEvent&) { ApplyShowSolutions(); }

void MyFrame::OnShowSolutions(wxCommandEvent&) { ApplyShowSolutions(); }

void MyFrame::OnEditWordList(wxCommandEvent&)
{
    Puzzle* puzzle = CurrentPuzzle();
    if (!puzzle)
        return;
    RunCommand(this, [&] {
        switch (puzzle->type) {
        case BingoPuzzle: EditBingoCards(this, puzzle); break;
        case WordSearchPuzzle: EditTitledWordList<WordSearchDlg>(this, puzzle); break;
        default: EditTitledWordList<WordListDlg>(this, puzzle); break;
        }
    });
}
