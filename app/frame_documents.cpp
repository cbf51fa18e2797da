#include "app/frame.h"

#include <fstream>

#include <wx/filedlg.h>

#include "app/command_edge.h"
#include "app/document_file.h"
#include "app/document_reader.h"
#include "app/file_choice.h"
#include "app/letter_limit.h"
#include "app/puzzle.h"
#include "engine/letter_need.h"

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
        std::string failure = WriteDocumentFile(std::string(path.fn_str()), puzzle->ToXml());
        if (!failure.empty()) {
            ShowInformation(this, "The puzzle could not be saved to " + path + ": " + failure + ".");
            return;
        }
        SetPageCaption(puzzle, CaptionOf(path));
    });
}

void MyFrame::OnOpen(wxCommandEvent&)
{
    wxString path = ChooseFile(this, DocumentFiles, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    std::ofstream trace("load.log");
    trace << "start" << std::endl;
    if (path.empty())
        return;
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
        });
    });
}
