#include "app/command_edge.h"

#include <exception>
#include <new>

#include <wx/msgdlg.h>

#include "app/text_encoding.h"
#include "engine/error.h"

void ShowInformation(wxWindow* parent, const wxString& message)
{
    wxMessageDialog box(parent, message, "Information", wxOK | wxICON_EXCLAMATION);
    box.ShowModal();
}

void RunCommand(wxWindow* parent, const std::function<void()>& command)
{
    try {
        command();
    } catch (const error& e) {
        ShowInformation(parent, FromWindows1252(e.message()));
    } catch (const std::bad_alloc&) {
        ShowInformation(parent, "There was not enough memory to finish the command.");
    } catch (const std::exception&) {
        ShowInformation(parent, "The command could not be finished because of an unexpected failure.");
    }
}
