#include <cups/cups.h>
#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/msgdlg.h>
#include <wx/spinctrl.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/control_ids.h"
#include "app/frame.h"
#include "app/print_dialog.h"
#include "app/puzzle.h"
#include "dialog_script.h"
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

void Choose(PrintDialog& dialog, const wxString& printer, int copies)
{
    auto* printers = Child<wxComboBox>(&dialog, ID_Printers);
    printers->SetSelection(printers->FindString(printer, true));
    Child<wxSpinCtrl>(&dialog, ID_Copies)->SetValue(copies);
}

// The text of each sheet of a printed PDF.
std::vector<std::string> SheetTexts(const std::filesystem::path& pdf)
{
    std::vector<std::string> sheets;
    FILE* text = popen(("pdftotext -q '" + pdf.string() + "' -").c_str(), "r");
    if (!text)
        return sheets;
    std::string sheet;
    for (int c; (c = std::fgetc(text)) != EOF;) {
        if (c != '\f') {
            sheet += char(c);
            continue;
        }
        sheets.push_back(sheet);
        sheet.clear();
    }
    pclose(text);
    return sheets;
}

int Occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
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

    void OpenPuzzle()
    {
        ResetAlphabet();
        Dictionary list;
        list.AddWord("pencil", "You write with it");
        list.AddWord("paper", "You write on it");
        Puzzle* puzzle = AddGeneratedPuzzle(std::make_unique<Puzzle>(FreeformPuzzle), list, "Title");
        ASSERT_TRUE(PumpUntil([&] { return RenderedText(*puzzle).find("Title") != std::string::npos; }));
    }

    void Print() { RunMenuCommand(ID_Print); }

    void PrintOn(const char* printer)
    {
        PrintAnswerer answer([printer](PrintDialog& dialog) {
            Choose(dialog, printer, 1);
            Press(&dialog, ID_PrintAccept);
        });
        Print();
        EXPECT_TRUE(answer.messages.empty());
    }

    // The jobs are handed over from the event loop.
    bool WaitForCompletedJobs(const std::string& printer, int count)
    {
        return PumpUntil([&] { return cupsd->CompletedJobs(printer) >= count; }, 60000);
    }

    // Accept with no printer selected: the user is told, nothing is sent.
    void ExpectAcceptToPrintNothing(size_t listed)
    {
        OpenPuzzle();
        PrintAnswerer answer([listed](PrintDialog& dialog) {
            EXPECT_EQ(listed, Child<wxComboBox>(&dialog, ID_Printers)->GetCount());
            EXPECT_EQ("", dialog.SelectedPrinter());
            Press(&dialog, ID_PrintAccept);
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

TEST_F(PrintingTest, TheListShowsThePrintersWithTheDefaultSelected)
{
    SetDefaultPrinterA("beta");
    PrintDialog dialog(&TestFrame(), PrintDialogId, "Untitled1");
    EXPECT_EQ("Print Document", dialog.GetTitle());
    for (const auto& [id, label] : {std::make_pair(ID_PrinterLabel, "Choose printer"),
                                    std::make_pair(ID_CopiesLabel, "Number of copies"),
                                    std::make_pair(ID_PrintAccept, "Accept"), std::make_pair(ID_PrintCancel, "Cancel")})
        EXPECT_EQ(label, dialog.FindWindow(id)->GetLabel());
    auto* printers = Child<wxComboBox>(&dialog, ID_Printers);
    ASSERT_EQ(2u, printers->GetCount());
    EXPECT_EQ("alpha", printers->GetString(0));
    EXPECT_EQ("beta", printers->GetString(1));
    EXPECT_EQ(1, printers->GetSelection());
    EXPECT_EQ("beta", dialog.SelectedPrinter());

    EXPECT_EQ(1, dialog.Copies());
    Child<wxSpinCtrl>(&dialog, ID_Copies)->SetValue(1000);
    EXPECT_EQ(100, dialog.Copies());
}

TEST_F(PrintingTest, WithoutATabOnlyTheMessageIsShown)
{
    PrintAnswerer answer([](PrintDialog& dialog) { Press(&dialog, ID_PrintAccept); });
    Print();
    EXPECT_EQ(0, answer.printDialogs);
    ASSERT_EQ(1u, answer.messages.size());
    EXPECT_EQ("Information: No document available for printing. Please open a document first", answer.messages[0]);
}

// Cancel and the close box print nothing and leave the default alone; the print that
// follows reaches the server after anything they could have sent.
TEST_F(PrintingTest, EveryCopyIsPrintedOnTheChosenPrinterOnlyWhenAccepted)
{
    OpenPuzzle();
    for (bool closeBox : {false, true}) {
        PrintAnswerer answer([closeBox](PrintDialog& dialog) {
            Choose(dialog, "beta", 3);
            if (closeBox)
                dialog.Close();
            else
                Press(&dialog, ID_PrintCancel);
        });
        Print();
        EXPECT_EQ(1, answer.printDialogs);
    }
    EXPECT_EQ("alpha", DefaultPrinter());

    for (const auto& [printer, copies] : {std::pair<const char*, int>{"beta", 3}, {"alpha", 1}}) {
        PrintAnswerer answer([printer = printer, copies = copies](PrintDialog& dialog) {
            Choose(dialog, printer, copies);
            Press(&dialog, ID_PrintAccept);
        });
        Print();
        EXPECT_EQ(1, answer.printDialogs);
        EXPECT_TRUE(answer.messages.empty());
        EXPECT_EQ(printer, DefaultPrinter());
        EXPECT_TRUE(WaitForCompletedJobs(printer, copies)) << printer;
        EXPECT_GT(cupsd->OutputSize(printer), 0u) << printer;
    }
    // The view sends one print after another: with the one copy on alpha done,
    // a copy too many on beta would be on the server as well.
    EXPECT_EQ(4, AllJobs());
}

// Every card holds all 25 words of the list, so a sheet with a whole card
// shows the heading once and every word.
TEST_F(PrintingTest, BingoCardsPrintOneWholeCardToASheet)
{
    const char* const words[25] = {"apple",  "bread",  "cheese", "dragon", "eagle",  "forest", "garden",
                                   "harbor", "island", "jacket", "kettle", "lemon",  "meadow", "napkin",
                                   "orange", "pepper", "quartz", "rabbit", "saddle", "turnip", "umbrella",
                                   "violin", "walnut", "yogurt", "zipper"};
    ResetAlphabet();
    Dictionary list;
    for (const char* word : words)
        list.AddWord(word, "");
    for (int cards : {3, 25}) {
        SCOPED_TRACE(cards);
        CloseAllTabs();
        std::filesystem::remove(cupsd->OutputPath("alpha"));
        auto bingo = std::make_unique<Puzzle>(BingoPuzzle);
        bingo->numCards = cards;
        Puzzle* puzzle = AddGeneratedPuzzle(std::move(bingo), list, "");
        ASSERT_TRUE(PumpUntil([&] { return Occurrences(RenderedText(*puzzle), "BINGO") == cards; }));
        const int jobsBefore = cupsd->CompletedJobs("alpha");
        PrintOn("alpha");
        ASSERT_TRUE(WaitForCompletedJobs("alpha", jobsBefore + 1));

        const std::vector<std::string> sheets = SheetTexts(cupsd->OutputPath("alpha"));
        ASSERT_EQ(sheets.size(), size_t(cards));
        for (size_t i = 0; i < sheets.size(); ++i) {
            EXPECT_EQ(Occurrences(sheets[i], "BINGO"), 1) << "sheet " << i + 1;
            for (const char* word : words)
                EXPECT_EQ(Occurrences(sheets[i], word), 1) << "sheet " << i + 1 << ": " << word;
        }
    }
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
