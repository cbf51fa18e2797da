// Long entries through the New commands' dialogs, Save and Open: whatever the
// dialogs make, the program opens again whole.
#include <gtest/gtest.h>

#include <wx/clipbrd.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "app/control_ids.h"
#include "app/document_bounds.h"
#include "app/frame.h"
#include "app/puzzle.h"
#include "dialog_script.h"
#include "engine/alphabet.h"
#include "support/temp_file.h"

namespace {

struct Kind {
    int command;
    PuzzleType type;
};
const Kind Kinds[] = {{ID_NewCrossword, FreeformPuzzle},
                      {ID_NewWordSearch, WordSearchPuzzle},
                      {ID_NewWordScramble, ScramblePuzzle},
                      {ID_NewBingo, BingoPuzzle}};

// Distinct words of eight letters a to h, the row's number in base 8.
wxString WordOfRow(int row, std::size_t length)
{
    std::string word(length, 'a');
    for (std::size_t at = 0; at < 3; ++at, row /= 8)
        word[length - 1 - at] = char('a' + row % 8);
    return word;
}

// A clue as teachers write them: words and sentences, with the characters a
// document must write as entity references among them.
wxString ClueOfRow(int row, std::size_t length)
{
    const std::string text = "Row " + std::to_string(row) + " says: fish & chips <b>are</b> \"tasty\", aren't they? ";
    std::string clue;
    while (clue.size() < length)
        clue += text;
    return clue.substr(0, length);
}

class LongEntries : public testing::Test {
protected:
    void SetUp() override { Restart(); }
    void TearDown() override { CloseAllTabs(); }

    // No puzzle holds letters any more: every case starts with the whole alphabet.
    void Restart()
    {
        CloseAllTabs();
        ResetAlphabet();
    }

    // Runs the New command; its dialog gets the entries and "Done".
    Puzzle* Make(const Kind& kind, const std::function<wxString(int)>& word, const std::function<wxString(int)>& clue,
                 const wxString& title, int cards)
    {
        script.onDialog = [&](wxDialog* dialog) {
            if (kind.type == WordSearchPuzzle || kind.type == ScramblePuzzle)
                Tick(dialog, ID_UseClues, true);
            for (int row = 0; row < MaxWordListEntries; ++row)
                TypeRow(dialog, row, word(row), clue(row));
            if (kind.type == BingoPuzzle)
                dynamic_cast<wxSpinCtrl*>(dialog->FindWindow("wxSpinCtrl"))->SetValue(cards);
            else
                TypeTitle(dialog, title);
            Press(dialog, ID_Done);
        };
        RunMenuCommand(kind.command);
        script.onDialog = nullptr;
        return frame.CurrentPuzzle();
    }

    void Save(const std::string& path)
    {
        script.paths.push_back(path);
        RunMenuCommand(ID_Save);
    }

    Puzzle* Open(const std::string& path)
    {
        const size_t before = frame.m_notebook->GetPageCount();
        script.paths.push_back(path);
        RunMenuCommand(ID_Open);
        return frame.m_notebook->GetPageCount() > before ? frame.CurrentPuzzle() : nullptr;
    }

    // Saved, opened and saved again: the same bytes, and the same entries.
    void ExpectSavedWhole(Puzzle& made, const std::string& name)
    {
        const std::string first = folder + "/" + name + ".qzl", second = folder + "/" + name + "-again.qzl";
        Save(first);
        Puzzle* opened = Open(first);
        ASSERT_NE(opened, nullptr) << (script.messages.empty() ? wxString() : script.messages.back());
        ASSERT_EQ(opened->wordList.WordCount(), made.wordList.WordCount());
        for (int i = 0; i < made.wordList.WordCount(); ++i) {
            const std::string word = made.wordList.WordText(i);
            ASSERT_EQ(opened->wordList.WordText(i), word);
            ASSERT_EQ(opened->wordList.ClueFor(word), made.wordList.ClueFor(word));
        }
        EXPECT_EQ(opened->title, made.title);
        Save(second);
        EXPECT_EQ(FileText(second), FileText(first));
    }

    MyFrame& frame = TestFrame();
    DialogScript script;
    TempFolder temp;
    const std::string folder = temp.path();
};

TEST_F(LongEntries, CluesOfThousandsOfCharactersSaveAndOpenWhole)
{
    for (const Kind& kind : Kinds) {
        for (std::size_t clueLength : {600u, 4000u}) {
            SCOPED_TRACE(std::to_string(kind.type) + " with clues of " + std::to_string(clueLength));
            Restart();
            Puzzle* made = Make(
                kind, [](int row) { return WordOfRow(row, 8); },
                [&](int row) { return ClueOfRow(row, clueLength); }, "Fish & chips", 3);
            ASSERT_NE(made, nullptr);
            ASSERT_EQ(made->wordList.WordCount(), MaxWordListEntries);
            if (kind.type != BingoPuzzle) {
                EXPECT_EQ(made->wordList.ClueFor(made->wordList.WordText(49)).size(), clueLength);
            }
            ExpectSavedWhole(*made, "kind" + std::to_string(kind.type) + "-" + std::to_string(clueLength));
        }
    }
    EXPECT_TRUE(script.messages.empty()) << script.messages.front();
}

// Every entry and the title at their limits, of the characters that take the
// most bytes in a document: the largest documents the dialogs can make.
TEST_F(LongEntries, TheLargestDocumentsTheDialogsMakeOpenAgain)
{
    std::size_t largest = 0;
    for (const Kind& kind : Kinds) {
        SCOPED_TRACE(kind.type);
        Restart();
        Puzzle* made = Make(
            kind, [](int row) { return WordOfRow(row, MaxWordChars); },
            [](int) { return wxString(MaxClueChars, '&'); }, wxString(MaxTitleChars, '<'), MaxBingoCards);
        ASSERT_NE(made, nullptr);
        ASSERT_EQ(made->wordList.WordCount(), MaxWordListEntries);
        const std::string name = "largest" + std::to_string(kind.type);
        ExpectSavedWhole(*made, name);
        largest = std::max(largest, FileText(folder + "/" + name + ".qzl").size());
    }
    EXPECT_TRUE(script.messages.empty()) << script.messages.front();
    EXPECT_GT(largest, MaxDocumentBytes / 2) << "the bound is not far above what the program writes";
}

// Pasted as the user pastes with F2 and Ctrl+V: into the cell's editor.
void PasteIntoCell(wxGrid* grid, int row, int col)
{
    grid->SetGridCursor(row, col);
    grid->EnableCellEditControl();
    const wxGridCellEditorPtr cellEditor(grid->GetCellEditor(row, col));
    auto* editor = dynamic_cast<wxTextCtrl*>(cellEditor->GetControl());
    ASSERT_NE(editor, nullptr);
    editor->Paste();
    PumpUntil([editor] { return !editor->GetValue().empty(); });
    grid->DisableCellEditControl();
}

void PasteIntoTitle(wxDialog* dialog)
{
    auto* title = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName("WxEdit1", dialog));
    title->Paste();
    PumpUntil([title] { return !title->GetValue().empty(); });
}

// A line break or TAB that entered a clue or title would split the entry in
// both files: it becomes a blank.
TEST_F(LongEntries, APastedLineBreakOrTabBecomesABlank)
{
    const wxString pasted = "first line of clue\nsecond line\tafter tab\r\nlast";
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject(pasted));
    wxTheClipboard->Close();
    const std::string list = folder + "/pasted.lst", document = folder + "/pasted.qzl";
    script.paths = {list};
    script.onDialog = [&](wxDialog* dialog) {
        dialog->Show();
        PumpUntil([dialog] { return dialog->IsShownOnScreen(); });
        TypeRow(dialog, 0, "ant", "small");
        TypeRow(dialog, 1, "bee");
        PasteIntoCell(WordGrid(dialog), 1, 1);
        PasteIntoTitle(dialog);
        Press(dialog, ID_SaveWordList);
        Press(dialog, ID_Done);
    };
    RunMenuCommand(ID_NewCrossword);
    Save(document);

    const std::string blanked = "first line of clue second line after tab  last";
    EXPECT_EQ(FileText(list), "ant\tsmall\r\nbee\t" + blanked + "\r\n");
    const std::string saved = FileText(document);
    EXPECT_NE(saved.find("<wordlist>ant\tsmall\r\nbee\t" + blanked + "\r\n</wordlist>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<title>" + blanked + "</title>"), std::string::npos) << saved;
    ASSERT_NE(Open(document), nullptr);
    EXPECT_EQ(frame.CurrentPuzzle()->wordList.WordCount(), 2);
    EXPECT_TRUE(script.messages.empty()) << script.messages.front();
}

}  // namespace
