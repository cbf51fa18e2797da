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
#include "app/settings_panel.h"
#include "dialog_script.h"
#include "support/required.h"

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

// Sends an update-UI event for each id through the frame's event table, as a menu would:
// each is handled and sets its check mark, on or off.
void ExpectMarks(const std::vector<int>& marked, const std::vector<int>& unmarked)
{
    for (const auto& [ids, checked] : {std::make_pair(marked, true), std::make_pair(unmarked, false)}) {
        for (int id : ids) {
            wxUpdateUIEvent event(id);
            event.SetEventObject(&TestFrame());
            EXPECT_TRUE(TestFrame().GetEventHandler()->ProcessEvent(event)) << id;
            EXPECT_TRUE(event.GetSetChecked() && event.GetChecked() == checked) << id;
        }
    }
}

SettingsPanel& Panel()
{
    auto* panel = dynamic_cast<SettingsPanel*>(TestFrame().m_mgr.GetPane("settings").window);
    return Required(panel, "the settings panel");
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

TEST_F(DockDemo, CheckMarksFollowTheFlagsTheGradientAndTheNotebookStyle)
{
    MyFrame& frame = TestFrame();
    ASSERT_EQ(frame.m_mgr.GetFlags(), 201u);
    ExpectMarks({6022, 6024, 6028, 6029}, {6025, 6026, 6027, 6030});
    frame.m_mgr.SetFlags(wxAUI_MGR_RECTANGLE_HINT | wxAUI_MGR_TRANSPARENT_DRAG);
    ExpectMarks({6026, 6030}, {6022, 6024, 6025, 6027, 6028, 6029});
    frame.m_mgr.SetFlags(wxAUI_MGR_VENETIAN_BLINDS_HINT);
    ExpectMarks({6025}, {6024, 6026, 6027});
    frame.m_mgr.SetFlags(0);
    ExpectMarks({6027}, {6022, 6024, 6025, 6026});

    // Read from the dock art at each event.
    const int gradients[] = {wxAUI_GRADIENT_NONE, wxAUI_GRADIENT_VERTICAL, wxAUI_GRADIENT_HORIZONTAL};
    for (int i = 0; i < 3; ++i) {
        Art().SetMetric(wxAUI_DOCKART_GRADIENT_TYPE, gradients[i]);
        ExpectMarks({6031 + i}, {6031 + (i + 1) % 3, 6031 + (i + 2) % 3});
    }

    ASSERT_EQ(frame.m_notebook_style, 0x200921);
    ExpectMarks({6035, 6038, 6039, 6043}, {6036, 6037, 6040, 6041, 6042, 6044});
    // The frame's own record counts, not the style of the notebook control.
    frame.m_notebook_style = wxAUI_NB_CLOSE_BUTTON | wxAUI_NB_CLOSE_ON_ALL_TABS | wxAUI_NB_TAB_EXTERNAL_MOVE |
                             wxAUI_NB_TAB_SPLIT | wxAUI_NB_WINDOWLIST_BUTTON | wxAUI_NB_TAB_FIXED_WIDTH;
    ExpectMarks({6035, 6036, 6037, 6040, 6041, 6042, 6044}, {6038, 6039, 6043});
    frame.m_notebook_style = wxAUI_NB_TOP;
    ExpectMarks({}, {6035});
}

TEST_F(DockDemo, PerspectiveCommandsRestoreTheSavedLayouts)
{
    MyFrame& frame = TestFrame();
    ASSERT_EQ(frame.m_perspectives.GetCount(), 2u);
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
    for (const char* name : dockedPanes)
        EXPECT_FALSE(frame.m_mgr.GetPane(name).window->IsShown()) << name;
    EXPECT_FALSE(frame.m_mgr.GetPane("settings").IsShown());
    EXPECT_TRUE(frame.m_mgr.GetPane("notebook_content").IsShown());
    EXPECT_TRUE(frame.m_mgr.GetPane("tb2").IsShown());
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

TEST_F(PaneClose, SidePanelClosesOnlyWhenTheAnswerIsYes)
{
    wxString message, caption;
    long style = 0;
    int answer = wxID_NO;
    DialogAnswerer answerer([&](wxDialog* dialog) {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        if (box) {
            message = box->GetMessage();
            caption = box->GetCaption();
            style = box->GetMessageDialogStyle();
        }
        return answer;
    });
    PressCloseButton("test10");
    EXPECT_EQ(answerer.shown, 1);
    EXPECT_EQ(message, "Are you sure you want to close/hide this pane?");
    EXPECT_EQ(caption, "wxAUI");
    EXPECT_EQ(style & (wxYES_NO | wxICON_QUESTION), wxYES_NO | wxICON_QUESTION);
    EXPECT_TRUE(TestFrame().m_mgr.GetPane("test10").IsShown());

    // Other panes close without a question.
    PressCloseButton("test9");
    EXPECT_EQ(answerer.shown, 1);
    EXPECT_FALSE(TestFrame().m_mgr.GetPane("test9").IsShown());

    answer = wxID_YES;
    PressCloseButton("test10");
    EXPECT_EQ(answerer.shown, 2);
    EXPECT_FALSE(TestFrame().m_mgr.GetPane("test10").IsShown());
}

TEST_F(DockDemo, TabsDroppedFromAnotherNotebookAreAccepted)
{
    wxAuiNotebookEvent drop(wxEVT_AUINOTEBOOK_ALLOW_DND, TestFrame().m_notebook->GetId());
    drop.SetEventObject(TestFrame().m_notebook);
    drop.Veto(); // as the notebook sends it: refused unless someone allows it
    TestFrame().GetEventHandler()->ProcessEvent(drop);
    EXPECT_TRUE(drop.IsAllowed());
}

// A spin control sets its metric, and the frame is laid out anew at once: a docked pane
// and the centre pane move.
TEST_F(DockDemo, ASpinControlSetsItsDockArtSize)
{
    MyFrame& frame = TestFrame();
    auto* spin = dynamic_cast<wxSpinCtrl*>(Panel().FindWindow(6001));
    ASSERT_NE(spin, nullptr);
    const int before = Art().GetMetric(wxAUI_DOCKART_SASH_SIZE);
    EXPECT_EQ(spin->GetValue(), before);
    frame.m_mgr.GetPane("test9").Show();
    frame.RefreshLayout();
    const auto Layout = [&] {
        return std::make_pair(frame.m_mgr.GetPane("test9").window->GetRect(), frame.m_notebook->GetRect());
    };
    const auto layoutBefore = Layout();

    wxSpinEvent spun(wxEVT_SPINCTRL, 6001);
    spun.SetPosition(before + 7);
    spun.SetEventObject(spin);
    spin->GetEventHandler()->ProcessEvent(spun);
    EXPECT_EQ(Art().GetMetric(wxAUI_DOCKART_SASH_SIZE), before + 7);
    EXPECT_NE(Layout(), layoutBefore);

    Art().SetMetric(wxAUI_DOCKART_SASH_SIZE, before);
    frame.m_mgr.GetPane("test9").Hide();
    frame.RefreshLayout();
}

TEST_F(DockDemo, PickedColourChangesTheDockArtAndEverySwatch)
{
    const wxColour picked(12, 150, 230);
    const wxColour border = Art().GetColour(wxAUI_DOCKART_BORDER_COLOUR);
    const wxColour active = Art().GetColour(wxAUI_DOCKART_ACTIVE_CAPTION_COLOUR);
    // Changed behind the panel's back: the swatch shows it only after the next pick.
    Art().SetColour(wxAUI_DOCKART_BORDER_COLOUR, wxColour(1, 2, 3));

    wxString title;
    int result = wxID_OK;
    DialogAnswerer answer([&](wxDialog* dialog) {
        title = dialog->GetTitle();
        ChooseColour(dialog, picked);
        return result;
    });
    Press(&Panel(), 6008);

    EXPECT_EQ(answer.shown, 1);
    EXPECT_EQ(title, "Color Picker");
    EXPECT_EQ(Art().GetColour(wxAUI_DOCKART_ACTIVE_CAPTION_COLOUR), picked);
    EXPECT_EQ(SwatchColour(6008), picked);
    EXPECT_EQ(SwatchColour(6011), wxColour(1, 2, 3));
    EXPECT_EQ(SwatchColour(6003), Art().GetColour(wxAUI_DOCKART_BACKGROUND_COLOUR));
    EXPECT_NE(Art().GetColour(wxAUI_DOCKART_ACTIVE_CAPTION_GRADIENT_COLOUR), picked);

    // A cancelled pick changes nothing.
    result = wxID_CANCEL;
    const wxColour gripper = Art().GetColour(wxAUI_DOCKART_GRIPPER_COLOUR);
    Press(&Panel(), 6012);
    EXPECT_EQ(answer.shown, 2);
    EXPECT_EQ(Art().GetColour(wxAUI_DOCKART_GRIPPER_COLOUR), gripper);
    EXPECT_EQ(SwatchColour(6012), gripper);

    Art().SetColour(wxAUI_DOCKART_BORDER_COLOUR, border);
    Art().SetColour(wxAUI_DOCKART_ACTIVE_CAPTION_COLOUR, active);
    Panel().RefreshColourButtons();
}
