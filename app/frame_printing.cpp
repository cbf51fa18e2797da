#include "app/frame.h"

#include <wx/weakref.h>

#include "app/command_edge.h"
#include "app/control_ids.h"
#include "app/print_dialog.h"
#include "app/puzzle.h"
#include "browser/IEHtmlWin.h"
#include "platform/spooler/job_refusal.h"
#include "platform/webbrowser/page_printing.h"

namespace {

// With nothing to choose from, the user is told that there is no printer, and why
// when the print server says.
wxString NoPrinterMessage()
{
    const std::string trouble = spooler::PrinterListTrouble();
    return "Nothing was printed: " + (trouble.empty() ? "no printer could be found" : trouble) + ".";
}

// A print fails after the command has ended; its message goes to the frame while it lasts.
void ReportFailedPrints(MyFrame* frame)
{
    WhenPrintFails([frame = wxWeakRef<MyFrame>(frame)](const std::string& why) {
        if (frame)
            ShowInformation(frame, "Nothing was printed: " + wxString::FromUTF8(why));
    });
}

}  // namespace

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
            ShowInformation(this, dialog.HasPrinters() ? wxString("Nothing was printed: no printer was chosen.")
                                                       : NoPrinterMessage());
            return;
        }
        const std::string refusal = spooler::JobRefusal(dialog.SelectedPrinter());
        if (!refusal.empty()) {
            ShowInformation(this, "Nothing was printed: " + wxString::FromUTF8(refusal) + ".");
            return;
        }
        ReportFailedPrints(this);
        for (int copy = 0; copy < dialog.Copies(); ++copy)
            puzzle->view->Print(" ", " ");
    });
}
