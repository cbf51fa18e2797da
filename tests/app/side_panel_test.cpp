#include <memory>

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

    // A puzzle made as a dialog's Done makes it.
    Puzzle* AddPuzzle(PuzzleType type, const std::vector<std::pair<std::string, std::string>>& entries,
                      const std::string& title = "Title")
    {
        Dictionary list;
        for (const auto& [word, clue] : entries)
            list.AddWord(word, clue);
        auto puzzle = std::make_unique<Puzzle>(type);
        puzzle->Generate(list, title);
        Puzzle* added = puzzle.get();
        frame.AddPuzzlePage(puzzle.release(), "Unnamed file");
        return added;
    }

    void Select(size_t page) { frame.m_notebook->SetSelection(page); }
    void TickShowSolutions(bool ticked) { Tick(frame.m_sidePanel, ShowSolutionsBox, ticked); }
    void CloseTab(size_t page)
    {
        wxAuiNotebookEvent close(wxEVT_AUINOTEBOOK_PAGE_CLOSE, frame.m_notebook->GetId());
        close.SetSelection(int(page));
        close.SetEventObject(frame.m_notebook);
        frame.OnDocumentTabClose(close);
        frame.m_notebook->DeletePage(page);
    }
    // "Edit word list" with the user's part played by `edit`.
    void EditWordList(const std::function<void(wxDialog*)>& edit)
    {
        script.onDialog = edit;
        Press(frame.m_sidePanel, EditWordListButton);
    }

    MyFrame& frame = TestFrame();
    DialogScript script;
};

const std::vector<std::pair<std::string, std::string>> Birds = {{"heron", "wader"}, {"robin", "red breast"}};

}  // namespace

TEST_F(SidePanel, ComesWithTheFirstTabAndGoesWithTheLast)
{
    EXPECT_EQ(frame.m_sidePanel, nullptr);
    AddPuzzle(FreeformPuzzle, Birds);
    ASSERT_NE(frame.m_sidePanel, nullptr);
    wxAuiPaneInfo& pane = frame.m_mgr.GetPane("test10");
    ASSERT_TRUE(pane.IsOk());
    EXPECT_EQ(pane.window, frame.m_sidePanel);
    EXPECT_TRUE(pane.IsShown());
    EXPECT_EQ(pane.dock_direction, wxAUI_DOCK_BOTTOM);
    EXPECT_FALSE(pane.IsFloatable());
    EXPECT_FALSE(pane.HasCloseButton());
    EXPECT_TRUE(pane.IsMovable());

    TickShowSolutions(true);
    AddPuzzle(WordSearchPuzzle, Birds);
    CloseTab(0);
    EXPECT_NE(frame.m_sidePanel, nullptr);
    CloseTab(0);
    EXPECT_EQ(frame.m_sidePanel, nullptr);
    EXPECT_FALSE(frame.m_mgr.GetPane("test10").IsOk());

    Puzzle* next = AddPuzzle(FreeformPuzzle, Birds);
    ASSERT_NE(frame.m_sidePanel, nullptr);
    EXPECT_FALSE(frame.m_sidePanel->ShowSolutions());
    EXPECT_FALSE(next->showSolution);
}

TEST_F(SidePanel, ShowSolutionsActsOnTheCurrentTabAndEveryTabThatComesForward)
{
    Puzzle* crossword = AddPuzzle(FreeformPuzzle, Birds);
    Puzzle* search = AddPuzzle(WordSearchPuzzle, Birds);

    TickShowSolutions(true);
    EXPECT_TRUE(search->showSolution);
    EXPECT_FALSE(crossword->showSolution);

    Select(0);
    EXPECT_TRUE(crossword->showSolution);
    TickShowSolutions(false);
    EXPECT_FALSE(crossword->showSolution);
    EXPECT_TRUE(search->showSolution);

    Select(1);
    EXPECT_FALSE(search->showSolution);
}

TEST_F(SidePanel, APuzzleAddedWhileTheBoxIsTickedShowsItsSolution)
{
    AddPuzzle(FreeformPuzzle, Birds);
    TickShowSolutions(true);
    Puzzle* later = AddPuzzle(ScramblePuzzle, Birds);
    EXPECT_TRUE(later->showSolution);
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
        AddPuzzle(c.type, Birds, "Birds");
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
    Puzzle* cards = AddPuzzle(BingoPuzzle, {});
    cards->numCards = 7;
    cards->freeSpace = false;
    Dictionary list;
    list.AddWord("kite", "");
    cards->SetWordList(list);
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
    AddPuzzle(FreeformPuzzle, Birds);
    Puzzle* search = AddPuzzle(WordSearchPuzzle, Birds, "Birds");
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
        Puzzle* puzzle = AddPuzzle(type, Birds, "Birds");
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
    std::vector<std::pair<std::string, std::string>> words;
    for (char a = 'a'; a <= 'e'; ++a)
        for (char b = 'a'; b <= 'e'; ++b)
            for (char c = 'a'; c <= 'c'; ++c)
                words.push_back({std::string{a, b, c}, ""});
    words.resize(70);
    Puzzle* scramble = AddPuzzle(ScramblePuzzle, words);
    EditWordList([&](wxDialog* dialog) {
        EXPECT_EQ(WordGrid(dialog)->GetCellValue(49, 0), words[49].first);
        Press(dialog, DoneButton);
    });
    ASSERT_EQ(scramble->wordList.WordCount(), 50);
    EXPECT_EQ(scramble->wordList.WordText(49), words[49].first);
}
