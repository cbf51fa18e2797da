#pragma once

#include <wx/grid.h>

#include "app/cell_change_click.h"

// The word grid of the word list and word search dialogs.
class MyGrid : public wxGrid {
public:
    MyGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
           const wxString& name);

    // A cell changed by a click on another cell gets that click again.
    void OnCellChange(wxGridEvent& event);

private:
    CellChangeClick m_click{this};

    wxDECLARE_EVENT_TABLE();
};
