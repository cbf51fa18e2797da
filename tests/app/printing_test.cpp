#include <cups/cups.h>
#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/msgdlg.h>
#include <wx/spinctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
#include "engine/grid.h"
#include "dialog_script.h"
#include "engine/alphabet.h"
#include "engine/dictionary.h"
#include "platform/spooler/default_printer.h"
#include "support/network_printers.h"
#include "support/private_cupsd.h"
#include "support/sheet_picture.h"

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
    void ExpectAcceptToPrintNothing(size_t listed, const std::string& message)
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
        EXPECT_EQ(0u, answer.messages[0].ToStdString().rfind("Information: Nothing was printed: " + message, 0))
            << answer.messages[0];
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

// A queue that refuses jobs is said before anything is sent; taking jobs again,
// the same print goes through without a word.
TEST_F(PrintingTest, AQueueRefusingJobsIsSaidAndGetsNoJob)
{
    OpenPuzzle();
    cupsd->AcceptJobs("alpha", false);
    {
        PrintAnswerer answer([](PrintDialog& dialog) {
            Choose(dialog, "alpha", 2);
            Press(&dialog, ID_PrintAccept);
        });
        Print();
        ASSERT_EQ(1u, answer.messages.size());
        EXPECT_EQ("Information: Nothing was printed: the printer \"alpha\" is not accepting jobs (Rejecting Jobs).",
                  answer.messages[0]);
    }
    PumpUntil([] { return false; }, 1000);
    EXPECT_EQ(0, AllJobs());
    cupsd->AcceptJobs("alpha", true);
    PrintOn("alpha");
    EXPECT_TRUE(WaitForCompletedJobs("alpha", 1));
    EXPECT_EQ(1, AllJobs());
}

// Entry i of a list: its own start and end marks around filler up to the length.
std::string Phrase(int i, size_t length, const char* filler)
{
    const std::string mark = std::string(1, char('a' + i / 26)) + char('a' + i % 26);
    std::string phrase = "q" + mark + "start";
    while (phrase.size() < length)
        phrase += filler;
    return phrase.substr(0, length - mark.size() - 3) + mark + "end";
}

struct SheetCase {
    const char* name;
    size_t length;  // of each entry; 0 for a grid
    const char* filler;
    int cards;      // or the grid's width
    int sheets;
    PuzzleType grid = WordSearchPuzzle;
};

// A grid fitted to the sheet keeps the four sides of its border on the first
// sheet, half a point wide: two pixels at 288 dots per inch.
bool WholeBorder(const std::filesystem::path& pdf)
{
    const wxImage sheet = FirstSheetPicture(pdf, 288);
    const DrawnBorder border = TableBorder(sheet);
    if (border.thickness == 0)
        return false;
    for (int y = border.top; y <= border.bottom; ++y)
        if (!Dark(sheet, border.left, y) || !Dark(sheet, border.right, y))
            return false;
    return true;
}

// Every entry of a card, or every letter of a grid row and the grid's border,
// lands on paper whole, and each card on a sheet of its own.
TEST_F(PrintingTest, EverySheetIsWhole)
{
    const SheetCase cases[] = {
        {"90-character phrases", 90, " lorem", 2, 2},
        {"150-character phrases", 150, " lorem", 3, 3},
        // Wider than the narrowest print layout: two cards would share a sheet
        // but for the break between them.
        {"an unbroken word", 20, "x", 3, 3},
        {"a 60 x 60 grid", 0, "", 60, 1},
        // Zoomed out, its cells' borders keep a whole pixel.
        {"a 60 x 60 crossword sheet", 0, "", 60, 2, FreeformPuzzle},
        {"a 25 x 15 grid", 0, "", 25, 1},
    };
    for (const SheetCase& c : cases) {
        SCOPED_TRACE(c.name);
        CloseAllTabs();
        std::filesystem::remove(cupsd->OutputPath("alpha"));
        ResetAlphabet();
        Puzzle* puzzle = nullptr;
        if (c.length > 0) {
            Dictionary list;
            for (int i = 0; i < 25; ++i)
                list.AddWord(Phrase(i, c.length, c.filler), "");
            auto bingo = std::make_unique<Puzzle>(BingoPuzzle);
            bingo->numCards = c.cards;
            bingo->freeSpace = true;
            puzzle = AddGeneratedPuzzle(std::move(bingo), list, "");
            ASSERT_TRUE(PumpUntil([&] { return Occurrences(RenderedText(*puzzle), "BINGO") == c.cards; }));
        } else {
            const int rows = c.cards == 60 ? 60 : 15;
            auto owned = std::make_unique<Puzzle>(c.grid);
            puzzle = owned.get();
            puzzle->grid = Grid(c.cards, rows);
            for (int y = 0; y < rows; ++y)
                for (int x = 0; x < c.cards; ++x)
                    puzzle->grid.CellAt(x, y).SetSymbol(Alphabet::SymbolOf(char('a' + (x + y) % 26)));
            puzzle->Render("Grid");
            TestFrame().AddPuzzlePage(std::move(owned), "Unnamed file");
            ASSERT_TRUE(PumpUntil([&] { return RenderedText(*puzzle).find("Grid") != std::string::npos; }));
        }
        const int jobsBefore = cupsd->CompletedJobs("alpha");
        PrintOn("alpha");
        ASSERT_TRUE(WaitForCompletedJobs("alpha", jobsBefore + 1));

        const std::vector<std::string> sheets = SheetTexts(cupsd->OutputPath("alpha"));
        ASSERT_EQ(sheets.size(), size_t(c.sheets));
        for (size_t k = 0; k < sheets.size() && c.length > 0; ++k) {
            EXPECT_EQ(Occurrences(sheets[k], "BINGO"), 1) << "sheet " << k + 1;
            EXPECT_EQ(Occurrences(sheets[k], "Free"), 1) << "sheet " << k + 1;
            int whole = 0;
            for (int i = 0; i < 25; ++i) {
                const std::string phrase = Phrase(i, c.length, c.filler);
                whole += Occurrences(sheets[k], phrase.substr(0, 6)) == 1 &&
                         Occurrences(sheets[k], phrase.substr(phrase.size() - 5)) == 1;
            }
            EXPECT_EQ(whole, 24) << "sheet " << k + 1;
        }
        // Grid letters are capitals; the rest of the page has two.
        int capitals = 0;
        for (const std::string& sheet : sheets)
            capitals += int(std::count_if(sheet.begin(), sheet.end(), [](char ch) { return ch >= 'A' && ch <= 'Z'; }));
        if (c.length == 0 && c.grid == WordSearchPuzzle) {
            EXPECT_EQ(capitals, c.cards * (c.cards == 60 ? 60 : 15) + 2);
        }
        if (c.length == 0) {
            EXPECT_TRUE(WholeBorder(cupsd->OutputPath("alpha")));
        }
    }
}

class NoDefaultPrinterTest : public PrintServerTest {
protected:
    static void SetUpTestSuite() { StartServer({"alpha"}); }
};

TEST_F(NoDefaultPrinterTest, NothingIsSelectedAndAcceptPrintsNothing)
{
    ExpectAcceptToPrintNothing(1, "no printer was chosen.");
}

class NoPrinterTest : public PrintServerTest {
protected:
    static void SetUpTestSuite() { StartServer({}); }
};

TEST_F(NoPrinterTest, TheListIsEmptyAndAcceptPrintsNothing)
{
    ExpectAcceptToPrintNothing(0, "no printer could be found");
}

class NoServerTest : public PrintServerTest {
protected:
    static void SetUpTestSuite()
    {
        StartServer({});
        cupsd->Stop();
    }
};

TEST_F(NoServerTest, AcceptSaysThePrintServerDoesNotAnswer)
{
    ExpectAcceptToPrintNothing(0, "the print server does not answer.");
}

// Printers found on the network, which the server gives a queue only when asked
// for their details: "hall" stands for the printer itself; of the others, one is
// gone by the time it is chosen, one is switched off and one hangs.
class NetworkPrinterTest : public PrintServerTest {
protected:
    static void SetUpTestSuite()
    {
        StartServer({"alpha"});
        FindOnNetwork("Hall_Printer", cupsd->AddNetworkPrinter("hall"));
        FindOnNetwork("Gone_Printer", "dnssd://Gone%20Printer._ipp._tcp.local/");
        FindOnNetwork("Off_Printer", "ipp://127.0.0.1:1/ipp/print");
        FindOnNetwork("Mute_Printer", MutePrinterUri());
        FindOnNetwork("Hung_Printer", "ipps" + MutePrinterUri().substr(3));
    }
};

TEST_F(NetworkPrinterTest, OneWithoutAQueuePrintsStraightFromTheDialogAndStaysTheDefault)
{
    OpenPuzzle();
    PrintOn("Hall_Printer");
    EXPECT_EQ("Hall_Printer", DefaultPrinter());
    EXPECT_TRUE(WaitForCompletedJobs("hall", 1));
    EXPECT_GT(cupsd->OutputSize("hall"), 0u);

    // As the server drops the queue it made, a minute after the job.
    ASSERT_TRUE(WaitForCompletedJobs("Hall_Printer", 1));
    ASSERT_EQ(0, std::system("lpadmin -x Hall_Printer"));
    PrintAnswerer answer([](PrintDialog& dialog) {
        EXPECT_EQ("Hall_Printer", dialog.SelectedPrinter());
        Press(&dialog, ID_PrintCancel);
    });
    Print();
    EXPECT_EQ(1, answer.printDialogs);
}

TEST_F(NetworkPrinterTest, OneThatCannotBeReachedIsSaidOnceAndGetsNoJob)
{
    OpenPuzzle();
    for (const std::string printer : {"Gone_Printer", "Off_Printer", "Mute_Printer", "Hung_Printer"}) {
        SetDefaultPrinterA("alpha");
        const int jobsBefore = AllJobs();
        std::chrono::duration<double> accepting{};
        PrintAnswerer answer([&](PrintDialog& dialog) {
            Choose(dialog, printer, 2);
            const auto start = std::chrono::steady_clock::now();
            Press(&dialog, ID_PrintAccept);
            accepting = std::chrono::steady_clock::now() - start;
        });
        Print();
        // Five seconds for the printer's answer, and a little for the server.
        EXPECT_LT(accepting.count(), 8.5) << printer;
        ASSERT_EQ(1u, answer.messages.size());
        EXPECT_EQ("Information: Nothing was printed: the printer \"" + printer + "\" could not be reached.",
                  answer.messages[0]);
        EXPECT_EQ("alpha", DefaultPrinter());
        PumpUntil([] { return false; }, 1000);
        EXPECT_EQ(jobsBefore, AllJobs());
    }
}

}  // namespace
