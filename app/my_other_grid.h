#pragma once

#include <wx/grid.h>

#include "app/cell_change_click.h"

// The word grid of the bingo dialog; it answers a changed cell as MyGrid does.
class MyOtherGrid : public wxGrid {
public:
    MyOtherGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                const wxString& name);

    void OnCellChange(wxGridEvent& event);

private:
    CellChangeClick m_click{this};

    wxDECLARE_EVENT_TABLE();
};
