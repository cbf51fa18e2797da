#include "app/one_line_text.h"

#include <algorithm>

#include <wx/textctrl.h>

namespace {

template <typename Text>
Text Blanked(Text text)
{
    std::replace_if(text.begin(), text.end(), [](auto c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    return text;
}

}  // namespace

wxString OnOneLine(wxString text) { return Blanked(std::move(text)); }

std::string OnOneLine(std::string text) { return Blanked(std::move(text)); }

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
