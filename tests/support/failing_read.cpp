#include "support/failing_read.h"

#include <algorithm>
#include <atomic>
#include <cerrno>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct BadFile {
    std::atomic<bool> armed{false};
    dev_t device = 0;
    ino_t inode = 0;
    off_t good = 0;
};

BadFile badFile;

bool IsBadFile(int fd)
{
    struct stat st;
    return badFile.armed && ::fstat(fd, &st) == 0 && st.st_dev == badFile.device && st.st_ino == badFile.inode;
}

}  // namespace

FailingRead::FailingRead(const std::string& path, std::size_t good)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return;
    badFile.device = st.st_dev;
    badFile.inode = st.st_ino;
    badFile.good = off_t(good);
    badFile.armed = true;
}

FailingRead::~FailingRead() { badFile.armed = false; }

extern "C" ssize_t read(int fd, void* buffer, std::size_t count)
{
    using Read = ssize_t (*)(int, void*, std::size_t);
    static const auto system = reinterpret_cast<Read>(::dlsym(RTLD_NEXT, "read"));
    if (IsBadFile(fd)) {
        const off_t at = ::lseek(fd, 0, SEEK_CUR);
        if (at >= badFile.good) {
            errno = EIO;
            return -1;
        }
        count = std::min(count, std::size_t(badFile.good - at));
    }
    return system(fd, buffer, count);
}
