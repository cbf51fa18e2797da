#include "app/cell_change_click.h"

#include <wx/grid.h>

#include "app/simulate_left_click.h"

CellChangeClick::CellChangeClick(wxGrid* grid) : grid_(grid)
{
    grid_->GetGridWindow()->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
        pressedOnCells_ = true;
        event.Skip();
    });
    // Keys typed into the cell editor reach the grid on their way up.
    grid_->Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        pressedOnCells_ = false;
        event.Skip();
    });
}

void CellChangeClick::AfterCellChange()
{
    if (pressedOnCells_ && PointerOverCells())
        SimulateLeftClick();
    pressedOnCells_ = false;
}

bool CellChangeClick::PointerOverCells() const
{
    const wxWindow* cells = grid_->GetGridWindow();
    return cells->GetScreenRect().Contains(wxGetMousePosition());
}
