#include "app/one_line_text.h"

#include <wx/textctrl.h>

// A blank takes the place of each such character, so the insertion point stays.
void KeepOnOneLine(wxTextCtrl* box)
{
    box->Bind(wxEVT_TEXT, [box](wxCommandEvent& event) {
        event.Skip();
        const wxString text = box->GetValue();
        const wxString line = OnOneLine(text);
        if (line == text)
            return;
        const long at = box->GetInsertionPoint();
        box->ChangeValue(line);
        box->SetInsertionPoint(at);
    });
}
