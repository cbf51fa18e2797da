#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include "app/command_edge.h"
#include "app/document_bounds.h"
#include "app/document_reader.h"
#include "app/control_ids.h"
#include "app/frame.h"
#include "app/puzzle.h"
#include "dialog_script.h"
#include "puzzles/scramble_page.h"
#include "support/event_pump.h"
#include "support/failing_read.h"
#include "support/many_attributes.h"
#include "support/named_pipe.h"
#include "support/repeated.h"
#include "support/temp_file.h"

namespace {

constexpr uid_t Nobody = 65534, Daemon = 1;

// Save and Open as the menus run them, with the file dialogs answered.
class DocumentCommandsTest : public testing::Test {
protected:
    // No trace of an earlier run stands in for one the test's Open should write.
    void SetUp() override
    {
        CloseAllTabs();
        std::remove("load.log");
    }
    void TearDown() override { CloseAllTabs(); }

    Puzzle* Add(PuzzleType type, const std::string& title)
    {
        Dictionary list;
        list.AddWord("giraffe", "Tallest animal");
        list.AddWord("zebra", "Striped horse");
        list.AddWord("lion", "");
        list.AddWord("r&b", "Music <style>");
        auto puzzle = std::make_unique<Puzzle>(type);
        puzzle->numCards = 3;
        puzzle->freeSpace = true;
        return AddGeneratedPuzzle(std::move(puzzle), list, title);
    }

    void Save(const std::string& path)
    {
        script.paths.push_back(path);
        RunMenuCommand(ID_Save);
    }

    Puzzle* Open(const std::string& path)
    {
        size_t before = frame.m_notebook->GetPageCount();
        script.paths.push_back(path);
        RunMenuCommand(ID_Open);
        return frame.m_notebook->GetPageCount() > before ? frame.CurrentPuzzle() : nullptr;
    }

    static std::string GridText(Puzzle& puzzle)
    {
        std::ostringstream out;
        puzzle.grid.PrintAscii(out);
        return out.str();
    }

    MyFrame& frame = TestFrame();
    DialogScript script;
    TempFolder temp;
    const std::string folder = temp.path();
};

TEST_F(DocumentCommandsTest, EveryKindOpensAgainAsItWasSaved)
{
    for (PuzzleType type : {FreeformPuzzle, WordSearchPuzzle, BingoPuzzle, ScramblePuzzle}) {
        Puzzle* saved = Add(type, "Animals & <friends>");
        std::string path = folder + "/kind" + std::to_string(type) + ".qzl";
        Save(path);
        EXPECT_EQ(frame.m_notebook->GetPageText(frame.m_notebook->GetSelection()), "kind" + std::to_string(type) + ".qzl");

        Puzzle* opened = Open(path);
        ASSERT_NE(opened, nullptr) << type;
        EXPECT_EQ(opened->type, type);
        EXPECT_EQ(opened->title, saved->title);
        ASSERT_EQ(opened->wordList.WordCount(), saved->wordList.WordCount());
        for (int i = 0; i < saved->wordList.WordCount(); ++i) {
            std::string word = saved->wordList.WordText(i);
            EXPECT_EQ(opened->wordList.WordText(i), word);
            EXPECT_EQ(opened->wordList.ClueFor(word), saved->wordList.ClueFor(word));
        }
        EXPECT_EQ(GridText(*opened), GridText(*saved));
        ASSERT_EQ(opened->grid.placements.size(), saved->grid.placements.size());
        for (size_t i = 0; i < saved->grid.placements.size(); ++i)
            EXPECT_EQ(opened->grid.PlacedWordText(int(i)), saved->grid.PlacedWordText(int(i)));
        EXPECT_EQ(opened->numCards, type == BingoPuzzle ? 3 : 1);
        EXPECT_EQ(opened->freeSpace, type == BingoPuzzle);
        EXPECT_EQ(opened->scramblePage, saved->scramblePage) << "the same shuffle";
        if (type == BingoPuzzle) {
            EXPECT_EQ(RenderedText(*opened), RenderedText(*saved)) << "the same cards";
        }
    }
    EXPECT_TRUE(script.messages.empty());
}

TEST_F(DocumentCommandsTest, FilesAreWrittenWithCrLfAndTracedWhenRead)
{
    Add(FreeformPuzzle, "Zoo");
    std::string path = folder + "/zoo.qzl";
    Save(path);
    std::string text = FileText(path);
    EXPECT_EQ(text.rfind("<document type=\"freeform\">\r\n<wordlist>giraffe\tTallest animal\r\n", 0), 0u);
    EXPECT_NE(text.find("r&amp;b\tMusic &lt;style&gt;\r\n"), std::string::npos);
    EXPECT_EQ(text.find("\n\n"), std::string::npos);

    Open(path);
    Open(path);
    EXPECT_EQ(frame.m_notebook->GetPageCount(), 3u);
    EXPECT_EQ(frame.m_notebook->GetPageText(1), "zoo.qzl");
    EXPECT_EQ(frame.m_notebook->GetPageText(2), "zoo.qzl");
    EXPECT_EQ(FileText("load.log"), "start\nwordlist\ntitle\ngrid\ngoing set title\ngoing to add\n");
}

TEST_F(DocumentCommandsTest, SavingWithoutATabSaysSo)
{
    RunMenuCommand(ID_Save);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0], "No document available for saving. Please open a document first");
}

// A cancelled or failed open leaves only "start" in the trace; a failure names
// the file, and what it is when it is no file, which is never waited on.
TEST_F(DocumentCommandsTest, AFailedOpenNamesTheFile)
{
    std::string empty = folder + "/empty.qzl";
    std::ofstream(empty).flush();
    std::string broken = folder + "/broken.qzl";
    std::ofstream(broken) << "<document type=\"freeform\"><title>unclosed</document>";
    const std::string pipe = folder + "/pipe.qzl", inFolder = folder + "/folder.qzl";
    mkfifo(pipe.c_str(), 0600);
    mkdir(inFolder.c_str(), 0755);
    const std::string unreadable = folder + "/bad-block.qzl";
    std::ofstream(unreadable) << "<document type=\"freeform\"><title>Zoo</title></document>";
    const FailingRead badBlock(unreadable, 10);
    const std::pair<std::string, const char*> cases[] = {
        {"", ""},
        {empty, "it is not a puzzle"},
        {broken, "it is not a puzzle"},
        {pipe, "it is a named pipe (a channel between programs), not a file"},
        {"/dev/zero", "it is a device (such as a disk or a terminal), not a file"},
        {inFolder, "it is a folder, not a file"},
        {unreadable, "it cannot be read"}};
    for (const auto& [path, what] : cases) {
        SCOPED_TRACE(path);
        std::ofstream("load.log") << "an earlier trace\n";
        script.messages.clear();
        if (path.empty()) {
            RunMenuCommand(ID_Open);
        } else {
            EXPECT_FALSE(WaitsOn(path, [&, &path = path] { EXPECT_EQ(Open(path), nullptr); }));
            ASSERT_EQ(script.messages.size(), 1u);
            EXPECT_EQ(script.messages[0], "The file " + path + " could not be opened: " + what + ".");
        }
        EXPECT_EQ(FileText("load.log"), "start\n");
        EXPECT_EQ(frame.m_notebook->GetPageCount(), 0u);
    }
}

// A trace that cannot be written is told once a run, naming load.log, and the
// document opens all the same; a failed Open says only its own failure, and
// leaves the trace's to the next Open that succeeds.
// Nothing in the trace's place is waited on or written to, nor is a link that
// another user planted in a shared folder followed to a file of the teacher's.
TEST_F(DocumentCommandsTest, ATraceThatCannotBeWrittenIsToldOnceAndTheDocumentOpens)
{
    Add(FreeformPuzzle, "Zoo");
    const std::string path = folder + "/zoo.qzl", notes = folder + "/notes.txt";
    Save(path);
    std::ofstream(notes) << "old";
    // First a failed Open, whose trace fails first in the run.
    std::vector<std::pair<std::function<void(const std::string&)>, const char*>> cases = {
        {[](auto& log) { mkfifo(log.c_str(), 0600); }, nullptr},
        {[](auto& log) { mkfifo(log.c_str(), 0600); }, "it is a named pipe"},
        {[](auto& log) { symlink("/dev/zero", log.c_str()); }, "it is a device"},
        {[](auto& log) { mkdir(log.c_str(), 0755); }, "it is a folder"}};
    const bool root = geteuid() == 0;
    if (root)
        cases.push_back({[&](auto& log) {
                             symlink(notes.c_str(), log.c_str());
                             lchown(log.c_str(), Daemon, Daemon);
                         },
                         "Permission denied"});
    const std::string broken = folder + "/broken.qzl";
    std::ofstream(broken) << "<document type=\"freeform\"><title>unclosed</document>";
    const auto before = std::filesystem::current_path();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string shared = folder + "/shared" + std::to_string(i), log = shared + "/load.log";
        mkdir(shared.c_str(), 0755);
        chmod(shared.c_str(), 01777);
        ASSERT_TRUE(!root || chown(shared.c_str(), Nobody, Nobody) == 0);
        cases[i].first(log);
        script.messages.clear();
        std::filesystem::current_path(shared);
        const bool fails = !cases[i].second;
        EXPECT_FALSE(WaitsOn(log, [&] { EXPECT_EQ(Open(fails ? broken : path) != nullptr, !fails); }));
        std::filesystem::current_path(before);
        ASSERT_EQ(script.messages.size(), i == 1 || fails ? 1u : 0u);
        if (i == 1) {
            EXPECT_EQ(script.messages[0], "The trace of this opening could not be written to " + log + ": " +
                                              cases[i].second + " (a channel between programs), not a file. The "
                                              "trace only helps to find faults, so opening went on without it.");
        }
        if (fails) {
            EXPECT_EQ(script.messages[0], "The file " + broken + " could not be opened: it is not a puzzle.");
        }
    }
    EXPECT_EQ(FileText(notes), "old");
}

// A scramble whose page is the given number of bytes: clues of the longest
// length fill it up to the last row, and the title makes up the bytes left.
std::string ScrambleWithPage(std::size_t pageBytes)
{
    auto entries = [](std::size_t clueChars) {
        std::string lines;
        for (std::size_t at = 0, i = 0; at < clueChars; at += MaxClueChars, ++i) {
            std::string word = "w";
            for (std::size_t n = i; word.size() < 5; n /= 8)
                word += char('a' + n % 8);
            lines += word + "\t" + std::string(std::min<std::size_t>(MaxClueChars, clueChars - at), 'c') + "\n";
        }
        return lines;
    };
    auto page = [&](std::size_t clueChars) {
        Dictionary list;
        std::istringstream lines(entries(clueChars));
        for (std::string word, clue; std::getline(lines, word, '\t') && std::getline(lines, clue);)
            list.AddWord(word, clue);
        return FillScramblePage(BuildScramblePage(list), "", false).size();
    };
    std::size_t fits = 0, past = std::size_t(MaxDocumentEntries) * MaxClueChars;
    while (past - fits > 1) {
        const std::size_t middle = (fits + past) / 2;
        (page(middle) <= pageBytes ? fits : past) = middle;
    }
    const std::size_t title = pageBytes - page(fits);
    EXPECT_LE(title, std::size_t(MaxTitleChars));
    return "<document type=\"scramble\"><wordlist>" + entries(fits) + "</wordlist><title>" + std::string(title, 't') +
           "</title></document>";
}

// Each bound at its edge: the document on it opens; the one just past it and
// one far past it are refused with a message naming the file and the bound
// ("#" stands for the count the document holds), and nothing else changes.
TEST_F(DocumentCommandsTest, DocumentsPastABoundAreRefusedAndHarmNothing)
{
    Add(FreeformPuzzle, "Earlier");
    auto freeform = [](const std::string& inside) { return "<document type=\"freeform\">" + inside + "</document>"; };
    auto grid = [&](std::size_t width, std::size_t height) {
        const std::string edge = "+" + Repeated("---+", width) + "\n";
        return freeform("<grid>" + edge + Repeated("|" + Repeated("   |", width) + "\n" + edge, height) + "</grid>");
    };
    auto comment = [&](std::size_t n) { return freeform("<!--" + std::string(n, '-') + "-->"); };
    auto entry = [&](const std::string& word, const std::string& clue) {
        return freeform("<wordlist>ant\tclue\n" + word + "\t" + clue + "\n</wordlist>");
    };
    const std::string longWord = "\"" + std::string(30, 'w') + "...\"";
    const std::tuple<std::function<std::string(std::size_t)>, std::size_t, std::string> cases[] = {
        {[&](auto n) { return comment(n - comment(0).size()); }, MaxDocumentBytes, "it is larger than 2 MB"},
        {[&](auto n) { return freeform(Repeated("<a>", n - 1) + Repeated("</a>", n - 1)); }, MaxDocumentDepth,
         "its elements nest more than 100 levels deep"},
        {[&](auto n) { return freeform("<wordlist>" + Repeated("ant\tclue\n", n) + "</wordlist>"); },
         MaxDocumentEntries, "its word list holds more than 1000 entries"},
        {[&](auto n) { return freeform(Repeated("<solution x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\"/>", n)); },
         MaxDocumentSolutions, "it holds more than 1000 solutions"},
        {[&](auto n) { return grid(n, 1); }, MaxDocumentGridSide, "its grid is larger than 60 x 60 cells"},
        {[&](auto n) { return grid(1, n); }, MaxDocumentGridSide, "its grid is larger than 60 x 60 cells"},
        {[&](auto n) { return entry(std::string(n, 'w'), "clue"); }, MaxWordChars,
         "the word " + longWord + " holds # characters, more than the 150 it may hold"},
        {[&](auto n) { return entry("wasp", Repeated("&amp;", n)); }, MaxClueChars,
         "the clue of the word \"wasp\" holds # characters, more than the 5,000 it may hold"},
        {[&](auto n) { return freeform("<title>" + std::string(n, 't') + "</title>"); }, MaxTitleChars,
         "the title holds # characters, more than the 500 it may hold"},
        {[&](auto n) { return ManyAttributes(n - 1, MaxDocumentBytes); }, MaxElementAttributes,
         "an element in it has more than 16 attributes"},
        {ScrambleWithPage, MaxPageBytes, "its page would be larger than 2 MB, too long to show"},
    };
    const std::string path = folder + "/bound.qzl";
    for (const auto& [document, limit, bound] : cases) {
        SCOPED_TRACE(bound);
        std::ofstream(path, std::ios::binary) << document(limit);
        ASSERT_NE(Open(path), nullptr);
        CloseTab(1);
        // A page much past its bound needs a file past the file's bound.
        const std::size_t farPast = limit == MaxPageBytes ? limit + limit / 32 : 2 * limit;
        for (const std::size_t past : {limit + 1, farPast}) {
            std::ofstream(path, std::ios::binary | std::ios::trunc) << document(past);
            script.messages.clear();
            EXPECT_EQ(Open(path), nullptr);
            ASSERT_EQ(script.messages.size(), 1u);
            std::string reason = bound;
            if (const auto count = reason.find('#'); count != std::string::npos)
                reason.replace(count, 1, Thousands(past));
            EXPECT_EQ(script.messages[0].ToStdString(), "The file " + path + " could not be opened: " + reason + ".");
            EXPECT_EQ(FileText("load.log"), "start\n");
            ASSERT_EQ(frame.m_notebook->GetPageCount(), 1u);
        }
    }
}

// A word search whose one word is found a thousand times shows its clue a
// thousand times: the page, not the file, is what takes time to show. Open
// takes the longest clue whose page is within the bound and refuses one
// character more, as the reader does without a window.
TEST_F(DocumentCommandsTest, APageLongerThanTheBoundIsRefused)
{
    auto document = [](std::size_t clue) {
        return "<document type=\"wordsearch\"><wordlist>ab\t" + std::string(clue, 'c') +
               "\n</wordlist><title>Found</title><grid>+---+---+\n| a | b |\n+---+---+\n</grid>" +
               Repeated("<solution x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\"/>", MaxDocumentSolutions) + "</document>";
    };
    std::size_t fits = 0, past = MaxClueChars;
    ASSERT_FALSE(DocumentReader().Parse(document(past)));
    while (past - fits > 1) {
        const std::size_t middle = (fits + past) / 2;
        (DocumentReader().Parse(document(middle)) ? fits : past) = middle;
    }
    const std::string path = folder + "/found.qzl";
    std::ofstream(path, std::ios::binary) << document(fits);
    Puzzle* opened = Open(path);
    ASSERT_NE(opened, nullptr);
    const std::size_t page = opened->PageFor(opened->title)->size();
    EXPECT_LE(page, MaxPageBytes);
    EXPECT_GT(page + MaxDocumentSolutions, MaxPageBytes) << "one more character a clue would pass the bound";

    std::ofstream(path, std::ios::binary | std::ios::trunc) << document(past);
    ASSERT_TRUE(script.messages.empty());
    EXPECT_EQ(Open(path), nullptr);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_TRUE(script.messages[0].Contains("its page would be larger than 2 MB")) << script.messages[0];
    EXPECT_EQ(FileText("load.log"), "start\n");
}

// Answers the Open dialog with a path and times the command from there to its
// message, which it leaves to the script.
class MessageClock : public wxModalDialogHook {
public:
    explicit MessageClock(const std::string& path) : path_(path) { Register(); }
    ~MessageClock() override { Unregister(); }
    double ms = -1;

protected:
    int Enter(wxDialog* dialog) override
    {
        if (auto* files = dynamic_cast<wxFileDialog*>(dialog)) {
            files->SetPath(path_);
            PumpUntil([files] { return !files->GetPath().empty(); }, 2000);
            chosen_ = std::chrono::steady_clock::now();
            return wxID_OK;
        }
        if (dynamic_cast<wxMessageDialog*>(dialog))
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - chosen_).count();
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

private:
    wxString path_;
    std::chrono::steady_clock::time_point chosen_;
};

// TinyXML compares each attribute with every earlier one of its element, for
// seconds or minutes on these; they are refused before TinyXML reads them,
// also where a reference that runs on to the next ';' would hide them.
TEST_F(DocumentCommandsTest, ManyAttributesAreRefusedAtOnce)
{
    const std::string hidden = "<document type=\"freeform\"><title>&#x<!-- x0A; </title><solution" +
                               ShortAttributes(40000, MaxDocumentBytes / 2) + "/><title> --></title></document>";
    const std::pair<std::string, const char*> cases[] = {
        {ManyAttributes(40000, MaxDocumentBytes), "more than 16 attributes"},
        {ManyAttributes(std::size_t(-1), MaxDocumentBytes), "more than 16 attributes"},
        {hidden, "it is not a puzzle"},
    };
    const std::string path = folder + "/attributes.qzl";
    for (const auto& [document, failure] : cases) {
        SCOPED_TRACE(failure);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << document;
        script.messages.clear();
        MessageClock clock(path);
        RunMenuCommand(ID_Open);
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_TRUE(script.messages[0].Contains(path) && script.messages[0].Contains(failure)) << script.messages[0];
        EXPECT_LT(clock.ms, 1500) << "a freeze, not a load";
        EXPECT_EQ(frame.m_notebook->GetPageCount(), 0u);
    }
}

// A line break or TAB written as a character reference in an entry or the
// title is a blank, as where they are typed: the entries stay as they are
// through a save and an open, and a second save writes the same bytes.
TEST_F(DocumentCommandsTest, LineBreaksWrittenAsReferencesSurviveSaves)
{
    std::string path = folder + "/references.qzl";
    std::ofstream(path, std::ios::binary) << "<document type=\"freeform\">\n<wordlist>cat\tline&#13;two\n"
                                             "ca&#9;t\tx&#10;y\n</wordlist>\n<title>a&#10;b&#13;c</title>\n</document>";
    std::vector<std::string> saved;
    for (int round = 0; round < 2; ++round) {
        Puzzle* opened = Open(path);
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened->wordList.WordCount(), 2);
        EXPECT_EQ(opened->title, "a b c");
        path = folder + "/saved" + std::to_string(round) + ".qzl";
        Save(path);
        saved.push_back(FileText(path));
    }
    EXPECT_EQ(saved[1], saved[0]);
    EXPECT_NE(saved[0].find("<wordlist>cat\tline two\r\nca t\tx y\r\n</wordlist>"), std::string::npos) << saved[0];
    EXPECT_TRUE(script.messages.empty());
}

// A puzzle made outside the dialogs' limits cannot be saved: the old file stays.
TEST_F(DocumentCommandsTest, SaveRefusesWhatOpenWouldRefuse)
{
    Dictionary list;
    list.AddWord("essay", std::string(MaxClueChars + 1, 'e'));
    Puzzle* puzzle = AddGeneratedPuzzle(std::make_unique<Puzzle>(FreeformPuzzle), list, "Too long");
    const std::string path = folder + "/kept.qzl";
    std::ofstream(path) << "the old file";
    Save(path);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_TRUE(script.messages[0].Contains("could not be saved") &&
                script.messages[0].Contains("the clue of the word \"essay\" holds 5,001 characters"))
        << script.messages[0];
    EXPECT_EQ(FileText(path), "the old file");
    EXPECT_EQ(frame.m_notebook->GetPageText(0), "Unnamed file");
    EXPECT_EQ(puzzle->wordList.WordCount(), 1);
}

// Neither an engine error nor any other exception ends the program.
TEST_F(DocumentCommandsTest, TheCommandEdgeReportsEveryException)
{
    Add(FreeformPuzzle, "Kept");
    RunCommand(&frame, [] { throw std::bad_alloc(); });
    RunCommand(&frame, [] { throw std::runtime_error("vector::_M_range_check"); });
    ASSERT_EQ(script.messages.size(), 2u);
    EXPECT_EQ(script.messages[0], "There was not enough memory to finish the command.");
    EXPECT_EQ(script.messages[1], "The command could not be finished because of an unexpected failure.");
    EXPECT_EQ(frame.m_notebook->GetPageCount(), 1u);
}

}  // namespace
