#include <cups/cups.h>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/frame.h"
#include "app/gui_test_main.h"
#include "app/print_dialog.h"
#include "app/puzzle.h"
#include "engine/alphabet.h"
#include "engine/dictionary.h"
#include "platform/spooler/default_printer.h"
#include "support/private_cupsd.h"

namespace {

std::string DefaultPrinter()
{
    char name[256];
    std::uint32_t capacity = sizeof name;
    return GetDefaultPrinterA(name, &capacity) ? name : "(none)";
}

// Jobs of every printer in every state: a print that should not have happened
// shows here even before it completes.
int AllJobs()
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(count, jobs);
    return count;
}

template <typename Control>
Control* Child(wxWindow* dialog, int id)
{
    return wxDynamicCast(dialog->FindWindow(id), Control);
}

void Click(wxWindow* dialog, int id)
{
    wxWindow* button = dialog->FindWindow(id);
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

void Choose(PrintDialog& dialog, const wxString& printer, int copies)
{
    auto* printers = Child<wxComboBox>(&dialog, ID_Printers);
    printers->SetSelection(printers->FindString(printer, true));
    Child<wxSpinCtrl>(&dialog, ID_Copies)->SetValue(copies);
}

using Action = std::function<void(PrintDialog&)>;

// Does to the print dialog, once it runs modally, what the user would; keeps
// the text of every message box and answers it with OK.
class PrintAnswerer {
public:
    explicit PrintAnswerer(Action action)
        : hook_([this, action](wxDialog* dialog) {
              if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
                  messages.push_back(box->GetCaption() + ": " + box->GetMessage());
                  return int(wxID_OK);
              }
              if (auto* print = dynamic_cast<PrintDialog*>(dialog)) {
                  ++printDialogs;
                  print->CallAfter([print, action] { action(*print); });
              }
              return int(wxID_NONE);
          })
    {
    }

    std::vector<wxString> messages;
    int printDialogs = 0;

private:
    DialogAnswerer hook_;
};

// libcups and the toolkit's print backend settle on a print server at their
// first call, so each suite keeps one server for all its tests.
class PrintServerTest : public testing::Test {
protected:
    static void StartServer(std::initializer_list<const char*> printers)
    {
        cupsd = std::make_unique<PrivateCupsd>();
        for (const char* printer : printers)
            cupsd->AddPrinter(printer);
    }
    static void TearDownTestSuite() { cupsd.reset(); }

    void SetUp() override
    {
        TestFrame();
        CloseAllTabs();
    }
    void TearDown() override { CloseAllTabs(); }

    int RunDialog(const Action& action)
    {
        PrintAnswerer answer(action);
        PrintDialog dialog(&TestFrame(), PrintDialogId, "Untitled1");
        return dialog.ShowModal();
    }

    void OpenPuzzle()
    {
        ResetAlphabet();
        Dictionary list;
        list.AddWord("pencil", "You write with it");
        list.AddWord("paper", "You write on it");
        Puzzle* puzzle = AddGeneratedPuzzle(new Puzzle(FreeformPuzzle), list, "Title");
        ASSERT_TRUE(PumpUntil([&] { return RenderedText(*puzzle).find("Title") != std::string::npos; }));
    }

    void Print() { RunMenuCommand(ID_Print); }

    // The jobs are handed over from the event loop. A little longer, so that a
    // job too many would show as well.
    bool WaitForCompletedJobs(const std::string& printer, int count)
    {
        const bool reached = PumpUntil([&] { return cupsd->CompletedJobs(printer) >= count; }, 60000);
        PumpUntil([] { return false; }, 500);
        return reached;
    }

    // Accept with no printer selected: the user is told, nothing is sent.
    void ExpectAcceptToPrintNothing(size_t listed)
    {
        OpenPuzzle();
        PrintAnswerer answer([listed](PrintDialog& dialog) {
            EXPECT_EQ(listed, Child<wxComboBox>(&dialog, ID_Printers)->GetCount());
            EXPECT_EQ("", dialog.SelectedPrinter());
            Click(&dialog, ID_Accept);
        });
        Print();
        EXPECT_EQ(1, answer.printDialogs);
        ASSERT_EQ(1u, answer.messages.size());
        EXPECT_EQ("Information: Nothing was printed: no printer was chosen.", answer.messages[0]);
    }

    static std::unique_ptr<PrivateCupsd> cupsd;
};

std::unique_ptr<PrivateCupsd> PrintServerTest::cupsd;

// Two printers, "alpha" the default at the start of each test.
class PrintingTest : public PrintServerTest {
protected:
    static void SetUpTestSuite()
    {
        StartServer({"alpha", "beta"});
        cupsd->SetServerDefault("alpha");
    }

    void SetUp() override
    {
        PrintServerTest::SetUp();
        SetDefaultPrinterA("alpha");
        for (const char* printer : {"alpha", "beta"}) {
            cupsCancelJob2(CUPS_HTTP_DEFAULT, printer, CUPS_JOBID_ALL, 1);
            std::filesystem::remove(cupsd->OutputPath(printer));
        }
    }
};

TEST_F(PrintingTest, TheDialogIsLaidOutWithItsIdsTextsAndFont)
{
    PrintDialog dialog(&TestFrame(), PrintDialogId, "Untitled1");
    EXPECT_EQ("Print Document", dialog.GetTitle());
    EXPECT_EQ("dialog", dialog.GetName());
    EXPECT_EQ(PrintDialogStyle, dialog.GetWindowStyleFlag() & PrintDialogStyle);

    struct Expected {
        int id;
        const char* label;
        const char* name;
        wxSize size;
    };
    const Expected controls[] = {
        {ID_PrinterLabel, "Choose printer", "WxStaticText1", wxDefaultSize},
        {ID_Printers, nullptr, "WxComboBox1", wxSize(171, 21)},
        {ID_CopiesLabel, "Number of copies", "WxStaticText2", wxDefaultSize},
        {ID_Copies, nullptr, "wxSpinCtrl", wxSize(170, 22)},
        {ID_Accept, "Accept", "WxButton1", wxSize(75, 25)},
        {ID_Cancel, "Cancel", "WxButton2", wxSize(75, 25)},
    };
    for (const Expected& expected : controls) {
        wxWindow* control = dialog.FindWindow(expected.id);
        ASSERT_NE(nullptr, control) << expected.id;
        EXPECT_EQ(expected.name, control->GetName());
        if (expected.label) {
            EXPECT_EQ(expected.label, control->GetLabel());
        }
        EXPECT_EQ(expected.size, control->GetMinSize()) << expected.name;
        const wxFont font = control->GetFont();
        EXPECT_EQ(8, font.GetPointSize()) << expected.name;
        EXPECT_EQ("Tahoma", font.GetFaceName()) << expected.name;
        EXPECT_EQ(wxFONTWEIGHT_NORMAL, font.GetWeight()) << expected.name;
        EXPECT_EQ(wxFONTSTYLE_NORMAL, font.GetStyle()) << expected.name;
    }

    // Two columns: the labels left of their controls, the buttons in the last row's right cell.
    auto* grid = wxDynamicCast(dialog.GetSizer(), wxFlexGridSizer);
    ASSERT_NE(nullptr, grid);
    EXPECT_EQ(2, grid->GetCols());
    ASSERT_EQ(6u, grid->GetItemCount());
    const int gridIds[] = {ID_PrinterLabel, ID_Printers, ID_CopiesLabel, ID_Copies};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(gridIds[i], grid->GetItem(i)->GetWindow()->GetId());
    EXPECT_EQ(0u, grid->GetItem(4)->GetSizer()->GetItemCount());
    wxSizer* buttons = grid->GetItem(5)->GetSizer();
    ASSERT_EQ(2u, buttons->GetItemCount());
    EXPECT_EQ(ID_Accept, buttons->GetItem(size_t(0))->GetWindow()->GetId());
    EXPECT_EQ(ID_Cancel, buttons->GetItem(size_t(1))->GetWindow()->GetId());

    auto* copies = Child<wxSpinCtrl>(&dialog, ID_Copies);
    EXPECT_EQ(1, dialog.Copies());
    copies->SetValue(1000);
    EXPECT_EQ(100, dialog.Copies());
    copies->SetValue(0);
    EXPECT_EQ(1, dialog.Copies());
}

TEST_F(PrintingTest, TheListShowsThePrintersWithTheDefaultSelected)
{
    SetDefaultPrinterA("beta");
    PrintDialog dialog(&TestFrame(), PrintDialogId, "Untitled1");
    auto* printers = Child<wxComboBox>(&dialog, ID_Printers);
    ASSERT_EQ(2u, printers->GetCount());
    EXPECT_EQ("alpha", printers->GetString(0));
    EXPECT_EQ("beta", printers->GetString(1));
    EXPECT_EQ(1, printers->GetSelection());
    EXPECT_EQ("beta", dialog.SelectedPrinter());
}

TEST_F(PrintingTest, AcceptMakesTheChosenPrinterTheDefault)
{
    int copies = 0;
    EXPECT_EQ(PrintAccepted, RunDialog([&](PrintDialog& dialog) {
                  Choose(dialog, "beta", 3);
                  Click(&dialog, ID_Accept);
                  copies = dialog.Copies();
              }));
    EXPECT_EQ(3, copies);
    EXPECT_EQ("beta", DefaultPrinter());
}

TEST_F(PrintingTest, CancelAndTheCloseBoxLeaveTheDefaultAlone)
{
    EXPECT_EQ(PrintCancelled, RunDialog([](PrintDialog& dialog) {
                  Choose(dialog, "beta", 3);
                  Click(&dialog, ID_Cancel);
              }));
    EXPECT_EQ(PrintCancelled, RunDialog([](PrintDialog& dialog) {
                  Choose(dialog, "beta", 3);
                  dialog.Close();
              }));
    EXPECT_EQ("alpha", DefaultPrinter());
}

TEST_F(PrintingTest, WithoutATabOnlyTheMessageIsShown)
{
    PrintAnswerer answer([](PrintDialog& dialog) { Click(&dialog, ID_Accept); });
    Print();
    EXPECT_EQ(0, answer.printDialogs);
    ASSERT_EQ(1u, answer.messages.size());
    EXPECT_EQ("Information: No document available for printing. Please open a document first", answer.messages[0]);
}

TEST_F(PrintingTest, EveryCopyIsPrintedOnTheChosenPrinter)
{
    OpenPuzzle();
    PrintAnswerer answer([](PrintDialog& dialog) {
        Choose(dialog, "beta", 3);
        Click(&dialog, ID_Accept);
    });
    Print();
    EXPECT_EQ(1, answer.printDialogs);
    EXPECT_TRUE(answer.messages.empty());
    EXPECT_EQ("beta", DefaultPrinter());
    EXPECT_TRUE(WaitForCompletedJobs("beta", 3));
    EXPECT_GT(cupsd->OutputSize("beta"), 0u);
    EXPECT_EQ(3, AllJobs());
}

TEST_F(PrintingTest, ACancelledPrintPrintsNothing)
{
    OpenPuzzle();
    for (bool closeBox : {false, true}) {
        PrintAnswerer answer([closeBox](PrintDialog& dialog) {
            Choose(dialog, "beta", 3);
            if (closeBox)
                dialog.Close();
            else
                Click(&dialog, ID_Cancel);
        });
        Print();
        EXPECT_EQ(1, answer.printDialogs);
    }
    EXPECT_EQ("alpha", DefaultPrinter());

    // A print that follows reaches the server after anything the cancelled ones sent.
    PrintAnswerer answer([](PrintDialog& dialog) { Click(&dialog, ID_Accept); });
    Print();
    EXPECT_TRUE(WaitForCompletedJobs("alpha", 1));
    EXPECT_EQ(1, AllJobs());
}

class NoDefaultPrinterTest : public PrintServerTest {
protected:
    static void SetUpTestSuite() { StartServer({"alpha"}); }
};

TEST_F(NoDefaultPrinterTest, NothingIsSelectedAndAcceptPrintsNothing)
{
    ExpectAcceptToPrintNothing(1);
}

class NoPrinterTest : public PrintServerTest {
protected:
    static void SetUpTestSuite() { StartServer({}); }
};

TEST_F(NoPrinterTest, TheListIsEmptyAndAcceptPrintsNothing)
{
    ExpectAcceptToPrintNothing(0);
}

}  // namespace
