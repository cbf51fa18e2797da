// The word list dialogs typed into through the X server, pointer and keys,
// as the user does it.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/spinctrl.h>

#include <vector>

#include "app/bingo_dlg.h"
#include "app/control_ids.h"
#include "app/frame.h"
#include "app/word_list_dlg.h"
#include "dialog_script.h"
#include "pointer_user.h"

namespace {

constexpr int DoneButton = 1007, CancelButton = 1008;

// The buttons of the dialog only record that they were pressed, so that
// whatever presses them leaves the dialog and its grid to look at.
template <typename Dialog>
class DialogUnderTest : public testing::Test, protected PointerUser {
protected:
    void SetUp() override
    {
        dialog = new Dialog(&TestFrame(), WordListDialogId, "");
        dialog->Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) { pressed.push_back(event.GetId()); });
        dialog->Show();
        PumpUntil([this] { return dialog->IsShownOnScreen(); });
        Settle();
        grid = WordGrid(dialog);
    }
    void TearDown() override
    {
        dialog->Destroy();
        Settle(100);
    }

    wxPoint CellCentre(int row, int col) const
    {
        const wxRect cell = grid->CellToRect(row, col);
        return grid->GetGridWindow()->ClientToScreen(cell.GetPosition() + wxPoint(cell.width / 2, cell.height / 2));
    }
    wxPoint Centre(int id) const { return dialog->FindWindow(id)->GetScreenRect().GetPosition() + wxPoint(20, 10); }

    Dialog* dialog = nullptr;
    wxGrid* grid = nullptr;
    std::vector<int> pressed;
};

using WordGridTyping = DialogUnderTest<WordListDlg>;

TEST_F(WordGridTyping, EnterKeepsTheWordAndMovesDownWhateverButtonThePointerRestsOn)
{
    for (int button : {CancelButton, DoneButton}) {
        SCOPED_TRACE(button);
        ClickAt(CellCentre(0, 0));
        Type("apple");
        MoveTo(Centre(button));
        Key(WXK_RETURN);
        EXPECT_TRUE(pressed.empty());
        EXPECT_EQ(grid->GetCellValue(0, 0), "apple");
        EXPECT_EQ(grid->GetGridCursorRow(), 1);
        EXPECT_EQ(grid->GetGridCursorCol(), 0);
    }
}

TEST_F(WordGridTyping, TabTakesTheClueToItsWordWhileThePointerRestsOnAnotherWord)
{
    ClickAt(CellCentre(0, 0));
    Type("pear");
    MoveTo(CellCentre(3, 0));
    Key(WXK_TAB);
    Type("green");
    Key(WXK_RETURN);
    EXPECT_EQ(grid->GetCellValue(0, 0), "pear");
    EXPECT_EQ(grid->GetCellValue(0, 1), "green");
    EXPECT_EQ(grid->GetCellValue(3, 0), "");
}

TEST_F(WordGridTyping, AClickOnAnotherCellWhileEditingOpensThatCellForTyping)
{
    ClickAt(CellCentre(0, 0));
    Type("plum");
    ClickAt(CellCentre(2, 1));
    EXPECT_EQ(grid->GetGridCursorRow(), 2);
    EXPECT_EQ(grid->GetGridCursorCol(), 1);
    EXPECT_TRUE(grid->IsCellEditControlShown()) << "the click, repeated, opens the cell clicked on";
    Type("purple");
    Key(WXK_RETURN);
    EXPECT_EQ(grid->GetCellValue(0, 0), "plum");
    EXPECT_EQ(grid->GetCellValue(2, 1), "purple");
    EXPECT_TRUE(pressed.empty());
}

// Ctrl+V in a clue cell and in the title box, between typed letters: the
// lines and the TAB of the pasted text arrive as blanks, and typing goes on
// after the pasted text.
TEST_F(WordGridTyping, PastedLinesAndTabsArriveAsBlanks)
{
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject("first line of clue\nsecond line\tafter tab"));
    wxTheClipboard->Close();
    const std::string typed = "[first line of clue second line after tab!]";
    ClickAt(CellCentre(0, 1));
    Type("[]");
    Key(WXK_LEFT);
    Key('v', wxMOD_CONTROL);
    Type("!");
    Key(WXK_RETURN);
    EXPECT_EQ(grid->GetCellValue(0, 1).ToStdString(), typed);

    ClickAt(Centre(ID_TitleBox));
    Type("[]");
    Key(WXK_LEFT);
    Key('v', wxMOD_CONTROL);
    Type("!");
    EXPECT_EQ(TitleOf(dialog).ToStdString(), typed);
}

using BingoTyping = DialogUnderTest<BingoDlg>;

// The up arrow is the right end of the control.
TEST_F(BingoTyping, TheNumberOfCardsGoesUpByItsArrowButton)
{
    auto* cards = wxDynamicCast(dialog->FindWindow("wxSpinCtrl"), wxSpinCtrl);
    ASSERT_NE(cards, nullptr);
    const wxRect box = cards->GetScreenRect();
    ClickAt(wxPoint(box.GetRight() - 6, box.y + box.height / 2));
    EXPECT_EQ(cards->GetValue(), 2);
}

}  // namespace
