// The main frame's docking handlers and its settings panel, on the frame the program builds.
#include <ostream>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <wx/aui/aui.h>
#include <wx/bmpbuttn.h>
#include <wx/colordlg.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/spinctrl.h>

#include "app/frame.h"
#include "app/gui_test_main.h"
#include "app/settings_panel.h"

// Readable colours in failure messages.
void PrintTo(const wxColour& colour, std::ostream* out)
{
    *out << colour.GetAsString(wxC2S_CSS_SYNTAX);
}

namespace {

wxAuiDockArt& Art()
{
    return *TestFrame().GetArtProvider();
}

struct Mark {
    bool handled;
    bool set;
    bool checked;
};

// Sends an update-UI event for id through the frame's event table, as a menu would.
Mark UpdateItem(int id)
{
    wxUpdateUIEvent event(id);
    event.SetEventObject(&TestFrame());
    const bool handled = TestFrame().GetEventHandler()->ProcessEvent(event);
    return {handled, event.GetSetChecked(), event.GetChecked()};
}

void ExpectMarks(const std::vector<int>& marked, const std::vector<int>& unmarked)
{
    for (int id : marked) {
        const Mark mark = UpdateItem(id);
        EXPECT_TRUE(mark.handled && mark.set && mark.checked) << id;
    }
    for (int id : unmarked) {
        const Mark mark = UpdateItem(id);
        EXPECT_TRUE(mark.handled && mark.set && !mark.checked) << id;
    }
}

SettingsPanel& Panel()
{
    auto* panel = dynamic_cast<SettingsPanel*>(TestFrame().m_mgr.GetPane("settings").window);
    EXPECT_NE(panel, nullptr);
    return *panel;
}

// The colour in the middle of a colour button's swatch.
wxColour SwatchColour(int buttonId)
{
    auto* button = dynamic_cast<wxBitmapButton*>(Panel().FindWindow(buttonId));
    if (!button)
        return wxNullColour;
    const wxImage swatch = button->GetBitmapLabel().ConvertToImage();
    return wxColour(swatch.GetRed(12, 7), swatch.GetGreen(12, 7), swatch.GetBlue(12, 7));
}

// Picks a colour in the dialog as the user would. The GTK colour dialog reads the choice
// back from its colour chooser when it closes with OK, so the colour must reach the
// chooser, not only the dialog's colour data.
void ChooseColour(wxDialog* dialog, const wxColour& colour)
{
    struct ChooserAccess : wxColourDialog {
        static auto ShowData() { return &ChooserAccess::ColourDataToDialog; }
    };
    auto& chooser = dynamic_cast<wxColourDialog&>(*dialog);
    chooser.GetColourData().SetColour(colour);
    (chooser.*ChooserAccess::ShowData())();
}

void ClickButton(int id)
{
    wxWindow* button = Panel().FindWindow(id);
    ASSERT_NE(button, nullptr);
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

// Restores whatever a test changed on the frame's shared pane manager.
class DockDemo : public testing::Test {
protected:
    void SetUp() override
    {
        flags = TestFrame().m_mgr.GetFlags();
        notebookStyle = TestFrame().m_notebook_style;
        gradient = Art().GetMetric(wxAUI_DOCKART_GRADIENT_TYPE);
    }

    void TearDown() override
    {
        TestFrame().m_mgr.SetFlags(flags);
        TestFrame().m_notebook_style = notebookStyle;
        Art().SetMetric(wxAUI_DOCKART_GRADIENT_TYPE, gradient);
    }

    unsigned flags = 0;
    long notebookStyle = 0;
    int gradient = 0;
};

} // namespace

TEST_F(DockDemo, ManagerFlagsMarkTheirItems)
{
    ASSERT_EQ(TestFrame().m_mgr.GetFlags(), 201u);
    ExpectMarks({6022, 6024, 6028, 6029}, {6025, 6026, 6027, 6030});

    TestFrame().m_mgr.SetFlags(wxAUI_MGR_RECTANGLE_HINT | wxAUI_MGR_TRANSPARENT_DRAG);
    ExpectMarks({6026, 6030}, {6022, 6024, 6025, 6027, 6028, 6029});

    TestFrame().m_mgr.SetFlags(wxAUI_MGR_VENETIAN_BLINDS_HINT);
    ExpectMarks({6025}, {6024, 6026, 6027});

    TestFrame().m_mgr.SetFlags(0);
    ExpectMarks({6027}, {6022, 6024, 6025, 6026});
}

TEST_F(DockDemo, GradientMarkFollowsTheDockArtAtEachEvent)
{
    Art().SetMetric(wxAUI_DOCKART_GRADIENT_TYPE, wxAUI_GRADIENT_HORIZONTAL);
    ExpectMarks({6033}, {6031, 6032});
    Art().SetMetric(wxAUI_DOCKART_GRADIENT_TYPE, wxAUI_GRADIENT_NONE);
    ExpectMarks({6031}, {6032, 6033});
    Art().SetMetric(wxAUI_DOCKART_GRADIENT_TYPE, wxAUI_GRADIENT_VERTICAL);
    ExpectMarks({6032}, {6031, 6033});
}

TEST_F(DockDemo, NotebookStyleMarksTheItemsOfItsBits)
{
    ASSERT_EQ(TestFrame().m_notebook_style, 0x200921);
    ExpectMarks({6035, 6038, 6039, 6043}, {6036, 6037, 6040, 6041, 6042, 6044});

    // The frame's own record counts, not the style of the notebook control.
    TestFrame().m_notebook_style = wxAUI_NB_CLOSE_BUTTON | wxAUI_NB_CLOSE_ON_ALL_TABS | wxAUI_NB_TAB_EXTERNAL_MOVE |
                                   wxAUI_NB_TAB_SPLIT | wxAUI_NB_WINDOWLIST_BUTTON | wxAUI_NB_TAB_FIXED_WIDTH;
    ExpectMarks({6035, 6036, 6037, 6040, 6041, 6042, 6044}, {6038, 6039, 6043});

    TestFrame().m_notebook_style = wxAUI_NB_TOP;
    ExpectMarks({}, {6035});
}

TEST_F(DockDemo, ItemsWithoutAnEntryReachNoHandler)
{
    for (int id : {6023, 6034}) {
        const Mark mark = UpdateItem(id);
        EXPECT_FALSE(mark.handled) << id;
        EXPECT_FALSE(mark.set) << id;
    }
}

TEST_F(DockDemo, PerspectiveCommandsRestoreTheSavedLayouts)
{
    MyFrame& frame = TestFrame();
    ASSERT_EQ(frame.m_perspectives.GetCount(), 2u);
    const char* extraPanes[] = {"test9", "test11", "settings"};
    const char* dockedPanes[] = {"test9", "test11"};

    RunMenuCommand(7021);
    for (const char* name : dockedPanes) {
        EXPECT_TRUE(frame.m_mgr.GetPane(name).IsShown()) << name;
        EXPECT_TRUE(frame.m_mgr.GetPane(name).window->IsShown()) << name;
    }

    // Past the end of the list: nothing to restore, and nothing else happens.
    RunMenuCommand(7022);
    RunMenuCommand(8020);
    for (const char* name : dockedPanes)
        EXPECT_TRUE(frame.m_mgr.GetPane(name).IsShown()) << name;

    RunMenuCommand(7020);
    for (const char* name : extraPanes)
        EXPECT_FALSE(frame.m_mgr.GetPane(name).IsShown()) << name;
    for (const char* name : dockedPanes)
        EXPECT_FALSE(frame.m_mgr.GetPane(name).window->IsShown()) << name;
    EXPECT_TRUE(frame.m_mgr.GetPane("notebook_content").IsShown());
    EXPECT_TRUE(frame.m_mgr.GetPane("tb2").IsShown());

    RunMenuCommand(7021);
    RunMenuCommand(7022);
    RunMenuCommand(7020);
    EXPECT_FALSE(frame.m_mgr.GetPane("test9").IsShown());
}

// The pane manager's own road for a pane's close button: it asks the frame, then closes
// the pane unless the frame vetoed.
class PaneClose : public DockDemo {
protected:
    void SetUp() override
    {
        DockDemo::SetUp();
        sidePane = new wxPanel(&TestFrame());
        TestFrame().m_mgr.AddPane(sidePane, wxAuiPaneInfo().Name("test10").Bottom());
        TestFrame().m_mgr.GetPane("test9").Show();
        TestFrame().m_mgr.Update();
    }

    void TearDown() override
    {
        TestFrame().m_mgr.DetachPane(sidePane);
        sidePane->Destroy();
        TestFrame().m_mgr.GetPane("test9").Hide();
        TestFrame().m_mgr.Update();
        DockDemo::TearDown();
    }

    static void PressCloseButton(const char* paneName)
    {
        wxAuiManagerEvent press(wxEVT_AUI_PANE_BUTTON);
        press.SetManager(&TestFrame().m_mgr);
        press.SetPane(&TestFrame().m_mgr.GetPane(paneName));
        press.SetButton(wxAUI_BUTTON_CLOSE);
        TestFrame().m_mgr.ProcessEvent(press);
    }

    wxPanel* sidePane = nullptr;
};

TEST_F(PaneClose, SidePanelStaysWhenTheAnswerIsNo)
{
    wxString message, caption;
    long style = 0;
    DialogAnswerer answer([&](wxDialog* dialog) {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        if (box) {
            message = box->GetMessage();
            caption = box->GetCaption();
            style = box->GetMessageDialogStyle();
        }
        return wxID_NO;
    });
    PressCloseButton("test10");

    EXPECT_EQ(answer.shown, 1);
    EXPECT_EQ(message, "Are you sure you want to close/hide this pane?");
    EXPECT_EQ(caption, "wxAUI");
    EXPECT_EQ(style & (wxYES_NO | wxICON_QUESTION), wxYES_NO | wxICON_QUESTION);
    EXPECT_TRUE(TestFrame().m_mgr.GetPane("test10").IsShown());
}

TEST_F(PaneClose, SidePanelClosesWhenTheAnswerIsYes)
{
    DialogAnswerer answer([](wxDialog*) { return wxID_YES; });
    PressCloseButton("test10");
    EXPECT_EQ(answer.shown, 1);
    EXPECT_FALSE(TestFrame().m_mgr.GetPane("test10").IsShown());
}

TEST_F(PaneClose, OtherPanesCloseWithoutAQuestion)
{
    DialogAnswerer answer([](wxDialog*) { return wxID_NO; });
    PressCloseButton("test9");
    EXPECT_EQ(answer.shown, 0);
    EXPECT_FALSE(TestFrame().m_mgr.GetPane("test9").IsShown());
    EXPECT_TRUE(TestFrame().m_mgr.GetPane("test10").IsShown());
}

TEST_F(DockDemo, TabsDroppedFromAnotherNotebookAreAccepted)
{
    wxAuiNotebookEvent drop(wxEVT_AUINOTEBOOK_ALLOW_DND, TestFrame().m_notebook->GetId());
    drop.SetEventObject(TestFrame().m_notebook);
    drop.Veto(); // as the notebook sends it: refused unless someone allows it
    TestFrame().GetEventHandler()->ProcessEvent(drop);
    EXPECT_TRUE(drop.IsAllowed());
}

// Where the pane manager has put a docked pane with a caption and the centre pane.
std::pair<wxRect, wxRect> Layout()
{
    MyFrame& frame = TestFrame();
    return {frame.m_mgr.GetPane("test9").window->GetRect(), frame.m_notebook->GetRect()};
}

// Each spin control sets its own metric, and the frame is laid out anew at once.
TEST_F(DockDemo, SpinControlsSetTheirDockArtSizes)
{
    const std::pair<int, int> spins[] = {{6000, wxAUI_DOCKART_PANE_BORDER_SIZE},
                                         {6001, wxAUI_DOCKART_SASH_SIZE},
                                         {6002, wxAUI_DOCKART_CAPTION_SIZE}};
    for (const auto& [id, metric] : spins) {
        auto* spin = dynamic_cast<wxSpinCtrl*>(Panel().FindWindow(id));
        ASSERT_NE(spin, nullptr) << id;
        EXPECT_EQ(spin->GetValue(), Art().GetMetric(metric)) << id;
    }
    TestFrame().m_mgr.GetPane("test9").Show();
    TestFrame().RefreshLayout();

    for (const auto& [id, metric] : spins) {
        const int before = Art().GetMetric(metric);
        const auto layoutBefore = Layout();
        wxSpinEvent spun(wxEVT_SPINCTRL, id);
        spun.SetPosition(before + 7);
        spun.SetEventObject(Panel().FindWindow(id));
        Panel().FindWindow(id)->GetEventHandler()->ProcessEvent(spun);
        EXPECT_EQ(Art().GetMetric(metric), before + 7) << id;
        EXPECT_NE(Layout(), layoutBefore) << id;
        Art().SetMetric(metric, before);
    }
    TestFrame().m_mgr.GetPane("test9").Hide();
    TestFrame().RefreshLayout();
}

TEST_F(DockDemo, PickedColourChangesTheDockArtAndEverySwatch)
{
    const wxColour picked(12, 150, 230);
    const wxColour border = Art().GetColour(wxAUI_DOCKART_BORDER_COLOUR);
    const wxColour active = Art().GetColour(wxAUI_DOCKART_ACTIVE_CAPTION_COLOUR);
    // Changed behind the panel's back: the swatch shows it only after the next pick.
    Art().SetColour(wxAUI_DOCKART_BORDER_COLOUR, wxColour(1, 2, 3));

    wxString title;
    DialogAnswerer answer([&](wxDialog* dialog) {
        auto* chooser = dynamic_cast<wxColourDialog*>(dialog);
        if (!chooser)
            return wxID_CANCEL;
        title = chooser->GetTitle();
        ChooseColour(chooser, picked);
        return wxID_OK;
    });
    ClickButton(6008);

    EXPECT_EQ(answer.shown, 1);
    EXPECT_EQ(title, "Color Picker");
    EXPECT_EQ(Art().GetColour(wxAUI_DOCKART_ACTIVE_CAPTION_COLOUR), picked);
    EXPECT_EQ(SwatchColour(6008), picked);
    EXPECT_EQ(SwatchColour(6011), wxColour(1, 2, 3));
    EXPECT_EQ(SwatchColour(6003), Art().GetColour(wxAUI_DOCKART_BACKGROUND_COLOUR));
    EXPECT_NE(Art().GetColour(wxAUI_DOCKART_ACTIVE_CAPTION_GRADIENT_COLOUR), picked);

    Art().SetColour(wxAUI_DOCKART_BORDER_COLOUR, border);
    Art().SetColour(wxAUI_DOCKART_ACTIVE_CAPTION_COLOUR, active);
    Panel().RefreshColourButtons();
}

TEST_F(DockDemo, EachButtonPicksItsOwnColour)
{
    const std::pair<int, int> buttons[] = {
        {6003, wxAUI_DOCKART_BACKGROUND_COLOUR},
        {6004, wxAUI_DOCKART_SASH_COLOUR},
        {6005, wxAUI_DOCKART_INACTIVE_CAPTION_COLOUR},
        {6006, wxAUI_DOCKART_INACTIVE_CAPTION_GRADIENT_COLOUR},
        {6007, wxAUI_DOCKART_INACTIVE_CAPTION_TEXT_COLOUR},
        {6008, wxAUI_DOCKART_ACTIVE_CAPTION_COLOUR},
        {6009, wxAUI_DOCKART_ACTIVE_CAPTION_GRADIENT_COLOUR},
        {6010, wxAUI_DOCKART_ACTIVE_CAPTION_TEXT_COLOUR},
        {6011, wxAUI_DOCKART_BORDER_COLOUR},
        {6012, wxAUI_DOCKART_GRIPPER_COLOUR},
    };
    const wxColour picked(77, 33, 99);
    DialogAnswerer answer([&](wxDialog* dialog) {
        ChooseColour(dialog, picked);
        return wxID_OK;
    });
    for (const auto& [id, colour] : buttons) {
        const wxColour before = Art().GetColour(colour);
        ClickButton(id);
        EXPECT_EQ(Art().GetColour(colour), picked) << id;
        EXPECT_EQ(SwatchColour(id), picked) << id;
        Art().SetColour(colour, before);
    }
    EXPECT_EQ(answer.shown, 10);
    Panel().RefreshColourButtons();
}

TEST_F(DockDemo, CancelledColourDialogChangesNothing)
{
    const wxColour gripper = Art().GetColour(wxAUI_DOCKART_GRIPPER_COLOUR);
    DialogAnswerer answer([](wxDialog* dialog) {
        ChooseColour(dialog, wxColour(9, 9, 9));
        return wxID_CANCEL;
    });
    ClickButton(6012);
    EXPECT_EQ(answer.shown, 1);
    EXPECT_EQ(Art().GetColour(wxAUI_DOCKART_GRIPPER_COLOUR), gripper);
    EXPECT_EQ(SwatchColour(6012), gripper);
}

// Two columns: sizes and normal captions on the left, the other colours on the right,
// with one empty cell left of "Border Color:".
TEST_F(DockDemo, SettingsSitInTheirGridCells)
{
    const std::pair<int, int> rows[] = {{6000, 6003}, {6001, 6004}, {6002, 6012}, {0, 6011},
                                        {6005, 6008}, {6006, 6009}, {6007, 6010}};
    Panel().Layout();
    int previousTop = -1;
    for (const auto& [left, right] : rows) {
        const wxRect rightCell = Panel().FindWindow(right)->GetRect();
        EXPECT_GT(rightCell.y, previousTop) << right;
        previousTop = rightCell.y;
        if (left == 0)
            continue;
        const wxRect leftCell = Panel().FindWindow(left)->GetRect();
        EXPECT_EQ(leftCell.y, rightCell.y) << left;
        EXPECT_LT(leftCell.GetRight(), rightCell.x) << left;
    }
}
