#include "support/failing_read.h"

#include <algorithm>
#include <atomic>
#include <cerrno>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<bool> armed{false};
struct stat badFile;
off_t goodBytes = 0;

}  // namespace

FailingRead::FailingRead(const std::string& path, std::size_t good)
{
    goodBytes = off_t(good);
    armed = ::stat(path.c_str(), &badFile) == 0;
}

FailingRead::~FailingRead() { armed = false; }

extern "C" ssize_t read(int fd, void* buffer, std::size_t count)
{
    static const auto system = reinterpret_cast<ssize_t (*)(int, void*, std::size_t)>(::dlsym(RTLD_NEXT, "read"));
    struct stat st;
    if (armed && ::fstat(fd, &st) == 0 && st.st_dev == badFile.st_dev && st.st_ino == badFile.st_ino) {
        const off_t at = ::lseek(fd, 0, SEEK_CUR);
        if (at >= goodBytes) {
            errno = EIO;
            return -1;
        }
        count = std::min(count, std::size_t(goodBytes - at));
    }
    return system(fd, buffer, count);
}
