#include "app/file_choice.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

namespace {

wxString WithExtension(const wxString& path, const FileType& type)
{
    if (wxFileName(path).HasExt())
        return path;
    return path + "." + type.extension;
}

}  // namespace

wxString ChooseFile(wxWindow* parent, const FileType& type, long style)
{
    wxFileDialog dialog(parent, "Choose a file", "", "", type.wildcard, style, wxDefaultPosition, wxDefaultSize,
                        "filedlg");
    if (dialog.ShowModal() != wxID_OK)
        return wxString();
    // Windows' own dialogs add it, the GTK one does not; without it the file
    // would be missing from the Open dialog's list.
    return (style & wxFD_SAVE) ? WithExtension(dialog.GetPath(), type) : dialog.GetPath();
}

