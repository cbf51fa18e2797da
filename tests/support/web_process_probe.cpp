#include "support/web_process_probe.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <dirent.h>

namespace {

// The kernel keeps the first 15 characters of a process's name.
constexpr char WebProcessName[] = "WebKitWebProces";

bool IsWebProcessOf(pid_t program, int pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return false;
    // The name in parentheses may hold spaces: the fields after it are fixed.
    const auto open = line.find('('), close = line.rfind(')');
    std::istringstream rest(line.substr(close + 2));
    char state = 0;
    int parent = 0;
    rest >> state >> parent;
    return parent == program && line.compare(open + 1, close - open - 1, WebProcessName) == 0;
}

}  // namespace

bool RunsWebProcess(pid_t program)
{
    bool found = false;
    DIR* proc = opendir("/proc");
    while (dirent* entry = proc && !found ? readdir(proc) : nullptr) {
        const int pid = std::atoi(entry->d_name);
        found = pid > 0 && IsWebProcessOf(program, pid);
    }
    if (proc)
        closedir(proc);
    return found;
}
