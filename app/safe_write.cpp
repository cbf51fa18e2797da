#include "app/safe_write.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include <fcntl.h>
#include <limits.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/regular_file.h"

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

// The system's rule for links in shared folders (protected symlinks): in a
// sticky folder anyone may write in, a link is followed only for its owner or
// the folder's owner, so that no one can aim another user's save at a file of
// their choice. It holds here whatever the system is set to.
bool MayFollow(const std::string& link)
{
    struct stat own, folder;
    if (::lstat(link.c_str(), &own) != 0 || ::stat(FolderOf(link).c_str(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || own.st_uid == ::geteuid() || own.st_uid == folder.st_uid;
}

// The file a chain of links ends in; it need not exist yet. Empty where the
// system would refuse to follow one of the links.
std::string LinkTarget(std::string path)
{
    for (int hops = 0; hops < MaxLinkHops; ++hops) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length < 0 || std::size_t(length) == sizeof target)
            return path;
        if (!MayFollow(path))
            return "";
        std::string next(target, std::size_t(length));
        path = next[0] == '/' ? next : FolderOf(path) + "/" + next;
    }
    return path;
}

// Each step below gives the errno of its failure, or 0.

// Writes `bytes` from the start of the file, cuts off what an old, longer text
// leaves behind, and sees it all on the disk.
int WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        done += std::size_t(n);
    }
    if (::ftruncate(fd, off_t(bytes.size())) != 0)
        return errno;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// The first failure, of the steps before or of the close itself.
int Closed(int fd, int failure)
{
    if (::close(fd) != 0 && failure == 0)
        return errno;
    return failure;
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

// Read, not set: setting the umask to learn it leaves it 0 for a moment for
// every file another thread creates.
mode_t UmaskMode()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Umask:", 0) == 0)
            return 0666 & ~mode_t(std::strtoul(line.c_str() + 6, nullptr, 8));
    return 0600;  // unknown: the new file stays the user's own
}

// The temporary file takes on what the old file had, so the rename changes
// nothing but the content. Owner and group are best effort: only root may give
// a file away. Only the regular file itself lends them: what another user
// swapped in for it meanwhile, such as a link to a file of theirs, makes the
// save one of a new file.
int TakeOverAttributes(int fd, const std::string& target)
{
    struct stat old;
    mode_t mode = 0;
    if (::lstat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) {
        mode = UmaskMode();
    } else {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)::fchown(fd, ::geteuid(), old.st_gid);
        mode = old.st_mode & 07777;
    }
    return ::fchmod(fd, mode) == 0 ? 0 : errno;
}

// Until the folder reaches the disk, a power cut can bring the old file back.
// A folder the user may not read cannot be synced, and one whose file system
// keeps no such order says so with EINVAL: the saved file stands all the same.
int SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return 0;
    return Closed(fd, ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno);
}

bool FolderRefuses(int failure) { return failure == EACCES || failure == EPERM; }

// Room for `size` bytes is made before the first old byte is overwritten, so
// that a full disk, or the process's limit on file sizes, refuses the save
// while the file is still whole. A file grown part-way gets its old length back.
int MakeRoom(int fd, off_t size)
{
    struct stat old;
    if (::fstat(fd, &old) != 0)
        return errno;
    if (size > old.st_size) {
        const int failure = ::posix_fallocate(fd, old.st_size, size - old.st_size);
        if (failure != 0)
            (void)::ftruncate(fd, old.st_size);
        return failure;
    }
    // No room is needed, but a write past the limit stops part-way all the same.
    rlimit limit{};
    const bool limited = ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
    return limited && rlim_t(size) > limit.rlim_cur ? EFBIG : 0;
}

// Where the folder takes no new file (no right to write in it, or a sticky
// folder and another's file) the file itself is written, as a plain save
// would; a file not there yet keeps the folder's refusal.
int WriteInPlace(const std::string& target, const std::string& bytes, int refusal)
{
    const int fd = OpenRegularFile(target, O_WRONLY | O_NOFOLLOW);
    if (fd < 0)
        return errno == ENOENT ? refusal : errno;
    const int failure = MakeRoom(fd, off_t(bytes.size()));
    return Closed(fd, failure ? failure : WriteAll(fd, bytes));
}

// The new bytes beside the old file, with its attributes, on the disk.
int WriteTemporary(int fd, const std::string& target, const std::string& bytes)
{
    const int failure = TakeOverAttributes(fd, target);
    return Closed(fd, failure ? failure : WriteAll(fd, bytes));
}

int ReplaceFile(const std::string& target, const std::string& bytes)
{
    // A short name, so that the longest name a folder takes can still be saved.
    std::string temp = FolderOf(target) + "/.quillory-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return FolderRefuses(errno) ? WriteInPlace(target, bytes, errno) : errno;
    if (const int failure = WriteTemporary(fd, target, bytes)) {
        std::remove(temp.c_str());
        return failure;
    }
    if (std::rename(temp.c_str(), target.c_str()) == 0)
        return SyncFolder(FolderOf(target));
    const int refusal = errno;
    std::remove(temp.c_str());
    return FolderRefuses(refusal) ? WriteInPlace(target, bytes, refusal) : refusal;
}

}  // namespace

std::string WriteFileSafely(const std::string& path, const std::string& bytes)
{
    const std::string target = LinkTarget(path);
    if (target.empty())
        return std::strerror(EACCES);
    if (std::string notAFile = NotAFile(target); !notAFile.empty())
        return notAFile;
    if (const int refused = InPlaceWriteError(target))
        return std::strerror(refused);
    const int failure = ReplaceFile(target, bytes);
    return failure ? FailureAt(target, failure) : "";
}

int OpenRewritten(const std::string& path, std::string& failure)
{
    const std::string target = LinkTarget(path);
    if (target.empty()) {
        failure = std::strerror(EACCES);
        return -1;
    }
    const int fd = OpenRegularFile(target, O_WRONLY | O_CREAT | O_NOFOLLOW, 0666);
    if (fd < 0 || ::ftruncate(fd, 0) != 0) {
        failure = FailureAt(target, errno);
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    return fd;
}
