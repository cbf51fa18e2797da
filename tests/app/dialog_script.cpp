#include "dialog_script.h"

#include <fstream>
#include <sstream>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

DialogScript::DialogScript() : answerer_([this](wxDialog* dialog) { return Answer(dialog); }) {}

int DialogScript::Answer(wxDialog* dialog)
{
    if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
        messages.push_back(box->GetMessage());
        return wxID_OK;
    }
    if (auto* files = dynamic_cast<wxFileDialog*>(dialog)) {
        if (paths.empty())
            return wxID_CANCEL;
        files->SetPath(wxString::FromUTF8(paths.front()));
        paths.erase(paths.begin());
        // The chooser takes the path in once it has looked at the folder.
        PumpUntil([files] { return !files->GetPath().empty(); }, 2000);
        return wxID_OK;
    }
    if (onDialog)
        onDialog(dialog);
    return wxID_OK;
}

wxGrid* WordGrid(wxWindow* dialog) { return dynamic_cast<wxGrid*>(wxWindow::FindWindowByName("panel", dialog)); }

void TypeRow(wxWindow* dialog, int row, const wxString& word, const wxString& clue)
{
    wxGrid* grid = WordGrid(dialog);
    grid->SetCellValue(row, 0, word);
    if (grid->GetNumberCols() > 1)
        grid->SetCellValue(row, 1, clue);
}

void TypeTitle(wxWindow* dialog, const wxString& title)
{
    dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName("WxEdit1", dialog))->SetValue(title);
}

wxString TitleOf(wxWindow* dialog)
{
    return dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName("WxEdit1", dialog))->GetValue();
}

void Press(wxWindow* dialog, int id)
{
    wxWindow* button = dialog->FindWindow(id);
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
}

void Tick(wxWindow* dialog, int id, bool ticked)
{
    auto* box = dynamic_cast<wxCheckBox*>(dialog->FindWindow(id));
    box->SetValue(ticked);
    wxCommandEvent click(wxEVT_CHECKBOX, id);
    click.SetEventObject(box);
    click.SetInt(ticked);
    box->ProcessWindowEvent(click);
}

bool PageShows(Puzzle& puzzle, const std::string& text)
{
    return PumpUntil([&] { return RenderedText(puzzle).find(text) != std::string::npos; });
}

bool IsClosing(wxWindow* dialog) { return wxTheApp->IsScheduledForDestruction(dialog); }

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
