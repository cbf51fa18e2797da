// How long Open takes on the largest documents the bounds let in, through the
// real frame: from the command to the page laid out in its tab. The command's
// own share (reading, checking and building the page, while the window takes
// no input) is the counter "command_ms". Documents past a bound are timed to
// their refusal.
// Run under Xvfb from the folder that holds the run-time files (build/bin):
//   xvfb-run -a quillory_document_open_bench
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/init.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include <webkit2/webkit2.h>

#include "app/control_ids.h"
#include "app/document_bounds.h"
#include "app/document_file.h"
#include "app/document_reader.h"
#include "app/frame.h"
#include "app/puzzle.h"
#include "browser/IEHtmlWin.h"
#include "engine/alphabet.h"
#include "platform/webbrowser/page_web_views.h"
#include "support/event_pump.h"
#include "support/many_attributes.h"
#include "support/repeated.h"

namespace {

using Clock = std::chrono::steady_clock;

// Text of the given length in words, as clues are written.
std::string Prose(std::size_t length)
{
    return Repeated("the quick brown fox jumps over the lazy dog ", length / 44 + 1).substr(0, length);
}

std::string WordOf(int i, std::size_t length, char fill = 'a')
{
    std::string word(length, fill);
    for (std::size_t at = 0; at < 3; ++at, i /= 8)
        word[length - 1 - at] = char('a' + i % 8);
    return word;
}

// The document a dialog would save: 50 entries, generated and written as Save does.
std::string MadeDocument(PuzzleType type, std::size_t wordLength, char fill, std::size_t clueLength)
{
    class Windowless : public PuzzleContent {
    public:
        using PuzzleContent::PuzzleContent;

    protected:
        void Show(const std::string&) override {}
    };
    ResetAlphabet();
    Dictionary list;
    for (int i = 0; i < MaxWordListEntries; ++i)
        list.AddWord(WordOf(i, wordLength, fill), Prose(clueLength));
    Windowless puzzle(type);
    puzzle.numCards = MaxBingoCards;
    puzzle.Generate(list, Prose(MaxTitleChars));
    return DocumentFileText(puzzle.ToXml());
}

// The longest clue for which the reader still takes the document.
std::string AtPageBound(const std::function<std::string(std::size_t)>& document)
{
    std::size_t fits = 0, past = MaxClueChars + 1;
    while (past - fits > 1) {
        const std::size_t middle = (fits + past) / 2;
        (DocumentReader().Parse(document(middle)) ? fits : past) = middle;
    }
    return document(fits);
}

// One word found a thousand times, its clue shown for each.
std::string FoundOften(std::size_t clue)
{
    return "<document type=\"wordsearch\"><wordlist>ab\t" + Prose(clue) +
           "\n</wordlist><title>Found</title><grid>+---+---+\n| a | b |\n+---+---+\n</grid>" +
           Repeated("<solution x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\"/>", MaxDocumentSolutions) + "</document>";
}

// A 60 x 60 grid of 600 slots, every one the same word with a long clue.
std::string SlotsOfOneWord(std::size_t clue)
{
    const std::string edge = "+" + Repeated("---+", 60) + "\n";
    const std::string letters = "|" + Repeated(" a | b |XXX|", 20) + "\n";
    const std::string blocks = "|" + Repeated("XXX|", 60) + "\n";
    return "<document type=\"freeform\"><wordlist>ab\t" + Prose(clue) + "\n</wordlist><grid>" + edge +
           Repeated(letters + edge + blocks + edge, 30) + "</grid></document>";
}

// A thousand scramble entries filling the size bound.
std::string LongScramble(std::size_t clue)
{
    std::string entries;
    for (int i = 0; i < MaxDocumentEntries; ++i)
        entries += WordOf(i, MaxWordChars) + "\t" + Prose(clue) + "\n";
    return "<document type=\"scramble\"><wordlist>" + entries + "</wordlist><title>Long</title></document>";
}

class OpenBench {
public:
    explicit OpenBench(MyFrame& frame) : frame_(frame)
    {
        hook_.Register();
    }
    ~OpenBench() { hook_.Unregister(); }

    // Milliseconds from the command to the page laid out; 0 when refused.
    double Open(const std::string& path, double& commandMs)
    {
        hook_.path = path;
        const size_t tabs = frame_.m_notebook->GetPageCount();
        const Clock::time_point start = Clock::now();
        wxCommandEvent open(wxEVT_MENU, ID_Open);
        frame_.ProcessWindowEvent(open);
        commandMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (frame_.m_notebook->GetPageCount() == tabs)
            return 0;
        WebKitWebView* web = WebViewIn(frame_.CurrentPuzzle()->view);
        // The height asks the page for its layout, which waits for the page.
        PumpUntil([web] { return !webkit_web_view_is_loading(web) && !RunScript(web, ReadyHeight).empty(); },
                  30000);
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

    void CloseTabs()
    {
        while (size_t count = frame_.m_notebook->GetPageCount()) {
            wxAuiNotebookEvent close(wxEVT_AUINOTEBOOK_PAGE_CLOSE, frame_.m_notebook->GetId());
            close.SetSelection(int(count - 1));
            close.SetEventObject(frame_.m_notebook);
            frame_.OnDocumentTabClose(close);
            frame_.m_notebook->DeletePage(count - 1);
        }
        PumpUntil([] { return false; }, 100);
    }

    std::string LastMessage() const { return hook_.message; }

private:
    static constexpr const char* ReadyHeight =
        "document.readyState == 'complete' && document.body ? String(document.body.scrollHeight) : ''";

    // Answers the file dialog with the path and keeps the last message.
    class Answers : public wxModalDialogHook {
    public:
        std::string path;
        std::string message;

    protected:
        int Enter(wxDialog* dialog) override
        {
            if (auto* files = dynamic_cast<wxFileDialog*>(dialog)) {
                files->SetPath(path);
                PumpUntil([files] { return !files->GetPath().empty(); }, 2000);
            } else if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
                message = box->GetMessage().utf8_string();
            }
            return wxID_OK;
        }
        void Exit(wxDialog*) override {}
    };

    MyFrame& frame_;
    Answers hook_;
};

MyFrame* theBenchFrame = nullptr;

void OpenDocument(benchmark::State& state, const std::function<std::string()>& make, bool refused)
{
    const std::string text = make();
    const std::string path = "/tmp/quillory-open-bench.qzl";
    std::ofstream(path, std::ios::binary) << text;
    OpenBench bench(*theBenchFrame);
    double commandMs = 0;
    for (auto _ : state) {
        ResetAlphabet();
        const double ms = bench.Open(path, commandMs);
        if ((ms == 0) != refused) {
            state.SkipWithError(("unexpected outcome: " + bench.LastMessage()).c_str());
            break;
        }
        state.SetIterationTime((refused ? commandMs : ms) / 1000);
        bench.CloseTabs();
    }
    state.counters["command_ms"] = commandMs;
    state.counters["file_kb"] = double(text.size()) / 1024;
    std::remove(path.c_str());
}

void Register(const char* name, std::function<std::string()> make, bool refused = false)
{
    benchmark::RegisterBenchmark(name, [make, refused](benchmark::State& state) { OpenDocument(state, make, refused); })
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
}

void RegisterDocuments()
{
    // The largest the dialogs make: every entry and the title at their limits.
    Register("made/crossword", [] { return MadeDocument(FreeformPuzzle, 8, 'a', MaxClueChars); });
    Register("made/wordsearch", [] { return MadeDocument(WordSearchPuzzle, 8, 'a', MaxClueChars); });
    Register("made/scramble", [] { return MadeDocument(ScramblePuzzle, MaxWordChars, 'a', MaxClueChars); });
    Register("made/bingo_100_cards", [] { return MadeDocument(BingoPuzzle, MaxWordChars, 'a', 0); });
    Register("made/bingo_100_cards_of_&", [] { return MadeDocument(BingoPuzzle, MaxWordChars, '&', 0); });
    // What the reader takes that the dialogs never make, at its bounds.
    Register("read/wordsearch_1000_solutions_at_page_bound", [] { return AtPageBound(FoundOften); });
    Register("read/crossword_600_slots_at_page_bound", [] { return AtPageBound(SlotsOfOneWord); });
    Register("read/scramble_1000_entries_at_page_bound", [] { return AtPageBound(LongScramble); });
    // Refused: the page one character a clue past the bound.
    Register("refused/crossword_600_slots_of_5000_characters", [] { return SlotsOfOneWord(MaxClueChars); }, true);
    Register("refused/wordsearch_1000_solutions_of_5000_characters", [] { return FoundOften(MaxClueChars); }, true);
    // Refused: more attributes to an element than the program writes, which
    // TinyXML would compare pairwise.
    Register("refused/root_of_40000_attributes", [] { return ManyAttributes(40000, MaxDocumentBytes); }, true);
    Register("refused/root_of_2_MB_of_attributes", [] { return ManyAttributes(std::size_t(-1), MaxDocumentBytes); },
             true);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    int toolkitArgc = 1;
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(toolkitArgc, argv) || !wxTheApp->CallOnInit())
        return 1;
    StartPageWebProcess();
    theBenchFrame = new MyFrame(nullptr, wxID_ANY, "Quillory 1.0.4", wxDefaultPosition, wxSize(800, 600));
    wxTheApp->SetTopWindow(theBenchFrame);
    theBenchFrame->Show();
    PumpUntil([] { return false; }, 1000);
    RegisterDocuments();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theBenchFrame->Destroy();
    wxTheApp->ProcessPendingEvents();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
