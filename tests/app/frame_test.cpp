#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/toolbar.h>

#include "app/frame.h"
#include "dialog_script.h"
#include "app/gui_test_main.h"
#include "app/puzzle.h"
#include "engine/alphabet.h"
#include "platform/com/code_page.h"
#include "platform/help/chm_help_frame.h"
#include "support/temp_file.h"

namespace {

class FrameTest : public testing::Test {
protected:
    void SetUp() override { CloseAllTabs(); }

    MyFrame& frame = TestFrame();

    Puzzle* AddPuzzle(PuzzleType type, const std::string& title)
    {
        Dictionary list;
        list.AddWord("apple", "A red fruit");
        list.AddWord("pear", "A green fruit");
        list.AddWord("plum", "");
        return AddGeneratedPuzzle(std::make_unique<Puzzle>(type), list, title);
    }
};

TEST_F(FrameTest, MenusCarryTheirLabelsAndIds)
{
    wxMenuBar* bar = frame.GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 2u);
    EXPECT_EQ(bar->GetMenuLabelText(0), "File");
    EXPECT_EQ(bar->GetMenuLabelText(1), "Help");
    struct Item {
        int id;
        const char* label;
    };
    for (Item item : {Item{6006, "Crossword puzzle"}, Item{6007, "Word search puzzle"}, Item{6008, "Word scramble puzzle"},
                      Item{6001, "Bingo cards"}, Item{6005, "Open..."}, Item{6004, "Save..."}, Item{6003, "Print..."},
                      Item{wxID_EXIT, "Exit"}, Item{6002, "Documentation"}, Item{wxID_ABOUT, "About..."}}) {
        wxMenuItem* found = bar->FindItem(item.id);
        ASSERT_NE(found, nullptr) << item.label;
        EXPECT_EQ(found->GetItemLabelText(), item.label);
    }
    wxMenu* file = bar->GetMenu(0);
    EXPECT_EQ(file->FindItemByPosition(0)->GetItemLabelText(), "New...");
    EXPECT_TRUE(file->FindItemByPosition(0)->IsSubMenu());
    EXPECT_EQ(frame.GetStatusBar()->GetStatusText(), "Ready");
}

TEST_F(FrameTest, MainToolbarOrderLabelsAndTooltip)
{
    auto* bar = wxDynamicCast(frame.m_mgr.GetPane("tb2").window, wxToolBar);
    ASSERT_NE(bar, nullptr);
    const int ids[] = {6005, 6004, 6003, 6006, 6007, 6008, 6001, 6002};
    const char* labels[] = {"Open", "Save", "Print", "Crossword", "Word search", "Word scramble", "Bingo cards", "Help"};
    ASSERT_EQ(bar->GetToolsCount(), 8u);
    for (int i = 0; i < 8; ++i) {
        const wxToolBarToolBase* tool = bar->GetToolByPos(i);
        EXPECT_EQ(tool->GetId(), ids[i]);
        EXPECT_EQ(tool->GetLabel(), labels[i]);
        EXPECT_EQ(tool->GetShortHelp(), i == 0 ? "Toggle button 1" : "") << labels[i];
        EXPECT_TRUE(tool->GetNormalBitmap().IsOk()) << labels[i];
    }
    EXPECT_TRUE(bar->HasFlag(wxTB_TEXT));
}

TEST_F(FrameTest, OnlyToolbarAndNotebookShowAfterStartUp)
{
    for (const char* hidden : {"test9", "test11", "settings", "tb1", "tb6"})
        EXPECT_FALSE(frame.m_mgr.GetPane(hidden).IsShown()) << hidden;
    EXPECT_TRUE(frame.m_mgr.GetPane("notebook_content").IsShown());
    EXPECT_TRUE(frame.m_mgr.GetPane("tb2").IsShown());
    EXPECT_EQ(frame.m_notebook->GetPageCount(), 0u);
}

// A view no tab took, as after a failed generation, must not linger in the frame.
TEST_F(FrameTest, AViewGoesWithItsPuzzleUntilATabTakesIt)
{
    const size_t windows = frame.GetChildren().GetCount();
    { Puzzle dropped(FreeformPuzzle); }
    EXPECT_EQ(frame.GetChildren().GetCount(), windows);
}

TEST_F(FrameTest, NewCommandsAndAboutTitleTheirDialogs)
{
    std::vector<wxString> titles;
    wxString about;
    DialogAnswerer answer([&](wxDialog* dialog) {
        titles.push_back(dialog->GetTitle());
        if (auto* box = wxDynamicCast(dialog, wxMessageDialog))
            about = box->GetMessage();
        else
            dialog->Destroy();
        return wxID_CANCEL;
    });
    for (int id : {6006, 6007, 6008, 6001, int(wxID_ABOUT)})
        RunMenuCommand(id);
    EXPECT_EQ(titles, (std::vector<wxString>{"Create crossword puzzle", "Create word search puzzle",
                                             "Create word scramble puzzle", "Create bingo cards", "About Quillory"}));
    EXPECT_TRUE(about.StartsWith("Quillory 1.0.4\n")) << about;
    EXPECT_EQ(frame.m_notebook->GetPageCount(), 0u);
}

TEST_F(FrameTest, DocumentationShowsTheGuide)
{
    DialogAnswerer noQuestions([](wxDialog*) { return wxID_OK; });
    RunMenuCommand(6002);
    ChmHelpFrame* help = frame.m_help.GetFrame();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->IsShown());
    EXPECT_EQ(noQuestions.shown, 0) << "help.chm beside the program opens";
}

TEST_F(FrameTest, ExitClosesAtOnceWithoutAQuestion)
{
    AddPuzzle(FreeformPuzzle, "Never saved");
    DialogAnswerer questions([](wxDialog*) { return wxID_CANCEL; });
    RunMenuCommand(wxID_EXIT);
    EXPECT_TRUE(PumpUntil([] { return wxTheApp->GetTopWindow() == nullptr; }));
    EXPECT_EQ(questions.shown, 0);
}

// Each byte from the blank up reaches the page as the character the code page gives it.
TEST_F(FrameTest, EveryByteOfATitleReachesThePage)
{
    std::string title = "Start", shown = "Start";
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        title += char(byte);
        shown += wxString(wxUniChar(Windows1252Char(byte))).utf8_string();
    }
    Puzzle* puzzle = AddPuzzle(FreeformPuzzle, title + "End");
    EXPECT_TRUE(PumpUntil([&] { return RenderedText(*puzzle).find(shown + "End") != std::string::npos; }));
}

// The engine's error reaches the user in plain words; the frame and its tabs
// stay, and the letters the failed command added serve the next one without
// touching the letters of the puzzles already open.
TEST_F(FrameTest, AnEngineErrorIsShownAndTheProgramGoesOn)
{
    ResetAlphabet();
    Puzzle* kept = AddPuzzle(FreeformPuzzle, "Kept");  // 7 letters
    ASSERT_TRUE(PumpUntil([&] { return RenderedText(*kept).find("Kept") != std::string::npos; }));
    const std::string keptPage = RenderedText(*kept), keptText = kept->ToXml();
    TempFile tooMany("<document type=\"freeform\">\n<wordlist>abcdefghijklmnopqrstuvwxyz\t\n0123456789!?\t\n"
                     "</wordlist>\n<title>Too many letters</title>\n</document>");
    TempFile digits("<document type=\"freeform\">\n<wordlist>0123450\tdigits\n</wordlist>\n"
                    "<title>Digits</title>\n</document>");
    // 19 letters in its words and one more in its grid: room for them all after a fresh start.
    TempFile crowded("<document type=\"freeform\">\n<wordlist>\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC"
                     "\xCD\xCE\xCF\xD0\xD1\xD2\t\n</wordlist>\n<title>Crowded</title>\n"
                     "<grid>+---+\n| \xD3 |\n+---+\n</grid>\n</document>");
    DialogScript script;
    script.paths = {tooMany.path(), digits.path(), crowded.path()};
    for (int open = 0; open < 3; ++open)
        RunMenuCommand(6005);

    ASSERT_EQ(script.messages.size(), 2u);
    EXPECT_EQ(script.messages[0], "This document needs 38 different characters. A puzzle can use at most 32, so it "
                                  "cannot be opened, not even after starting Quillory again.");
    EXPECT_EQ(script.messages[1],
              wxString::FromUTF8("The letter \"Ó\" did not fit. One run of Quillory can use at most 32 different "
                                 "characters across all its puzzles, and the puzzles made or opened since it started "
                                 "use 13 of them. This document needs 20 by itself, so it fits after a fresh start: "
                                 "save your puzzles, close Quillory and start it again."));
    ASSERT_EQ(frame.m_notebook->GetPageCount(), 2u);
    EXPECT_NE(frame.CurrentPuzzle()->ToXml().find("0123450\tdigits"), std::string::npos);
    EXPECT_EQ(Alphabet::LetterCount(), 7 + 6);
    EXPECT_EQ(kept->ToXml(), keptText);
    EXPECT_EQ(RenderedText(*kept), keptPage);
}

}  // namespace
