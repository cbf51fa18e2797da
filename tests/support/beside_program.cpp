// The program reads its run-time files from its working folder, and the test programs
// sit beside those files: whatever folder a test program starts in, it moves there first.
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

namespace {

bool MoveBesideProgram()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        std::abort();
    const std::string program(path, std::size_t(length));
    if (chdir(program.substr(0, program.rfind('/')).c_str()) != 0)
        std::abort();
    return true;
}

const bool movedBesideProgram = MoveBesideProgram();

}  // namespace
