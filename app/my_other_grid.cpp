#include "app/my_other_grid.h"

wxBEGIN_EVENT_TABLE(MyOtherGrid, wxGrid)
    EVT_GRID_CELL_CHANGED(MyOtherGrid::OnCellChange)
wxEND_EVENT_TABLE()

MyOtherGrid::MyOtherGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                         const wxString& name)
    : wxGrid(parent, id, pos, size, style, name)
{
}

void MyOtherGrid::OnCellChange(wxGridEvent&) { m_click.AfterCellChange(); }
