#include "app/gui_test_main.h"

#include <gtest/gtest.h>
#include <wx/app.h>

#include "app/frame.h"
#include "app/puzzle.h"
#include "browser/IEHtmlWin.h"

namespace {

class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

}  // namespace

MyFrame& TestFrame()
{
    if (!theFrame) {
        auto* frame = new MyFrame(nullptr, wxID_ANY, "Quillory 1.0.4", wxDefaultPosition, wxSize(800, 600));
        wxTheApp->SetTopWindow(frame);
        frame->Show();
        PumpUntil([] { return false; }, 200);
    }
    return *theFrame;
}

void CloseTab(size_t page)
{
    MyFrame& frame = TestFrame();
    wxAuiNotebookEvent close(wxEVT_AUINOTEBOOK_PAGE_CLOSE, frame.m_notebook->GetId());
    close.SetSelection(int(page));
    close.SetEventObject(frame.m_notebook);
    frame.OnDocumentTabClose(close);
    frame.m_notebook->DeletePage(page);
}

void CloseAllTabs()
{
    while (TestFrame().m_notebook->GetPageCount() > 0)
        CloseTab(TestFrame().m_notebook->GetPageCount() - 1);
    PumpUntil([] { return false; }, 50);
}

void RunMenuCommand(int id)
{
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(&TestFrame());
    TestFrame().ProcessWindowEvent(command);
}

Puzzle* AddGeneratedPuzzle(std::unique_ptr<Puzzle> puzzle, const Dictionary& list, const std::string& title)
{
    puzzle->Generate(list, title);
    Puzzle* added = puzzle.get();
    TestFrame().AddPuzzlePage(std::move(puzzle), "Unnamed file");
    return added;
}

std::string RenderedText(Puzzle& puzzle) { return WebViewText(WebViewIn(puzzle.view)); }

DialogAnswerer::DialogAnswerer(Handler handler) : handler_(std::move(handler)) { Register(); }

DialogAnswerer::~DialogAnswerer() { Unregister(); }

int DialogAnswerer::Enter(wxDialog* dialog)
{
    ++shown;
    return handler_(dialog);
}

// A failed assertion would open its dialog and wait for a person: fail the test instead.
static void FailOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                         const wxString& message)
{
    ADD_FAILURE_AT(file.utf8_str(), line) << function << ": " << condition << " " << message;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxSetAssertHandler(FailOnAssert);
    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 1;
    int result = RUN_ALL_TESTS();
    // The frame is gone already when a test ran Exit.
    if (wxWindow* frame = wxTheApp->GetTopWindow())
        frame->Destroy();
    wxTheApp->ProcessPendingEvents();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
