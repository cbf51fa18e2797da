#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/spinctrl.h>

#include "app/bingo_dlg.h"
#include "app/edit_crossword_panel.h"
#include "app/frame.h"
#include "app/puzzle.h"
#include "app/word_list_dlg.h"
#include "app/word_search_dlg.h"
#include "dialog_script.h"

namespace {

constexpr int DoneButton = 1007, EditWordListButton = 1002, ShowSolutionsBox = 1006;

class SidePanel : public testing::Test {
protected:
    void SetUp() override { CloseAllTabs(); }
    void TearDown() override { PumpUntil([] { return false; }, 20); }

    Puzzle* AddPuzzle(PuzzleType type, const std::string& title = "Title")
    {
        Dictionary birds;
        birds.AddWord("heron", "wader");
        birds.AddWord("robin", "red breast");
        return AddGeneratedPuzzle(std::make_unique<Puzzle>(type), birds, title);
    }

    void TickShowSolutions(bool ticked) { Tick(frame.m_sidePanel, ShowSolutionsBox, ticked); }
    // "Edit word list" with the user's part played by `edit`.
    void EditWordList(const std::function<void(wxDialog*)>& edit)
    {
        script.onDialog = edit;
        Press(frame.m_sidePanel, EditWordListButton);
    }

    MyFrame& frame = TestFrame();
    DialogScript script;
};

}  // namespace

// Closed tabs take their puzzles with them; a new panel starts unticked.
TEST_F(SidePanel, ComesWithTheFirstTabAndGoesWithTheLast)
{
    EXPECT_EQ(frame.m_sidePanel, nullptr);
    AddPuzzle(FreeformPuzzle);
    ASSERT_NE(frame.m_sidePanel, nullptr);
    wxAuiPaneInfo& pane = frame.m_mgr.GetPane("test10");
    EXPECT_EQ(pane.window, frame.m_sidePanel);
    EXPECT_TRUE(pane.IsShown() && pane.IsMovable() && pane.dock_direction == wxAUI_DOCK_BOTTOM);
    EXPECT_FALSE(pane.IsFloatable() || pane.HasCloseButton());

    TickShowSolutions(true);
    AddPuzzle(WordSearchPuzzle);
    CloseTab(0);
    EXPECT_NE(frame.m_sidePanel, nullptr);
    CloseTab(0);
    EXPECT_EQ(frame.m_sidePanel, nullptr);
    EXPECT_FALSE(frame.m_mgr.GetPane("test10").IsOk());
    EXPECT_TRUE(frame.m_pages.empty());

    Puzzle* next = AddPuzzle(FreeformPuzzle);
    ASSERT_NE(frame.m_sidePanel, nullptr);
    EXPECT_FALSE(frame.m_sidePanel->ShowSolutions());
    EXPECT_FALSE(next->showSolution);
}

TEST_F(SidePanel, ShowSolutionsActsOnTheCurrentTabAndEveryTabThatComesForward)
{
    Puzzle* crossword = AddPuzzle(FreeformPuzzle);
    Puzzle* search = AddPuzzle(WordSearchPuzzle);

    TickShowSolutions(true);
    EXPECT_TRUE(search->showSolution);
    EXPECT_FALSE(crossword->showSolution);

    frame.m_notebook->SetSelection(0);
    EXPECT_TRUE(crossword->showSolution);
    TickShowSolutions(false);
    EXPECT_FALSE(crossword->showSolution);
    EXPECT_TRUE(search->showSolution);

    frame.m_notebook->SetSelection(1);
    EXPECT_FALSE(search->showSolution);
    TickShowSolutions(true);
    EXPECT_TRUE(AddPuzzle(ScramblePuzzle)->showSolution);
}

TEST_F(SidePanel, EditWordListOpensTheDialogOfThePuzzlesKindWithItsList)
{
    struct Case {
        PuzzleType type;
        bool wordsAndClues;  // the dialog of words and clues, not the word search one
    };
    for (const Case& c : {Case{FreeformPuzzle, true}, Case{ScramblePuzzle, true}, Case{WordSearchPuzzle, false}}) {
        SCOPED_TRACE(c.type);
        CloseAllTabs();
        AddPuzzle(c.type, "Birds");
        bool seen = false;
        EditWordList([&](wxDialog* dialog) {
            seen = true;
            EXPECT_EQ(dialog->GetTitle(), "Edit word list");
            EXPECT_EQ(dynamic_cast<WordListDlg*>(dialog) != nullptr, c.wordsAndClues);
            EXPECT_EQ(dynamic_cast<WordSearchDlg*>(dialog) != nullptr, !c.wordsAndClues);
            wxGrid* grid = WordGrid(dialog);
            EXPECT_EQ(grid->GetNumberCols(), c.wordsAndClues ? 2 : 1);
            EXPECT_EQ(grid->GetCellValue(1, 0), "robin");
            if (c.wordsAndClues) {
                EXPECT_EQ(grid->GetCellValue(1, 1), "red breast");
            }
            EXPECT_EQ(TitleOf(dialog), "Birds");
            Press(dialog, 1008);
        });
        EXPECT_TRUE(seen);
    }
}

TEST_F(SidePanel, EditingBingoCardsShowsTheirWordsAndSettings)
{
    Dictionary list;
    list.AddWord("kite", "");
    Puzzle* cards = AddGeneratedPuzzle(std::make_unique<Puzzle>(BingoPuzzle), list, "Title");
    cards->numCards = 7;
    cards->freeSpace = false;
    EditWordList([&](wxDialog* dialog) {
        ASSERT_NE(dynamic_cast<BingoDlg*>(dialog), nullptr);
        EXPECT_EQ(WordGrid(dialog)->GetCellValue(0, 0), "kite");
        EXPECT_EQ(dynamic_cast<wxSpinCtrl*>(wxWindow::FindWindowByName("wxSpinCtrl", dialog))->GetValue(), 7);
        EXPECT_FALSE(dynamic_cast<wxCheckBox*>(dialog->FindWindow(1011))->GetValue());
        dynamic_cast<wxSpinCtrl*>(wxWindow::FindWindowByName("wxSpinCtrl", dialog))->SetValue(2);
        Press(dialog, DoneButton);
    });
    EXPECT_EQ(frame.m_notebook->GetPageCount(), 1u);
    EXPECT_EQ(cards->numCards, 2);
    EXPECT_EQ(cards->wordList.WordText(0), "kite");
}

TEST_F(SidePanel, FinishingAnEditRebuildsThePuzzleInItsOwnTab)
{
    AddPuzzle(FreeformPuzzle);
    Puzzle* search = AddPuzzle(WordSearchPuzzle);
    EditWordList([&](wxDialog* dialog) {
        TypeRow(dialog, 2, "Wren");
        Press(dialog, DoneButton);
    });
    EXPECT_EQ(frame.m_notebook->GetPageCount(), 2u);
    EXPECT_EQ(frame.CurrentPuzzle(), search);
    ASSERT_EQ(search->wordList.WordCount(), 3);
    EXPECT_EQ(search->wordList.WordText(2), "wren");
    EXPECT_FALSE(search->wordList.HasClues());  // clues of a word search go unless asked for
}

TEST_F(SidePanel, AnEmptiedGridKeepsTheWordsAndTakesTheNewTitle)
{
    for (PuzzleType type : {FreeformPuzzle, WordSearchPuzzle}) {
        SCOPED_TRACE(type);
        CloseAllTabs();
        Puzzle* puzzle = AddPuzzle(type);
        const int width = puzzle->grid.width;
        EditWordList([&](wxDialog* dialog) {
            WordGrid(dialog)->ClearGrid();
            TypeTitle(dialog, "Still birds");
            Press(dialog, DoneButton);
        });
        EXPECT_EQ(puzzle->GetTitle(), "Still birds");
        EXPECT_EQ(puzzle->wordList.WordCount(), 2);
        EXPECT_EQ(puzzle->grid.width, width);
        EXPECT_TRUE(PageShows(*puzzle, "Still birds"));
    }
}

TEST_F(SidePanel, EditingSeventyWordsShowsAndKeepsTheFirstFifty)
{
    Dictionary list;
    for (int i = 0; i < 70; ++i)
        list.AddWord({char('a' + i / 26), char('a' + i % 26), 'z'}, "");
    Puzzle* scramble = AddGeneratedPuzzle(std::make_unique<Puzzle>(ScramblePuzzle), list, "Title");
    EditWordList([&](wxDialog* dialog) {
        EXPECT_EQ(WordGrid(dialog)->GetCellValue(49, 0), "bxz");
        Press(dialog, DoneButton);
    });
    ASSERT_EQ(scramble->wordList.WordCount(), 50);
    EXPECT_EQ(scramble->wordList.WordText(49), "bxz");
}
