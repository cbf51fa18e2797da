#include "app/my_grid.h"

wxBEGIN_EVENT_TABLE(MyGrid, wxGrid)
    EVT_GRID_CELL_CHANGED(MyGrid::OnCellChange)
wxEND_EVENT_TABLE()

MyGrid::MyGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
               const wxString& name)
    : wxGrid(parent, id, pos, size, style, name)
{
}

void MyGrid::OnCellChange(wxGridEvent&) { m_click.AfterCellChange(); }
