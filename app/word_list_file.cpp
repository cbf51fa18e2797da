#include "app/word_list_file.h"

#include <fstream>
#include <sstream>

#include <wx/filedlg.h>
#include <wx/grid.h>

#include "app/safe_write.h"
#include "app/word_grid.h"

WordListReading ReadWordList(std::istream& in)
{
    WordListReading reading;
    std::string line;
    while (reading.entries.size() < MaxWordListEntries && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto tab = line.find('\t');
        if (tab != std::string::npos)
            reading.entries.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    reading.failed = in.bad();
    return reading;
}

void WriteWordList(std::ostream& out, const std::vector<WordListEntry>& entries)
{
    for (const WordListEntry& entry : entries) {
        if (!entry.word.empty())
            out << entry.word << '\t' << entry.clue << "\r\n";
    }
}

namespace {

// The chosen path, empty when the user cancels.
wxString ChooseWordListFile(wxWindow* parent, long style)
{
    wxFileDialog dialog(parent, "Choose a file", "", "", "Word List files (*.lst)|*.lst", style, wxDefaultPosition,
                        wxDefaultSize, "filedlg");
    if (dialog.ShowModal() != wxID_OK)
        return wxString();
    return dialog.GetPath();
}

}  // namespace

void LoadWordListFile(wxWindow* parent, wxGrid* grid)
{
    const wxString path = ChooseWordListFile(parent, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (path.empty())
        return;
    std::ifstream in(path.fn_str(), std::ios::binary);
    if (!in) {
        TellUser(parent, "The word list " + Quoted(path) + " could not be opened.");
        return;
    }
    const WordListReading reading = ReadWordList(in);
    ShowEntries(grid, reading.entries);
    if (reading.failed)
        TellUser(parent, "The word list " + Quoted(path) + " could not be read to its end.");
}

void SaveWordListFile(wxWindow* parent, wxGrid* grid)
{
    const auto entries = GridEntries(parent, grid);
    if (!entries)
        return;
    const wxString path = ChooseWordListFile(parent, wxFD_SAVE);
    if (path.empty())
        return;
    std::ostringstream text;
    WriteWordList(text, *entries);
    const std::string failure = WriteFileSafely(std::string(path.fn_str()), text.str());
    if (!failure.empty())
        TellUser(parent, "The word list could not be saved to " + Quoted(path) + ": " + failure + ".");
}
