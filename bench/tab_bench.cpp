// How long a crossword takes from "Done" in the word list dialog to its page
// being loaded in a new tab, and how much memory the open tabs hold: the
// proportional set size and the private memory of this process and of every
// process under it, the browser engine's among them.
// Run under Xvfb from the folder that holds the run-time files (build/bin):
//   quillory_tab_bench [tabs (10)] [words per puzzle (50)]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <dirent.h>
#include <unistd.h>

#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

#include "app/app.h"
#include "app/control_ids.h"
#include "app/frame.h"
#include "app/puzzle_type.h"
#include "app/word_list_dlg.h"
#include "browser/active_x_event.h"
#include "browser/active_x_events.h"
#include "engine/dictionary.h"
#include "platform/webbrowser/browser_type_info.h"

namespace {

using Clock = std::chrono::steady_clock;
// A tab whose last load lies this long back has settled.
constexpr auto QuietAfterLoad = std::chrono::milliseconds(500);

const char* const NatureWords[50] = {
    "river",   "mountain", "forest",   "meadow",  "desert",  "island",   "valley",  "canyon",   "glacier", "volcano",
    "ocean",   "lake",     "pond",     "stream",  "waterfall", "cliff",  "prairie", "jungle",   "swamp",   "tundra",
    "oak",     "maple",    "willow",   "birch",   "cedar",   "pine",     "fern",    "moss",     "tulip",   "daisy",
    "eagle",   "falcon",   "heron",    "sparrow", "robin",   "otter",    "beaver",  "badger",   "rabbit",  "squirrel",
    "salmon",  "trout",    "frog",     "turtle",  "lizard",  "butterfly", "beetle", "spider",   "thunder", "rainbow"};

Dictionary NatureList(int count)
{
    Dictionary list;
    for (int i = 0; i < count; ++i)
        list.AddWord(NatureWords[i], std::string("clue for ") + NatureWords[i]);
    return list;
}

void Pump(const std::function<bool()>& done, int milliseconds)
{
    const auto until = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (!done() && Clock::now() < until) {
        wxTheApp->Yield(true);
        wxTheApp->ProcessPendingEvents();
        wxMicroSleep(200);
    }
}

std::map<int, int> ParentsOfAllProcesses()
{
    std::map<int, int> parents;
    DIR* proc = opendir("/proc");
    while (dirent* entry = proc ? readdir(proc) : nullptr) {
        const int pid = std::atoi(entry->d_name);
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (pid <= 0 || !std::getline(stat, line))
            continue;
        // The name in parentheses may hold spaces: the fields after it are fixed.
        std::istringstream rest(line.substr(line.rfind(')') + 2));
        char state = 0;
        int parent = 0;
        rest >> state >> parent;
        parents[pid] = parent;
    }
    if (proc)
        closedir(proc);
    return parents;
}

bool Descends(int pid, int ancestor, const std::map<int, int>& parents)
{
    for (int at = pid; at > 1;) {
        if (at == ancestor)
            return true;
        const auto parent = parents.find(at);
        at = parent == parents.end() ? 0 : parent->second;
    }
    return false;
}

// In kilobytes. Private pages are those no other process maps, so other
// programs on the machine do not move that figure as they move the PSS.
struct Memory {
    long pss = 0;
    long unshared = 0;
};

Memory MemoryOf(int pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string key;
    long value = 0;
    Memory memory;
    rollup.ignore(1 << 12, '\n');  // the address range
    while (rollup >> key >> value) {
        if (key == "Pss:")
            memory.pss = value;
        else if (key == "Private_Clean:" || key == "Private_Dirty:")
            memory.unshared += value;
        rollup.ignore(1 << 12, '\n');
    }
    return memory;
}

std::string ProcessName(int pid)
{
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

// Of this process and every process it started, directly or not: the totals,
// and each process's PSS/private in megabytes in `shares`.
Memory ProcessTreeMemory(std::string& shares)
{
    const std::map<int, int> parents = ParentsOfAllProcesses();
    Memory total;
    shares.clear();
    for (const auto& process : parents) {
        if (!Descends(process.first, getpid(), parents))
            continue;
        const Memory memory = MemoryOf(process.first);
        shares += " " + ProcessName(process.first) + " " + std::to_string(memory.pss / 1024) + "/" +
                  std::to_string(memory.unshared / 1024);
        total.pss += memory.pss;
        total.unshared += memory.unshared;
    }
    return total;
}

class TabBench {
public:
    TabBench(MyFrame& frame, int words) : frame_(frame), list_(NatureList(words))
    {
        ActiveXEventTypesByDispId()[DISPID_DOCUMENTCOMPLETE] = std::make_unique<wxEventType>(complete_);
        frame_.Bind(wxEventTypeTag<wxActiveXEvent>(complete_), [this](wxActiveXEvent&) {
            loaded_ = Clock::now();
            ++completes_;
        });
    }

    // Milliseconds from "Done" to the new tab's last page loaded: a tab may
    // load more than once (it is shown again when it becomes the current one).
    double DoneToPage(int tab)
    {
        auto* dialog = new WordListDlg(&frame_, WordListDialogId, "");
        dialog->puzzleType = FreeformPuzzle;
        dialog->SetWordList(list_);
        dialog->SetPuzzleTitle("Nature " + std::to_string(tab));
        loaded_ = Clock::time_point();
        completes_ = 0;
        const Clock::time_point done = Clock::now();
        wxCommandEvent press(wxEVT_BUTTON, ID_Done);
        press.SetEventObject(dialog);
        dialog->ProcessWindowEvent(press);
        Pump([this] { return loaded_ != Clock::time_point() && Clock::now() - loaded_ > QuietAfterLoad; }, 30000);
        if (loaded_ == Clock::time_point())
            return -1;
        return std::chrono::duration<double, std::milli>(loaded_ - done).count();
    }

    // Pages loaded since the last "Done".
    int Loads() const { return completes_; }

private:
    MyFrame& frame_;
    Dictionary list_;
    const wxEventType complete_ = wxNewEventType();
    Clock::time_point loaded_;
    int completes_ = 0;
};

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Memory keeps moving for seconds after a page is shown, as caches are given
// back and collections run: the median of a sample a second for ten seconds.
std::string SettledMemory()
{
    std::vector<double> pss;
    std::vector<double> unshared;
    std::string shares;
    for (int second = 0; second < 10; ++second) {
        Pump([] { return false; }, 1000);
        const Memory memory = ProcessTreeMemory(shares);
        pss.push_back(memory.pss / 1024.0);
        unshared.push_back(memory.unshared / 1024.0);
    }
    char figures[120];
    std::snprintf(figures, sizeof figures, "PSS %.0f MB, private %.0f MB; last sample:", Median(pss),
                  Median(unshared));
    return figures + shares;
}

// The frame is the program's own, shown by its start-up, which also starts the
// web process once the window is up.
void Run(MyFrame* frame, int tabs, int words)
{
    std::printf("before any tab: process tree %s\n", SettledMemory().c_str());
    TabBench bench(*frame, words);
    std::vector<double> times;
    for (int tab = 1; tab <= tabs; ++tab) {
        times.push_back(bench.DoneToPage(tab));
        std::printf("tab %2d: Done to page %.1f ms (%d loads)\n", tab, times.back(), bench.Loads());
        if (tab == 1)
            std::printf("1 tab: process tree %s\n", SettledMemory().c_str());
    }
    std::printf("%d tabs: process tree %s\n", tabs, SettledMemory().c_str());
    std::printf("Done to page: first tab %.1f ms, median of tabs 2-%d %.1f ms\n", times.front(), tabs,
                Median(std::vector<double>(times.begin() + 1, times.end())));
    frame->Destroy();
}

}  // namespace

int main(int argc, char** argv)
{
    const int tabs = std::max(2, argc > 1 ? std::atoi(argv[1]) : 10);
    const int words = std::clamp(argc > 2 ? std::atoi(argv[2]) : 50, 1, 50);
    // The toolkit gets no arguments: it would refuse ours.
    int toolkitArgc = 1;
    wxApp::SetInstance(new MyApp);
    if (!wxEntryStart(toolkitArgc, argv) || !wxTheApp->CallOnInit())
        return 1;
    Run(static_cast<MyFrame*>(wxTheApp->GetTopWindow()), tabs, words);
    wxTheApp->ProcessPendingEvents();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
