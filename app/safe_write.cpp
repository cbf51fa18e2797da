#include "app/safe_write.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <random>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "app/followed_path.h"
#include "app/regular_file.h"

namespace {

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
int InPlaceWriteError(const FollowedPath& place)
{
    if (::faccessat(place.Folder(), place.Name().c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT)
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
int TakeOverAttributes(int fd, const FollowedPath& place)
{
    struct stat old;
    mode_t mode = 0;
    if (::fstatat(place.Folder(), place.Name().c_str(), &old, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(old.st_mode)) {
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
int SyncFolder(int folder)
{
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    return Closed(fd, ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno);
}

bool FolderRefuses(int failure) { return failure == EACCES || failure == EPERM; }

// A copy-on-write file system (btrfs, ZFS) puts even the file's own bytes in new
// blocks as they are overwritten: the whole new text needs room, not only what
// it adds to the old. One that counts no blocks (ramfs, a tmpfs without a size)
// has no room to say.
int RoomFor(int fd, off_t size)
{
    struct statvfs disk;
    if (::fstatvfs(fd, &disk) != 0)
        return errno;
    if (disk.f_blocks == 0)
        return 0;
    const auto block = std::max<unsigned long long>(disk.f_frsize, 1);
    return disk.f_bavail >= (static_cast<unsigned long long>(size) + block - 1) / block ? 0 : ENOSPC;
}

// Room for `size` bytes is made before the first old byte is overwritten, so
// that a full disk, or the process's limit on file sizes, refuses the save
// while the file is still whole. Holes in the old file get their blocks too. A
// file grown part-way gets its old length back.
int MakeRoom(int fd, off_t size)
{
    struct stat old;
    if (::fstat(fd, &old) != 0)
        return errno;
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && rlim_t(size) > limit.rlim_cur)
        return EFBIG;
    if (const int failure = RoomFor(fd, size))
        return failure;
    const int failure = size > 0 ? ::posix_fallocate(fd, 0, size) : 0;
    if (failure != 0 && size > old.st_size)
        (void)::ftruncate(fd, old.st_size);
    return failure;
}

// The old text, to be put back should the write fail part-way; nothing when
// the file cannot be read (its mode lets the user write it only).
std::optional<std::string> OldText(int fd)
{
    std::string text;
    if (!ReadInto(fd, text, std::string::npos))
        return std::nullopt;
    return text;
}

// Emptied and synced first, the file gives back the blocks the new text took:
// a copy-on-write file system has no room for the old text otherwise.
int PutBack(int fd, const std::string& old)
{
    if (::ftruncate(fd, 0) != 0 || ::fsync(fd) != 0)
        return errno;
    return WriteAll(fd, old);
}

// Read and write where the user may, else write alone.
int OpenInPlace(const FollowedPath& place)
{
    const int fd = OpenRegularFile(place.Name(), O_RDWR | O_NOFOLLOW, 0, place.Folder());
    if (fd >= 0 || errno != EACCES)
        return fd;
    return OpenRegularFile(place.Name(), O_WRONLY | O_NOFOLLOW, 0, place.Folder());
}

// Where the folder takes no new file (no right to write in it, or a sticky
// folder and another's file) the file itself is written, as a plain save
// would; a file not there yet keeps the folder's refusal. A write that fails
// part-way puts the old text back; where even that fails, `damaged` is set.
int WriteInPlace(const FollowedPath& place, const std::string& bytes, int refusal, bool& damaged)
{
    const int fd = OpenInPlace(place);
    if (fd < 0)
        return errno == ENOENT ? refusal : errno;
    const std::optional<std::string> old = OldText(fd);
    if (const int failure = MakeRoom(fd, off_t(bytes.size())))
        return Closed(fd, failure);
    const int failure = WriteAll(fd, bytes);
    damaged = failure != 0 && (!old || PutBack(fd, *old) != 0);
    return Closed(fd, failure);
}

// A new file under a short name, so that the longest name a folder takes can
// still be saved; a name already there, a link too, is passed over.
int CreateTemporary(int folder, std::string& name)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    for (int tries = 0; tries < 100; ++tries) {
        name = ".quillory-";
        for (int i = 0; i < 6; ++i)
            name += letters[random() % (sizeof letters - 1)];
        const int fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The new bytes beside the old file, with its attributes, on the disk.
int WriteTemporary(int fd, const FollowedPath& place, const std::string& bytes)
{
    const int failure = TakeOverAttributes(fd, place);
    return Closed(fd, failure ? failure : WriteAll(fd, bytes));
}

int ReplaceFile(const FollowedPath& place, const std::string& bytes, bool& damaged)
{
    const int folder = place.Folder();
    std::string temp;
    const int fd = CreateTemporary(folder, temp);
    if (fd < 0)
        return FolderRefuses(errno) ? WriteInPlace(place, bytes, errno, damaged) : errno;
    if (const int failure = WriteTemporary(fd, place, bytes)) {
        ::unlinkat(folder, temp.c_str(), 0);
        return failure;
    }
    if (::renameat(folder, temp.c_str(), folder, place.Name().c_str()) == 0)
        return SyncFolder(folder);
    const int refusal = errno;
    ::unlinkat(folder, temp.c_str(), 0);
    return FolderRefuses(refusal) ? WriteInPlace(place, bytes, refusal, damaged) : refusal;
}

}  // namespace

std::string WriteFileSafely(const std::string& path, const std::string& bytes, bool* damaged)
{
    bool mayBeDamaged = false;
    const FollowedPath place(path);
    if (place.Failure())
        return std::strerror(place.Failure());
    if (std::string notAFile = NotAFile(place.Name(), place.Folder()); !notAFile.empty())
        return notAFile;
    if (const int refused = InPlaceWriteError(place))
        return std::strerror(refused);
    const int failure = ReplaceFile(place, bytes, mayBeDamaged);
    if (damaged)
        *damaged = mayBeDamaged;
    return failure ? FailureAt(place.Name(), failure, place.Folder()) : "";
}

std::string DamagedFileNote(const std::string& kept)
{
    return " The file on the disk may be damaged, as its old text could not be put back. " + kept +
           ", so please save it under another name.";
}

int OpenRewritten(const std::string& path, std::string& failure)
{
    const FollowedPath place(path);
    if (place.Failure()) {
        failure = std::strerror(place.Failure());
        return -1;
    }
    const int fd = OpenRegularFile(place.Name(), O_WRONLY | O_CREAT | O_NOFOLLOW, 0666, place.Folder());
    if (fd < 0 || ::ftruncate(fd, 0) != 0) {
        failure = FailureAt(place.Name(), errno, place.Folder());
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    return fd;
}
