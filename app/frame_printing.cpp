#include "app/frame.h"

#include "app/command_edge.h"
#include "app/control_ids.h"
#include "app/print_dialog.h"
#include "app/puzzle.h"
#include "browser/IEHtmlWin.h"

void MyFrame::OnPrint(wxCommandEvent&)
{
    Puzzle* puzzle = CurrentPuzzle();
    if (!puzzle) {
        ShowInformation(this, "No document available for printing. Please open a document first");
        return;
    }
    RunCommand(this, [&] {
        PrintDialog dialog(this, PrintDialogId, "Untitled1", wxDefaultPosition, wxDefaultSize, PrintDialogStyle);
        if (dialog.ShowModal() != PrintAccepted)
            return;
        // The view prints on the default printer; without a chosen one it would
        // print wherever the system happens to, or nowhere without a word.
        if (dialog.SelectedPrinter().empty()) {
            ShowInformation(this, "Nothing was printed: no printer was chosen.");
            return;
        }
        for (int copy = 0; copy < dialog.Copies(); ++copy)
            puzzle->view->Print(" ", " ");
    });
}
