#include "app/frame.h"

#include <ostream>

#include <ext/stdio_filebuf.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>

#include "app/command_edge.h"
#include "app/document_file.h"
#include "app/document_reader.h"
#include "app/file_choice.h"
#include "app/letter_limit.h"
#include "app/puzzle.h"
#include "app/safe_write.h"
#include "engine/letter_need.h"

namespace {

// The trace of each Open, in the working folder.
constexpr char TraceName[] = "load.log";

// The trace only helps to find faults: opening goes on without it, and the
// teacher hears why it is missing, once a run, as it is likely missing again
// at every Open for the same reason.
bool traceFailureTold = false;

void TellTraceFailure(wxWindow* parent, const std::string& failure)
{
    if (traceFailureTold)
        return;
    traceFailureTold = true;
    ShowInformation(parent, "The trace of this opening could not be written to " + wxGetCwd() + "/" + TraceName +
                                ": " + failure +
                                ". The trace only helps to find faults, so opening went on without it.");
}

}  // namespace

void MyFrame::OnSave(wxCommandEvent&)
{
    Puzzle* puzzle = CurrentPuzzle();
    if (!puzzle) {
        ShowInformation(this, "No document available for saving. Please open a document first");
        return;
    }
    wxString path = ChooseFile(this, DocumentFiles, wxFD_SAVE);
    if (path.empty())
        return;
    RunCommand(this, [&] {
        bool damaged = false;
        std::string failure = WriteDocumentFile(std::string(path.fn_str()), puzzle->ToXml(), damaged);
        if (!failure.empty()) {
            ShowInformation(this, "The puzzle could not be saved to " + path + ": " + failure + "." +
                                      (damaged ? DamagedFileNote("The puzzle stays open") : ""));
            return;
        }
        SetPageCaption(puzzle, CaptionOf(path));
    });
}

void MyFrame::OnOpen(wxCommandEvent&)
{
    wxString path = ChooseFile(this, DocumentFiles, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    std::string traceFailure;
    __gnu_cxx::stdio_filebuf<char> traceFile(OpenRewritten(TraceName, traceFailure), std::ios::out);
    std::ostream trace(&traceFile);
    trace << "start" << std::endl;
    if (path.empty())
        return;
    bool opened = false;
    RunCommand(this, [&] {
        DocumentReader reader;
        if (!reader.LoadFile(std::string(path.fn_str()))) {
            ShowInformation(this, "The file " + path + " could not be opened: " + reader.Failure() + ".");
            return;
        }
        LetterNeed words, withGrids;
        reader.CountLetters(words, withGrids);
        WithinLetterLimit(LettersOfDocument(reader.Type(), words, withGrids), [&] {
            auto puzzle = std::make_unique<Puzzle>(reader.Type());
            reader.ReadInto(*puzzle, trace);
            trace << "going set title" << std::endl;
            reader.Show(*puzzle);
            trace << "going to add" << std::endl;
            AddPuzzlePage(std::move(puzzle), CaptionOf(path));
            opened = true;
        });
    });
    // A failed Open has said what went wrong; the trace is no matter then.
    if (opened && !trace)
        TellTraceFailure(this, traceFailure.empty() ? "it could not be written to its end" : traceFailure);
}
