#include "platform/help/chm_help_controller.h"

#include "platform/help/chm_help_frame.h"
#include "support/event_pump.h"

#include <gtest/gtest.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/webview.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

// Answers every message box with OK without showing it, and keeps what it said.
class MessageBoxAnswerer : public wxModalDialogHook {
public:
    MessageBoxAnswerer() { Register(); }
    ~MessageBoxAnswerer() override { Unregister(); }

    std::vector<wxString> messages;
    wxString caption;
    long style = 0;

protected:
    int Enter(wxDialog* dialog) override
    {
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
            messages.push_back(box->GetMessage());
            caption = box->GetCaption();
            style = box->GetMessageDialogStyle();
        }
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

bool ShowsText(wxWebView* view, const std::string& text)
{
    return WebViewText(view).find(text) != std::string::npos;
}

// Loading runs in a separate web process, which may be slow on a busy machine.
const int PageLoadMilliseconds = 30000;

// Waits until the document in the view is the named page of the help file, loaded whole.
bool ShowsPage(wxWebView* view, const wxString& page)
{
    return PumpUntil([&] {
        wxString url;
        wxString state;
        return view->RunScript("document.URL", &url) && url.AfterLast('/') == page &&
               view->RunScript("document.readyState", &state) && state == "complete";
    }, PageLoadMilliseconds);
}

wxString SelectedTitle(const ChmHelpFrame& frame)
{
    wxTreeCtrl* tree = frame.GetContentsTree();
    return tree->GetSelection().IsOk() ? tree->GetItemText(tree->GetSelection()) : wxString();
}

std::vector<wxString> Titles(wxTreeCtrl* tree, const wxTreeItemId& parent)
{
    std::vector<wxString> titles;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = tree->GetFirstChild(parent, cookie); item.IsOk(); item = tree->GetNextChild(parent, cookie))
        titles.push_back(tree->GetItemText(item));
    return titles;
}

wxTreeItemId ItemTitled(wxTreeCtrl* tree, const wxTreeItemId& parent, const wxString& title)
{
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = tree->GetFirstChild(parent, cookie); item.IsOk(); item = tree->GetNextChild(parent, cookie)) {
        if (tree->GetItemText(item) == title)
            return item;
        wxTreeItemId below = ItemTitled(tree, item, title);
        if (below.IsOk())
            return below;
    }
    return wxTreeItemId();
}

class HelpWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(help.Initialize("help.chm"));
        ASSERT_TRUE(help.DisplayContents());
        frame = help.GetFrame();
        ASSERT_NE(frame, nullptr);
        view = frame->GetPageView();
    }

    ChmHelpController help;
    ChmHelpFrame* frame = nullptr;
    wxWebView* view = nullptr;
};

} // namespace

TEST_F(HelpWindow, OpensOnTheFirstPageWithTheContentsTreeThatFollowsTheLinks)
{
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(frame->GetTitle(), "Quillory Help");

    wxTreeCtrl* tree = frame->GetContentsTree();
    std::vector<wxString> top = Titles(tree, tree->GetRootItem());
    EXPECT_EQ(top, (std::vector<wxString>{"Welcome to Quillory", "Making puzzles", "Word lists & word list files",
                                          "Showing solutions", "Printing", "Saving and opening puzzles"}));
    wxTreeItemId puzzles = ItemTitled(tree, tree->GetRootItem(), "Making puzzles");
    EXPECT_EQ(Titles(tree, puzzles),
              (std::vector<wxString>{"Crossword puzzles", "Word search puzzles", "Word scrambles", "Bingo cards"}));
    EXPECT_TRUE(tree->IsExpanded(puzzles));

    ASSERT_TRUE(ShowsPage(view, "index.html"));
    EXPECT_EQ(SelectedTitle(*frame), "Welcome to Quillory");
    EXPECT_TRUE(ShowsText(view, "Quillory makes printable puzzle sheets"));

    // The style sheet is a second object of the help file that the page names by a
    // relative address; its colour on the heading shows it was served.
    wxString colour;
    ASSERT_TRUE(view->RunScript("getComputedStyle(document.querySelector('h1')).color", &colour));
    EXPECT_EQ(colour, "rgb(31, 78, 121)");

    // Following a link moves the tree along.
    view->RunScript("document.querySelector('a[href=\"solutions.html\"]').click()");
    ASSERT_TRUE(ShowsPage(view, "solutions.html"));
    EXPECT_TRUE(PumpUntil([&] { return SelectedTitle(*frame) == "Showing solutions"; }));
    EXPECT_TRUE(ShowsText(view, "answer sheet"));
}

TEST_F(HelpWindow, ChoosingAnEntryShowsItsPageAndClosingKeepsItForTheNextRequest)
{
    wxTreeCtrl* tree = frame->GetContentsTree();
    tree->SelectItem(ItemTitled(tree, tree->GetRootItem(), "Word scrambles"));
    ASSERT_TRUE(ShowsPage(view, "scramble.html"));

    frame->Close();
    EXPECT_FALSE(frame->IsShown());
    ASSERT_EQ(help.GetFrame(), frame);

    EXPECT_TRUE(help.DisplayContents());
    EXPECT_EQ(help.GetFrame(), frame);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(SelectedTitle(*frame), "Word scrambles");
}

// Every help view serves pages under a scheme of its own, so a second window, also
// one opened after the first has gone, shows its pages. A window goes with its controller.
TEST_F(HelpWindow, LaterWindowsShowTheirPagesToo)
{
    ASSERT_TRUE(ShowsPage(view, "index.html"));
    for (int round = 0; round < 2; ++round) {
        auto second = std::make_unique<ChmHelpController>();
        second->Initialize("help.chm");
        ASSERT_TRUE(second->DisplayContents());
        wxWeakRef<ChmHelpFrame> window = second->GetFrame();
        wxWebView* secondView = window->GetPageView();
        ASSERT_TRUE(ShowsPage(secondView, "index.html"));
        EXPECT_TRUE(ShowsText(secondView, "Quillory makes printable puzzle sheets"));
        EXPECT_NE(secondView->GetCurrentURL().BeforeFirst(':'), view->GetCurrentURL().BeforeFirst(':'));
        second.reset();
        EXPECT_TRUE(PumpUntil([&] { return !window; }));
    }
}

TEST(HelpFileTrouble, AMissingOrDamagedFileIsReportedWithoutAWindow)
{
    const char* damaged = "damaged-help.chm";
    std::ofstream(damaged, std::ios::binary) << "ITSF" << std::string(200, '\0');
    for (const wxString path : {"no-such-help.chm", damaged}) {
        MessageBoxAnswerer answerer;
        ChmHelpController help;
        EXPECT_FALSE(help.Initialize(path));
        EXPECT_FALSE(help.DisplayContents());
        EXPECT_EQ(help.GetFrame(), nullptr);
        ASSERT_EQ(answerer.messages.size(), 1u);
        EXPECT_EQ(answerer.messages[0], "The help file " + path + " could not be opened.");
        EXPECT_EQ(answerer.caption, "Information");
        EXPECT_TRUE(answerer.style & wxICON_EXCLAMATION);
    }
    std::remove(damaged);

    MessageBoxAnswerer answerer;
    EXPECT_FALSE(ChmHelpController().DisplayContents()) << "shown without Initialize";
    EXPECT_EQ(answerer.messages.size(), 1u);
}
