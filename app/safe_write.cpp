#include "app/safe_write.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;

std::string FolderOf(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of links ends in; it need not exist yet.
std::string LinkTarget(std::string path)
{
    for (int hops = 0; hops < MaxLinkHops; ++hops) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length < 0 || std::size_t(length) == sizeof target)
            return path;
        std::string next(target, std::size_t(length));
        path = next[0] == '/' ? next : FolderOf(path) + "/" + next;
    }
    return path;
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return ::fsync(fd) == 0;
}

// What writing in place would have said: a save replaces no file the user
// could not have written (its mode, its owner, a read-only mount). A file that
// is not there yet is the folder's matter.
int InPlaceWriteError(const std::string& target)
{
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT)
        return 0;
    return errno;
}

mode_t UmaskMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary file takes on what the old file had, so the rename changes
// nothing but the content. Owner and group are best effort: only root may give
// a file away.
void TakeOverAttributes(int fd, const std::string& target)
{
    struct stat old;
    if (::stat(target.c_str(), &old) != 0) {
        ::fchmod(fd, UmaskMode());
        return;
    }
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, ::geteuid(), old.st_gid);
    ::fchmod(fd, old.st_mode & 07777);
}

}  // namespace

std::string WriteFileSafely(const std::string& path, const std::string& bytes)
{
    const std::string target = LinkTarget(path);
    if (const int refused = InPlaceWriteError(target))
        return std::strerror(refused);
    // A short name, so that the longest name a folder takes can still be saved.
    std::string temp = FolderOf(target) + "/.quillory-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return std::strerror(errno);
    TakeOverAttributes(fd, target);
    bool written = WriteAll(fd, bytes);
    int failure = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (written && std::rename(temp.c_str(), target.c_str()) == 0)
        return "";
    if (written)
        failure = errno;
    std::remove(temp.c_str());
    return std::strerror(failure);
}
