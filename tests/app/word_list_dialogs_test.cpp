#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "app/bingo_dlg.h"
#include "app/control_ids.h"
#include "app/document_bounds.h"
#include "app/frame.h"
#include "app/letter_limit.h"
#include "app/puzzle.h"
#include "app/word_list_dlg.h"
#include "app/word_search_dlg.h"
#include "dialog_script.h"
#include <wx/textctrl.h>
#include "engine/alphabet.h"
#include "support/count_of.h"
#include "support/failing_read.h"
#include "support/named_pipe.h"
#include "support/required.h"
#include "support/temp_file.h"

namespace {

constexpr int LoadButton = 1005, SaveButton = 1006, DoneButton = 1007, CancelButton = 1008;

class WordListDialogs : public testing::Test {
protected:
    // The alphabet holds 32 letters for the whole process: each test starts with all of them.
    void SetUp() override
    {
        CloseAllTabs();
        ResetAlphabet();
    }
    void TearDown() override { PumpUntil([] { return false; }, 20); }

    template <typename Dialog>
    Dialog* Open(PuzzleType type)
    {
        auto* dialog = new Dialog(&frame, WordListDialogId, "");
        dialog->puzzleType = type;
        return dialog;
    }

    size_t TabCount() { return frame.m_notebook->GetPageCount(); }
    Puzzle& OnlyPuzzle()
    {
        EXPECT_EQ(TabCount(), 1u);
        return Required(frame.CurrentPuzzle(), "the puzzle");
    }

    void ExpectOnlyMessage(const wxString& text)
    {
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_EQ(script.messages[0], text);
    }

    MyFrame& frame = TestFrame();
    DialogScript script;
};

}  // namespace

// Characters from 0x80 reach the list as their Windows-1252 bytes.
TEST_F(WordListDialogs, DoneLowerCasesWordsAndKeepsTheirCluesFindable)
{
    auto* dialog = Open<WordListDlg>(FreeformPuzzle);
    TypeRow(dialog, 0, "Apple", "A red fruit");
    TypeRow(dialog, 1, wxString::FromUTF8("Café"), wxString::FromUTF8("crème “brûlée”"));
    TypeTitle(dialog, "Animals and fruit");
    Press(dialog, DoneButton);

    EXPECT_TRUE(IsClosing(dialog));
    Puzzle& puzzle = OnlyPuzzle();
    EXPECT_EQ(frame.m_notebook->GetPageText(0), "Unnamed file");
    EXPECT_EQ(puzzle.type, FreeformPuzzle);
    EXPECT_EQ(puzzle.GetTitle(), "Animals and fruit");
    ASSERT_EQ(puzzle.wordList.WordCount(), 2);
    EXPECT_EQ(puzzle.wordList.WordText(0), "apple");
    EXPECT_EQ(puzzle.wordList.ClueFor("apple"), "A red fruit");
    EXPECT_EQ(puzzle.wordList.WordText(1), "caf\xE9");
    EXPECT_EQ(puzzle.wordList.ClueFor("caf\xE9"), "cr\xE8me \x93" "br\xFBl\xE9" "e\x94");
    EXPECT_TRUE(PageShows(puzzle, "Animals and fruit"));
    EXPECT_TRUE(PageShows(puzzle, "A red fruit"));
}

TEST_F(WordListDialogs, DoneRefusesTextWindows1252CannotHoldAndKeepsTheDialog)
{
    const wxString omega = wxString::FromUTF8("Ωmega");
    struct Case {
        const char* name;
        wxString word, clue, title;
        const char* cannotStore;
    };
    for (const Case& c : {Case{"word", omega, "letter", "Greek", "a word list cannot store"},
                          Case{"clue", "omega", omega, "Greek", "a word list cannot store"},
                          Case{"title", "omega", "letter", omega, "a puzzle cannot store"}}) {
        SCOPED_TRACE(c.name);
        script.messages.clear();
        auto* dialog = Open<WordListDlg>(FreeformPuzzle);
        TypeRow(dialog, 0, c.word, c.clue);
        TypeTitle(dialog, c.title);
        Press(dialog, DoneButton);

        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_TRUE(script.messages[0].Contains(omega) && script.messages[0].Contains(c.cannotStore))
            << script.messages[0];
        EXPECT_FALSE(IsClosing(dialog));
        EXPECT_EQ(TabCount(), 0u);
        EXPECT_EQ(WordGrid(dialog)->GetCellValue(0, 0), c.word);
        EXPECT_EQ(TitleOf(dialog), c.title);
        dialog->Destroy();
    }
}

// A clue in a row without a word is no entry: it is neither checked nor kept.
TEST_F(WordListDialogs, DoneLeavesOutRowsWithoutAWord)
{
    auto* dialog = Open<WordListDlg>(FreeformPuzzle);
    TypeRow(dialog, 0, "", wxString::FromUTF8("Ωmega"));
    TypeRow(dialog, 1, "Owl", "hoots");
    Press(dialog, DoneButton);

    EXPECT_TRUE(script.messages.empty());
    EXPECT_TRUE(IsClosing(dialog));
    ASSERT_EQ(OnlyPuzzle().wordList.WordCount(), 1);
    EXPECT_EQ(OnlyPuzzle().wordList.WordText(0), "owl");
}

// Blanks alone look like an empty word: neither Done nor saving takes them.
TEST_F(WordListDialogs, AWordOfBlanksAloneIsNoWord)
{
    TempFolder folder;
    const std::string saved = folder.path() + "/saved.lst";
    for (wxDialog* dialog : {static_cast<wxDialog*>(Open<WordListDlg>(FreeformPuzzle)),
                             static_cast<wxDialog*>(Open<WordSearchDlg>(WordSearchPuzzle)),
                             static_cast<wxDialog*>(new BingoDlg(&frame, WordListDialogId, ""))}) {
        SCOPED_TRACE(dialog->GetClassInfo()->GetClassName());
        CloseAllTabs();
        TypeRow(dialog, 0, "   ", "three blanks");
        TypeRow(dialog, 1, "cat", "pet");
        TypeRow(dialog, 2, wxString::FromUTF8("\u00a0"), "no-break space");
        script.paths = {saved};
        Press(dialog, SaveButton);
        EXPECT_EQ(FileText(saved), WordGrid(dialog)->GetNumberCols() > 1 ? "cat\tpet\r\n" : "cat\t\r\n");
        Press(dialog, DoneButton);
        ASSERT_EQ(OnlyPuzzle().wordList.WordCount(), 1);
        EXPECT_EQ(OnlyPuzzle().wordList.WordText(0), "cat");
    }
    EXPECT_TRUE(script.messages.empty()) << script.messages.front();
}

TEST_F(WordListDialogs, AnEngineErrorIsShownAndTheDialogStaysWithWhatWasTyped)
{
    auto* dialog = Open<WordListDlg>(FreeformPuzzle);
    TypeRow(dialog, 0, "abcdefghijklmnopqrstuvwxyz0123456789", "too many letters");
    ResetAlphabet();
    Press(dialog, DoneButton);

    ExpectOnlyMessage(
        "This list needs 36 different characters in its words alone. A puzzle can use at most 32, so this "
        "list cannot be made as a crossword, not even after starting Quillory again.\n\nLeave out characters "
        "the words do not need, for example accents, blanks or signs.");
    EXPECT_EQ(Alphabet::LetterCount(), 0) << "the failed command's letters are given back";
    EXPECT_FALSE(IsClosing(dialog));
    EXPECT_EQ(TabCount(), 0u);
    EXPECT_EQ(WordGrid(dialog)->GetCellValue(0, 1), "too many letters");
    dialog->Destroy();
}

// The words take 20 characters and the letters that fill the grid 13 more: no
// run can hold the word search, and the refused filler letter is beside the
// point. The same words make a crossword.
TEST_F(WordListDialogs, AListThatNoRunHoldsAsAWordSearchIsToldSo)
{
    const char* const spanish[] = {"canción", "árbol", "café", "país", "azúcar", "niño", "pingüino"};
    auto typed = [&](PuzzleType type) {
        auto* dialog = Open<WordSearchDlg>(type);
        for (int row = 0; row < 7; ++row)
            TypeRow(dialog, row, wxString::FromUTF8(spanish[row]));
        return dialog;
    };
    auto* search = typed(WordSearchPuzzle);
    Press(search, DoneButton);
    EXPECT_FALSE(IsClosing(search));
    search->Destroy();
    Press(typed(FreeformPuzzle), DoneButton);

    ExpectOnlyMessage(
        "This list needs 33 different characters as a word search: 20 in its words and 13 more among the "
        "letters a to z that fill the rest of the grid. A puzzle can use at most 32, so this list cannot be "
        "made as a word search, not even after starting Quillory again. As a crossword, a word scramble or "
        "bingo cards it needs only the 20 of its words.");
    EXPECT_EQ(OnlyPuzzle().type, FreeformPuzzle);
}

// Twenty letters are taken by a puzzle already made; the next list needs only
// 16, which a fresh start holds.
TEST_F(WordListDialogs, AListThatFitsAfterAFreshStartIsToldToStartAgain)
{
    auto* first = Open<WordListDlg>(FreeformPuzzle);
    TypeRow(first, 0, "abcdefghijklmnopqrst");
    Press(first, DoneButton);
    auto* next = Open<WordListDlg>(FreeformPuzzle);
    TypeRow(next, 0, "uvwxyz0123456789");
    Press(next, DoneButton);

    ExpectOnlyMessage(
        "The digit \"6\" did not fit. One run of Quillory can use at most 32 different characters across all "
        "its puzzles, and the puzzles made or opened since it started use 20 of them. This list needs 16 as a "
        "crossword by itself, so it fits after a fresh start: save your puzzles, close Quillory and start it "
        "again.\n\nLeave out characters the words do not need, for example accents, blanks or signs.");
    ResetAlphabet();
    Press(next, DoneButton);
    EXPECT_EQ(TabCount(), 2u);
}

// At the edges: 32 characters make a puzzle and a 33rd does not. The words
// below hold 31 characters but no "z", which a word search needs all the same
// for the letters that fill its grid.
TEST_F(WordListDialogs, TheLetterLimitAtItsEdges)
{
    struct Case {
        const char* name;
        PuzzleType type;
        const char* extra;  // one more word after the 31 characters
        const char* madeBefore;
        const char* message;
    };
    const Case cases[] = {
        {"32 in the words", FreeformPuzzle, "z", "", ""},
        {"33 in the words", FreeformPuzzle, "z6", "",
         "This list needs 33 different characters in its words alone. A puzzle can use at most 32, so this list "
         "cannot be made as a crossword, not even after starting Quillory again.\n\nLeave out characters the "
         "words do not need, for example accents, blanks or signs."},
        {"32 with the filling", WordSearchPuzzle, "", "", ""},
        {"33 with the filling", WordSearchPuzzle, "6", "",
         "This list needs 33 different characters as a word search: 32 in its words and 1 more among the letters a "
         "to z that fill the rest of the grid. A puzzle can use at most 32, so this list cannot be made as a word "
         "search, not even after starting Quillory again. As a crossword, a word scramble or bingo cards it needs "
         "only the 32 of its words."},
        {"the filling after another puzzle", WordSearchPuzzle, "", "!",
         "The letter \"z\", one of those that fill the rest of the grid, did not fit. One run of Quillory can use "
         "at most 32 different characters across all its puzzles, and the puzzles made or opened since it started "
         "use 1 of them. This list needs 32 as a word search by itself, so it fits after a fresh start: save your "
         "puzzles, close Quillory and start it again.\n\nLeave out characters the words do not need, for example "
         "accents, blanks or signs."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CloseAllTabs();
        ResetAlphabet();
        script.messages.clear();
        if (*c.madeBefore) {
            auto* before = Open<WordListDlg>(FreeformPuzzle);
            TypeRow(before, 0, c.madeBefore);
            Press(before, DoneButton);
        }
        wxDialog* dialog = c.type == WordSearchPuzzle ? static_cast<wxDialog*>(Open<WordSearchDlg>(c.type))
                                                      : static_cast<wxDialog*>(Open<WordListDlg>(c.type));
        int row = 0;
        for (const char* word : {"abcdefgh", "ijklmnop", "qrstuvwx", "y012345", c.extra})
            TypeRow(dialog, row++, word);
        Press(dialog, DoneButton);

        EXPECT_EQ(IsClosing(dialog), !*c.message);
        ASSERT_EQ(script.messages.size(), *c.message ? 1u : 0u);
        if (*c.message) {
            EXPECT_EQ(script.messages[0], c.message);
        }
        if (!IsClosing(dialog))
            dialog->Destroy();
    }
}

// The character that found no room is named as a teacher would read it.
TEST(LetterLimitMessage, NamesTheCharacterInPlainWords)
{
    for (const auto& [refused, opening] : {std::pair<char, const char*>{' ', "A blank did not fit."},
                                           {'\xA0', "A blank did not fit."},
                                           {'6', "The digit \"6\" did not fit."},
                                           {'d', "The letter \"d\" did not fit."},
                                           {'\xE9', "The letter \"\u00e9\" did not fit."},
                                           {'\x9C', "The letter \"\u0153\" did not fit."},
                                           {'?', "The sign \"?\" did not fit."},
                                           {'\xD7', "The sign \"\u00d7\" did not fit."},
                                           {'\t', "An invisible character (code 9) did not fit."}}) {
        const wxString message = LetterLimitMessage(TooManyLetters(refused), 32);
        EXPECT_TRUE(message.StartsWith(wxString::FromUTF8(opening))) << message;
    }
}

// A crossword is laid out anew, a scramble generated, a word search only
// rendered, and bingo cards make an empty tab.
TEST_F(WordListDialogs, DoneOnAnEmptyGrid)
{
    Press(Open<WordListDlg>(FreeformPuzzle), DoneButton);
    EXPECT_EQ(OnlyPuzzle().GetTitle(), "Untitled Puzzle");
    EXPECT_TRUE(PageShows(OnlyPuzzle(), "Untitled Puzzle"));

    CloseAllTabs();
    Press(Open<WordSearchDlg>(ScramblePuzzle), DoneButton);
    EXPECT_FALSE(OnlyPuzzle().scramblePage.empty());

    CloseAllTabs();
    auto* search = Open<WordSearchDlg>(WordSearchPuzzle);
    TypeTitle(search, "Nothing to find");
    Press(search, DoneButton);
    EXPECT_EQ(OnlyPuzzle().grid.width, 4);
    EXPECT_TRUE(PageShows(OnlyPuzzle(), "Nothing to find"));

    CloseAllTabs();
    Press(new BingoDlg(&frame, WordListDialogId, ""), DoneButton);
    EXPECT_EQ(OnlyPuzzle().type, BingoPuzzle);
    EXPECT_EQ(OnlyPuzzle().wordList.WordCount(), 0);
    EXPECT_TRUE(OnlyPuzzle().freeSpace);
}

// Loaded or typed, in any case, a word stands once on each card.
TEST_F(WordListDialogs, BingoCardsNameARepeatedWordOnce)
{
    auto* dialog = new BingoDlg(&frame, WordListDialogId, "");
    TempFile file("cat\t\r\nCat\t\r\n");
    script.paths = {file.path()};
    Press(dialog, LoadButton);
    TypeRow(dialog, 2, "CAT");
    TypeRow(dialog, 3, "dog");
    dialog->SetNumCards(2);
    Press(dialog, DoneButton);

    ASSERT_TRUE(PageShows(OnlyPuzzle(), "dog"));
    EXPECT_EQ(CountOf(RenderedText(OnlyPuzzle()), "cat"), 2);
}

// Without "Use clues" a word search keeps no clue: see the side panel's edit test.
TEST_F(WordListDialogs, UseCluesAddsAClueColumnWhoseCluesGoWhenItGoes)
{
    auto* dialog = Open<WordSearchDlg>(WordSearchPuzzle);
    wxGrid* grid = WordGrid(dialog);
    ASSERT_EQ(grid->GetNumberCols(), 1);
    TypeRow(dialog, 0, "Owl");

    Tick(dialog, 1004, true);
    ASSERT_EQ(grid->GetNumberCols(), 2);
    EXPECT_EQ(grid->GetColLabelValue(1), "Clue");
    grid->SetCellValue(0, 1, "a night bird");
    Tick(dialog, 1004, false);
    EXPECT_EQ(grid->GetNumberCols(), 1);
    Tick(dialog, 1004, true);
    EXPECT_EQ(grid->GetCellValue(0, 1), "");
    EXPECT_EQ(grid->GetCellValue(0, 0), "Owl");

    grid->SetCellValue(0, 1, "hoots");
    Press(dialog, DoneButton);
    EXPECT_EQ(OnlyPuzzle().wordList.ClueFor("owl"), "hoots");
}

// Sixty entries fill the fifty rows, and the teacher hears of the other ten.
TEST_F(WordListDialogs, LoadingFillsRowsFromTheTopAndKeepsTheRowsBelow)
{
    auto* dialog = Open<WordListDlg>(FreeformPuzzle);
    for (int row = 0; row < 10; ++row)
        TypeRow(dialog, row, wxString::Format("old%d", row), wxString::Format("clue%d", row));
    TempFile file("one\tfirst\r\ntwo\tsecond\r\nno tab line\r\nthree\tthird\r\n");
    script.paths = {file.path()};
    Press(dialog, LoadButton);

    wxGrid* grid = WordGrid(dialog);
    EXPECT_EQ(grid->GetCellValue(0, 0), "one");
    EXPECT_EQ(grid->GetCellValue(1, 1), "second");
    EXPECT_EQ(grid->GetCellValue(2, 0), "three");
    EXPECT_EQ(grid->GetCellValue(2, 1), "third");
    EXPECT_EQ(grid->GetCellValue(3, 0), "old3");
    EXPECT_EQ(grid->GetCellValue(9, 1), "clue9");

    std::string sixty;
    for (int i = 0; i < 60; ++i)
        sixty += "w" + std::to_string(i) + "\tc\n";
    TempFile longFile(sixty);
    script.paths = {longFile.path()};
    Press(dialog, LoadButton);
    EXPECT_EQ(grid->GetCellValue(0, 0), "w0");
    EXPECT_EQ(grid->GetCellValue(49, 0), "w49");
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_NE(script.messages[0].find("other 10 left out"), wxString::npos) << script.messages[0];
    dialog->Destroy();
}

// A UTF-8 file is saved back in Windows-1252.
TEST_F(WordListDialogs, OneColumnDialogsDropLoadedCluesAndSaveEmptyOnes)
{
    TempFile source("lion\tbig cat\ncaf\xC3\xA9\tcoffee\n");
    TempFolder folder;
    const std::string saved = folder.path() + "/saved.lst";
    for (wxDialog* dialog : {static_cast<wxDialog*>(Open<WordSearchDlg>(WordSearchPuzzle)),
                             static_cast<wxDialog*>(new BingoDlg(&frame, WordListDialogId, ""))}) {
        script.paths = {source.path(), saved};
        Press(dialog, LoadButton);
        EXPECT_EQ(WordGrid(dialog)->GetCellValue(1, 0), wxString::FromUTF8("café"));
        Press(dialog, SaveButton);
        EXPECT_EQ(FileText(saved), "lion\t\r\ncaf\xE9\t\r\n");
        dialog->Destroy();
    }
}

// Text Windows-1252 cannot hold is refused, and the file stays as it was.
TEST_F(WordListDialogs, SavingRefusesTextWindows1252CannotHold)
{
    auto* dialog = Open<WordListDlg>(FreeformPuzzle);
    TypeRow(dialog, 0, "cat", "a pet");
    TypeRow(dialog, 1, "pi", wxString::FromUTF8("π is 3.14"));
    TempFile saved("kept");
    script.paths = {saved.path()};
    Press(dialog, SaveButton);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_NE(script.messages[0].find(wxString::FromUTF8("π is 3.14")), wxString::npos);
    EXPECT_EQ(FileText(saved.path()), "kept");
    dialog->Destroy();
}

TEST_F(WordListDialogs, FilesThatCannotBeWrittenOrReadAreReported)
{
    auto* dialog = Open<WordListDlg>(FreeformPuzzle);
    TypeRow(dialog, 0, "kept", "as typed");
    TempFolder temp;
    const std::string folder = temp.path() + "/words.lst";
    mkdir(folder.c_str(), 0755);
    script.paths = {folder};  // a folder is no file to write
    Press(dialog, SaveButton);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_NE(script.messages[0].find("could not be saved"), wxString::npos) << script.messages[0];

    // What is no file is named, and never waited on.
    const std::string pipe = temp.path() + "/pipe.lst";
    mkfifo(pipe.c_str(), 0600);
    const std::pair<std::string, const char*> notFiles[] = {
        {folder, "it is a folder"}, {pipe, "it is a named pipe"}, {"/dev/zero", "it is a device"}};
    for (const auto& [path, what] : notFiles) {
        script.messages.clear();
        script.paths = {path};
        EXPECT_FALSE(WaitsOn(path, [&] { Press(dialog, LoadButton); }));
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_TRUE(script.messages[0].Contains(path) && script.messages[0].Contains(what)) << script.messages[0];
    }
    EXPECT_EQ(WordGrid(dialog)->GetCellValue(0, 0), "kept");

    // A disk that fails partway: the whole lines read load, the cut one does
    // not, in 8-bit text and in UTF-16 (without its mark, cut within a unit).
    const std::tuple<std::string, std::size_t, const char*> badBlocks[] = {
        {"ant\tinsect\r\nbee\tbuzz\r\n", 18, "insect"},
        {std::string("o\0w\0l\0\t\0b\0i\0r\0d\0\r\0\n\0b\0e\0e\0\t\0b\0u\0z\0z\0\r\0\n\0", 40), 35, "bird"}};
    for (const auto& [text, good, clue] : badBlocks) {
        TempFile badBlock(text);
        const FailingRead failing(badBlock.path(), good);
        script.messages.clear();
        script.paths = {badBlock.path()};
        Press(dialog, LoadButton);
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_EQ(script.messages[0], "The word list \"" + badBlock.path() + "\" could not be read to its end.");
        EXPECT_EQ(WordGrid(dialog)->GetCellValue(0, 1), clue);
        EXPECT_EQ(WordGrid(dialog)->GetCellValue(1, 0), "");
    }

    TempFile greek("caf\xC3\xA9\tfine\n\xCE\xA9mega\tletter\n");
    script.paths = {greek.path()};
    Press(dialog, LoadButton);
    ASSERT_EQ(script.messages.size(), 2u);
    EXPECT_NE(script.messages[1].find("Line 2 "), wxString::npos) << script.messages[1];
    EXPECT_EQ(WordGrid(dialog)->GetCellValue(0, 0), wxString::FromUTF8("café"));
    EXPECT_EQ(WordGrid(dialog)->GetCellValue(1, 0), "");
    dialog->Destroy();
}

// Notepad's "Unicode" (UTF-16 with its byte order mark) loads; a file of bare
// words loads nothing, nor does a file that is no text, and the teacher hears why.
TEST_F(WordListDialogs, FilesFromOtherEditorsLoadOrSayWhyNot)
{
    auto* dialog = Open<WordListDlg>(FreeformPuzzle);
    TypeRow(dialog, 1, "kept", "as typed");
    const char utf16[] = "\xFF\xFE" "c\0a\0f\0\xE9\0\t\0" "d\0r\0i\0n\0k\0\r\0\n\0";
    TempFile notepad(std::string(utf16, sizeof utf16 - 1));
    TempFile bare("apple\r\npear\r\n");
    const char png[] = "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\tx\n";
    TempFile picture(std::string(png, sizeof png - 1));
    script.paths = {notepad.path(), bare.path(), picture.path()};
    Press(dialog, LoadButton);
    EXPECT_TRUE(script.messages.empty());
    Press(dialog, LoadButton);
    Press(dialog, LoadButton);

    wxGrid* grid = WordGrid(dialog);
    EXPECT_EQ(grid->GetCellValue(0, 0), wxString::FromUTF8("café"));
    EXPECT_EQ(grid->GetCellValue(0, 1), "drink");
    EXPECT_EQ(grid->GetCellValue(1, 0), "kept");
    ASSERT_EQ(script.messages.size(), 2u);
    EXPECT_TRUE(script.messages[0].Contains(bare.path()) && script.messages[0].Contains("TAB")) << script.messages[0];
    EXPECT_TRUE(script.messages[1].Contains(picture.path()) && script.messages[1].Contains("the character 0"))
        << script.messages[1];
    dialog->Destroy();
}

// Each file loaded into an empty grid: what its rows show, and how many
// messages the teacher reads.
TEST_F(WordListDialogs, WhatAWordListFileLoadsAndSays)
{
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::pair<std::string, std::string>> rows;
        std::size_t messages;
    };
    const Case cases[] = {
        {"a clue with a second TAB or a lone CR", "a\tb\tc\r\nd\te\rf\r\n", {{"a", "b c"}, {"d", "e f"}}, 0},
        {"words of blanks", "   \tthree blanks\r\ncat\tpet\r\n\xA0\tno-break space\r\n\tno word\r\n",
         {{"cat", "pet"}, {"", "no word"}}, 0},
        {"blank words alone", "  \tblanks\r\n", {}, 1},
        {"a first line too long", std::string(MaxWordChars + 1, 'w') + "\tclue\r\nbee\tlast\r\n", {}, 1},
        {"a first line Windows-1252 cannot hold", "\xCE\xA9mega\tletter\r\ncaf\xC3\xA9\tfine\r\n", {}, 1},
        {"UTF-16 without byte order mark",
         std::string("c\0a\0t\0\t\0a\0n\0i\0m\0a\0l\0\n\0d\0o\0g\0\t\0p\0e\0t\0", 36),
         {{"cat", "animal"}, {"dog", "pet"}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        script.messages.clear();
        auto* dialog = Open<WordListDlg>(FreeformPuzzle);
        TempFile file(c.file);
        script.paths = {file.path()};
        Press(dialog, LoadButton);
        EXPECT_EQ(script.messages.size(), c.messages);
        wxGrid* grid = WordGrid(dialog);
        for (std::size_t row = 0; row <= c.rows.size(); ++row) {
            const auto shown = row < c.rows.size() ? c.rows[row] : std::pair<std::string, std::string>();
            EXPECT_EQ(grid->GetCellValue(row, 0).ToStdString(), shown.first) << row;
            EXPECT_EQ(grid->GetCellValue(row, 1).ToStdString(), shown.second) << row;
        }
        dialog->Destroy();
    }
}

TEST_F(WordListDialogs, ASelectedBlockOfCellsIsLetGo)
{
    for (wxDialog* dialog : {static_cast<wxDialog*>(Open<WordListDlg>(FreeformPuzzle)),
                             static_cast<wxDialog*>(Open<WordSearchDlg>(WordSearchPuzzle)),
                             static_cast<wxDialog*>(new BingoDlg(&frame, WordListDialogId, ""))}) {
        wxGrid* grid = WordGrid(dialog);
        grid->SelectBlock(0, 0, 3, 0);
        EXPECT_FALSE(grid->IsSelection());
        dialog->Destroy();
    }
}

TEST_F(WordListDialogs, CancelAndTheCloseBoxMakeNoDocument)
{
    auto* cancelled = Open<WordListDlg>(FreeformPuzzle);
    TypeRow(cancelled, 0, "unused");
    Press(cancelled, CancelButton);
    EXPECT_TRUE(IsClosing(cancelled));

    auto* closed = new BingoDlg(&frame, WordListDialogId, "");
    TypeRow(closed, 0, "unused");
    closed->Close();
    EXPECT_TRUE(IsClosing(closed));
    EXPECT_EQ(TabCount(), 0u);
}

namespace {

// Typed into the cell's editor and confirmed, as the user leaves the cell.
void EditCell(wxGrid* grid, int row, int col, const wxString& text)
{
    grid->SetGridCursor(row, col);
    grid->EnableCellEditControl();
    const wxGridCellEditorPtr editor(grid->GetCellEditor(row, col));
    dynamic_cast<wxTextCtrl*>(editor->GetControl())->SetValue(text);
    grid->DisableCellEditControl();
}

}  // namespace

// The user hears of an entry past its limit when it is made or loaded, by row
// or line and limit; nothing typed is cut, and no puzzle or word list file is
// made until it is shortened. Loading stops at such an entry: a grid cell
// holding megabytes takes seconds to draw.
TEST_F(WordListDialogs, EntriesPastTheirLimitsAreNamedAndKeptWhole)
{
    auto* dialog = Open<WordListDlg>(FreeformPuzzle);
    dialog->Show();
    wxGrid* grid = WordGrid(dialog);
    TempFile file("ant\tshort\r\n" + std::string(MaxWordChars + 1, 'w') + "\tclue\r\nbee\tlast\r\n");
    script.paths = {file.path()};
    Press(dialog, LoadButton);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_TRUE(script.messages[0].Contains("Line 2 of the word list") &&
                script.messages[0].Contains("the word \"wwwwwwwwwwwwwwwwwwwwwwwwwwwwww...\" holds 151 "
                                            "characters, more than the 150 it may hold"))
        << script.messages[0];
    EXPECT_EQ(grid->GetCellValue(0, 0), "ant");
    EXPECT_EQ(grid->GetCellValue(1, 0), "");
    grid->SetCellValue(1, 0, wxString(MaxWordChars + 1, 'w'));

    const wxString longClue(MaxClueChars + 1, 'c');
    EditCell(grid, 0, 1, longClue);
    PumpUntil([&] { return script.messages.size() > 1; }, 1000);
    ASSERT_EQ(script.messages.size(), 2u);
    EXPECT_TRUE(script.messages[1].Contains("Row 1: the clue of the word \"ant\" holds 5,001 characters, more than "
                                            "the 5,000 it may hold"))
        << script.messages[1];
    EXPECT_EQ(grid->GetCellValue(0, 1), longClue);

    TempFile kept("kept");
    script.paths = {kept.path()};
    Press(dialog, SaveButton);
    ASSERT_EQ(script.messages.size(), 3u);
    EXPECT_TRUE(script.messages[2].StartsWith("The word list was not saved") &&
                script.messages[2].Contains("Row 1: the clue of the word \"ant\""))
        << script.messages[2];
    EXPECT_EQ(FileText(kept.path()), "kept");
    script.messages.pop_back();

    TypeTitle(dialog, wxString(MaxTitleChars + 1, 't'));
    PumpUntil([&] { return script.messages.size() > 2; }, 1000);
    ASSERT_EQ(script.messages.size(), 3u);
    EXPECT_TRUE(script.messages[2].Contains("A title may hold at most 500 characters")) << script.messages[2];

    // Done names the first entry past its limit, then the title.
    const std::pair<const char*, std::function<void()>> refusals[] = {
        {"Row 1: the clue of the word \"ant\"", [&] { grid->SetCellValue(0, 1, wxString(MaxClueChars, 'c')); }},
        {"Row 2: the word", [&] { grid->SetCellValue(1, 0, "bee"); }},
        {"the title holds 501 characters", [&] { TypeTitle(dialog, wxString(MaxTitleChars, 't')); }},
    };
    for (const auto& [named, shorten] : refusals) {
        script.messages.clear();
        Press(dialog, DoneButton);
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_TRUE(script.messages[0].StartsWith("The puzzle was not made")) << script.messages[0];
        EXPECT_TRUE(script.messages[0].Contains(named)) << script.messages[0];
        EXPECT_FALSE(IsClosing(dialog));
        EXPECT_EQ(TabCount(), 0u);
        shorten();
    }
    script.messages.clear();
    Press(dialog, DoneButton);
    EXPECT_TRUE(script.messages.empty());
    EXPECT_TRUE(IsClosing(dialog));
    EXPECT_EQ(OnlyPuzzle().wordList.ClueFor("ant").size(), std::size_t(MaxClueChars));
}
