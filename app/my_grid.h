#pragma once

#include <wx/grid.h>

// The word grid of the word list and word search dialogs.
class MyGrid : public wxGrid {
public:
    MyGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
           const wxString& name);

    // A changed cell is followed by a click where the pointer stands.
    void OnCellChange(wxGridEvent& event);

private:
    wxDECLARE_EVENT_TABLE();
};
