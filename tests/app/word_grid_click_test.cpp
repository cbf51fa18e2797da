#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/uiaction.h>

#include "app/my_grid.h"
#include "app/my_other_grid.h"
#include "app/gui_test_main.h"

namespace {

// A window with one button under the pointer, counting its clicks.
class ButtonUnderPointer {
public:
    ButtonUnderPointer() : frame_(new wxFrame(nullptr, wxID_ANY, "target", wxPoint(700, 100), wxSize(200, 120)))
    {
        button_ = new wxButton(frame_, wxID_ANY, "target", wxPoint(0, 0), wxSize(200, 120));
        button_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ++clicks; });
        frame_->Show();
        PumpUntil([this] { return button_->IsShownOnScreen(); });
        PumpUntil([] { return false; }, 300);
        wxUIActionSimulator().MouseMove(button_->GetScreenRect().GetPosition() + wxPoint(100, 60));
        PumpUntil([] { return false; }, 200);
    }
    ~ButtonUnderPointer() { frame_->Destroy(); }

    int clicks = 0;

private:
    wxFrame* frame_;
    wxButton* button_;
};

template <typename Grid>
void ChangeACell(Grid* grid)
{
    wxGridEvent changed(grid->GetId(), wxEVT_GRID_CELL_CHANGED, grid, 0, 0);
    grid->ProcessWindowEvent(changed);
}

}  // namespace

TEST(WordGridClick, AChangedCellIsFollowedByAClickWhereThePointerStands)
{
    ButtonUnderPointer target;
    auto* unseen = new wxFrame(nullptr, wxID_ANY, "grids");
    auto* grid = new MyGrid(unseen, 1003, wxPoint(0, 0), wxSize(100, 100), wxWANTS_CHARS, "panel");
    auto* otherGrid = new MyOtherGrid(unseen, 1003, wxPoint(0, 0), wxSize(100, 100), wxWANTS_CHARS, "panel");
    grid->CreateGrid(2, 2);
    otherGrid->CreateGrid(2, 1);

    ChangeACell(grid);
    EXPECT_TRUE(PumpUntil([&] { return target.clicks == 1; }, 5000));
    ChangeACell(otherGrid);
    EXPECT_TRUE(PumpUntil([&] { return target.clicks == 2; }, 5000));
    unseen->Destroy();
}
