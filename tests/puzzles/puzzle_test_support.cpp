#include "puzzle_test_support.h"

#include <cstdlib>
#include <filesystem>

EmptyWorkingDirectory::EmptyWorkingDirectory()
{
    namespace fs = std::filesystem;
    previous_ = fs::current_path().string();
    char name[] = "/tmp/quillory-puzzles-XXXXXX";
    path_ = mkdtemp(name);
    fs::current_path(path_);
}

EmptyWorkingDirectory::~EmptyWorkingDirectory()
{
    namespace fs = std::filesystem;
    fs::current_path(previous_);
    fs::remove_all(path_);
}
