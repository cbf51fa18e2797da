#pragma once

class wxGrid;

// A word grid repeats the click that ended an edit, so that the cell clicked
// on takes it: left alone, that click goes to closing the editor. Only a press
// of the left button on the grid's cells counts; a cell confirmed by a key
// (Enter, Tab) keeps the keyboard's cursor move and clicks nothing, and no
// click lands outside the cells, where it could press a button of the dialog.
class CellChangeClick {
public:
    explicit CellChangeClick(wxGrid* grid);
    CellChangeClick(const CellChangeClick&) = delete;
    CellChangeClick& operator=(const CellChangeClick&) = delete;

    // Called for every changed cell.
    void AfterCellChange();

private:
    bool PointerOverCells() const;

    wxGrid* grid_;
    bool pressedOnCells_ = false;
};
