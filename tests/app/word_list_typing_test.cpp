// Words and clues typed into the three word list dialogs through the X
// server, keys and pointer as the teacher uses them: what is typed reaches the
// list and the word list file, however the typing ends.
#include <gtest/gtest.h>
#include <wx/weakref.h>

#include <functional>
#include <string>

#include "app/bingo_dlg.h"
#include "app/control_ids.h"
#include "app/document_bounds.h"
#include "app/frame.h"
#include "app/puzzle.h"
#include "app/word_list_dlg.h"
#include "app/word_search_dlg.h"
#include "dialog_script.h"
#include "engine/alphabet.h"
#include "pointer_user.h"
#include "support/temp_file.h"

namespace {

struct DialogKind {
    const char* name;
    std::function<wxDialog*()> make;
};

const DialogKind Kinds[] = {
    {"crossword", [] { return new WordListDlg(&TestFrame(), WordListDialogId, ""); }},
    {"word search with clues",
     [] {
         auto* dialog = new WordSearchDlg(&TestFrame(), WordListDialogId, "");
         dialog->puzzleType = WordSearchPuzzle;
         Tick(dialog, ID_UseClues, true);
         return dialog;
     }},
    {"bingo", [] { return new BingoDlg(&TestFrame(), WordListDialogId, ""); }},
};

class WordListTyping : public testing::Test, protected PointerUser {
protected:
    void SetUp() override
    {
        CloseAllTabs();
        ResetAlphabet();
    }
    void TearDown() override
    {
        if (dialog)
            dialog->Destroy();
        CloseAllTabs();
    }

    void Show(const DialogKind& kind)
    {
        if (dialog)
            dialog->Destroy();
        dialog = kind.make();
        dialog->Show();
        PumpUntil([this] { return dialog->IsShownOnScreen(); });
        Settle();
        grid = WordGrid(dialog);
    }
    bool HasClues() const { return grid->GetNumberCols() > 1; }

    wxPoint CellCentre(int row, int col) const
    {
        const wxRect cell = grid->CellToRect(row, col);
        return grid->GetGridWindow()->ClientToScreen(cell.GetPosition() + wxPoint(cell.width / 2, cell.height / 2));
    }
    void ClickButton(int id) { ClickAt(dialog->FindWindow(id)->GetScreenRect().GetPosition() + wxPoint(20, 10)); }

    // A TAB or line break among the letters is that key.
    void Keys(const std::string& keys)
    {
        std::string letters;
        const auto typeLetters = [&] {
            if (!letters.empty())
                Type(letters.c_str());
            letters.clear();
        };
        for (const char c : keys) {
            if (c == '\t' || c == '\n') {
                typeLetters();
                Key(c == '\t' ? WXK_TAB : WXK_RETURN);
            } else {
                letters += c;
            }
        }
        typeLetters();
    }

    wxWeakRef<wxDialog> dialog;  // gone once the dialog has destroyed itself
    wxGrid* grid = nullptr;
    DialogScript script;
    TempFolder folder;
};

}  // namespace

// "act" typed in row 2 without Return, then Save word list; a clue (for bingo
// a word) typed without Return, then Done.
TEST_F(WordListTyping, TextStillBeingTypedCountsForSaveAndDone)
{
    for (const DialogKind& kind : Kinds) {
        SCOPED_TRACE(kind.name);
        CloseAllTabs();
        Show(kind);
        const std::string list = folder.path() + "/" + kind.name + ".lst";
        ClickAt(CellCentre(0, 0));
        Keys("cat\nact");
        script.paths = {list};
        ClickButton(ID_SaveWordList);
        EXPECT_EQ(FileText(list), "cat\t\r\nact\t\r\n");

        // The grid goes with the dialog on Done.
        const bool clues = HasClues();
        ClickAt(clues ? CellCentre(1, 1) : CellCentre(2, 0));
        Keys("deed");
        ClickButton(ID_Done);
        ASSERT_TRUE(PumpUntil([this] { return !dialog; }, 2000));
        const Dictionary& made = TestFrame().CurrentPuzzle()->wordList;
        ASSERT_EQ(made.WordCount(), clues ? 2 : 3);
        EXPECT_EQ(made.WordText(1), "act");
        EXPECT_EQ(clues ? made.ClueFor("act") : made.WordText(2), "deed");
    }
    EXPECT_TRUE(script.messages.empty()) << script.messages.front();
}

// Ended by a command, an entry past its limit is told as after Return, once,
// and nothing is made.
TEST_F(WordListTyping, AnEntryPastItsLimitEndedByACommandIsToldAsAfterReturn)
{
    Show(Kinds[0]);
    const std::string tooLong(MaxWordChars + 1, 'q');
    // Each cell starts at the limit; the letter typed at its end takes it past.
    const auto typePastLimit = [&](int row) {
        grid->SetCellValue(row, 0, tooLong.substr(1));
        ClickAt(CellCentre(row, 0));
        Key(WXK_F2);
        Key(WXK_END);
        Keys("q");
    };
    typePastLimit(0);
    Key(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([this] { return !script.messages.empty(); }, 2000));
    const wxString afterReturn = script.messages[0];
    for (const int row : {1, 2}) {
        const int button = row == 1 ? ID_SaveWordList : ID_Done;
        SCOPED_TRACE(button);
        script.messages.clear();
        script.paths = {folder.path() + "/not-saved.lst"};
        typePastLimit(row);
        ClickButton(button);
        Settle(500);
        ASSERT_EQ(script.messages.size(), 1u);
        wxString expected = afterReturn;
        expected.Replace("Row 1:", wxString::Format("Row %d:", row + 1));
        EXPECT_EQ(script.messages[0].ToStdString(), expected.ToStdString());
        EXPECT_EQ(grid->GetCellValue(row, 0), tooLong);
    }
    EXPECT_TRUE(dialog);
    EXPECT_EQ(FileText(folder.path() + "/not-saved.lst"), "");
    EXPECT_EQ(TestFrame().m_notebook->GetPageCount(), 0u);
}

// Word, Tab, clue, Tab, word... fills the cells in order, in one column as in
// two; Shift+Tab goes back.
TEST_F(WordListTyping, TabGoesOnToTheNextRowAndShiftTabBack)
{
    const std::string filled[] = {"cat", "animal", "act", "deed", ""};
    for (const DialogKind& kind : Kinds) {
        SCOPED_TRACE(kind.name);
        Show(kind);
        ClickAt(CellCentre(0, 0));
        Keys("cat\tanimal\tact\tdeed\n");
        const int columns = grid->GetNumberCols();
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(grid->GetCellValue(i / columns, i % columns).ToStdString(), filled[i]) << i;

        ClickAt(CellCentre(1, 0));
        Key(WXK_TAB, wxMOD_SHIFT);
        EXPECT_EQ(grid->GetGridCursorRow(), 0);
        EXPECT_EQ(grid->GetGridCursorCol(), columns - 1);
    }
}
