// The program reads its run-time files from its working folder and the test programs sit
// beside those files: whatever folder a test program starts in, it moves there first.
#include <filesystem>

namespace {

const bool movedBesideProgram = [] {
    std::filesystem::current_path(std::filesystem::read_symlink("/proc/self/exe").parent_path());
    return true;
}();

}  // namespace
