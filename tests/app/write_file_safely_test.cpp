#include "app/safe_write.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

#include <dlfcn.h>
#include <fcntl.h>
#include <grp.h>
#include <limits.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/temp_file.h"

namespace {

constexpr uid_t Nobody = 65534;
constexpr uid_t Daemon = 1;
constexpr gid_t NoGroup = 65534;

// Calls of this process that a test makes fail for files of one folder, as a
// disk fails that reports a lost write only at fsync, or at close as NFS does;
// or for the folder itself.
struct PlantedFailures {
    std::string folder;
    bool fchmod = false;
    bool fsync = false;
    bool close = false;
    bool folderFsync = false;
    // Swapped for a link to `swapTo` just after the save asks whether it may write it.
    std::string swapAt, swapTo;
    // A nearly full disk: the room it says it has, in bytes, unless it counts
    // none (as ramfs); the growth it can reserve, past which a reservation grows
    // the file that far and fails.
    long long roomSaid = -1, roomToGrow = -1;
    bool roomCounted = true;
    // A write that fails part-way, after this many bytes: once, or every time.
    long long writeFailsAfter = -1;
    bool writesKeepFailing = false;
} planted;

// Every umask this process set.
std::vector<mode_t> umasksSet;

std::string PathOf(int fd)
{
    char path[PATH_MAX];
    const ssize_t length = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path);
    return length > 0 ? std::string(path, std::size_t(length)) : "";
}

bool InPlantedFolder(int fd)
{
    return !planted.folder.empty() && PathOf(fd).rfind(planted.folder + "/", 0) == 0;
}

bool IsPlantedFolder(int fd) { return !planted.folder.empty() && PathOf(fd) == planted.folder; }

template <typename Call>
Call RealCall(const char* name)
{
    return reinterpret_cast<Call>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd)
{
    static const auto real = RealCall<int (*)(int)>("fsync");
    if ((planted.fsync && InPlantedFolder(fd)) || (planted.folderFsync && IsPlantedFolder(fd))) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

static_assert(sizeof(off_t) == 8, "the calls below stand in for the 64-bit ones");

extern "C" int fstatvfs(int fd, struct statvfs* disk) noexcept
{
    static const auto real = RealCall<int (*)(int, struct statvfs*)>("fstatvfs64");
    const int result = real(fd, disk);
    if (result == 0 && planted.roomSaid >= 0 && InPlantedFolder(fd)) {
        disk->f_frsize = 1;
        disk->f_bavail = fsblkcnt_t(planted.roomSaid);
        disk->f_blocks = planted.roomCounted ? std::max(disk->f_blocks, disk->f_bavail) : 0;
    }
    return result;
}

extern "C" int posix_fallocate(int fd, off_t offset, off_t length)
{
    static const auto real = RealCall<int (*)(int, off_t, off_t)>("posix_fallocate64");
    struct stat st;
    if (planted.roomToGrow < 0 || !InPlantedFolder(fd) || fstat(fd, &st) != 0 ||
        offset + length - st.st_size <= planted.roomToGrow)
        return real(fd, offset, length);
    EXPECT_EQ(ftruncate(fd, st.st_size + planted.roomToGrow), 0);
    return ENOSPC;
}

extern "C" ssize_t pwrite(int fd, const void* bytes, std::size_t count, off_t offset)
{
    static const auto real = RealCall<ssize_t (*)(int, const void*, std::size_t, off_t)>("pwrite64");
    if (planted.writeFailsAfter < 0 || !InPlantedFolder(fd))
        return real(fd, bytes, count, offset);
    if (offset < planted.writeFailsAfter)
        return real(fd, bytes, std::min<std::size_t>(count, std::size_t(planted.writeFailsAfter - offset)), offset);
    if (!planted.writesKeepFailing)
        planted.writeFailsAfter = -1;
    errno = EIO;
    return -1;
}

extern "C" int fchmod(int fd, mode_t mode) noexcept
{
    static const auto real = RealCall<int (*)(int, mode_t)>("fchmod");
    if (planted.fchmod && InPlantedFolder(fd)) {
        errno = EIO;
        return -1;
    }
    return real(fd, mode);
}

extern "C" mode_t umask(mode_t mask) noexcept
{
    static const auto real = RealCall<mode_t (*)(mode_t)>("umask");
    umasksSet.push_back(mask);
    return real(mask);
}

extern "C" int close(int fd)
{
    static const auto real = RealCall<int (*)(int)>("close");
    const bool fails = planted.close && InPlantedFolder(fd);
    const int result = real(fd);
    if (!fails)
        return result;
    errno = EIO;
    return -1;
}

extern "C" int faccessat(int folder, const char* name, int mode, int flags) noexcept
{
    static const auto real = RealCall<int (*)(int, const char*, int, int)>("faccessat");
    const int result = real(folder, name, mode, flags);
    if (!planted.swapAt.empty() && unlink(planted.swapAt.c_str()) == 0)
        symlink(planted.swapTo.c_str(), std::exchange(planted.swapAt, "").c_str());
    return result;
}

namespace {

std::string Text(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::ptrdiff_t Entries(const std::string& folder) { return std::distance(std::filesystem::directory_iterator(folder), {}); }

struct stat StatOf(const std::string& path)
{
    struct stat st {};
    stat(path.c_str(), &st);
    return st;
}

// Runs the save as a teacher's own account runs the program: root gives up its
// rights to nobody in a child process, whose message comes back through a pipe.
std::string AsUser(const std::function<std::string()>& save)
{
    if (geteuid() != 0)
        return save();
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = setgroups(0, nullptr) == 0 && setgid(NoGroup) == 0 && setuid(Nobody) == 0;
        const std::string message = dropped ? save() : "still root";
        const ssize_t written = write(pipeEnds[1], message.data(), message.size());
        _exit(written == ssize_t(message.size()) ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string message;
    char chunk[256];
    for (ssize_t n; (n = read(pipeEnds[0], chunk, sizeof chunk)) > 0;)
        message.append(chunk, std::size_t(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return message;
}

// A file made with the given mode and owner; owners other than the test's own
// need root.
void MakeFile(const std::string& path, mode_t mode, uid_t owner)
{
    std::ofstream(path) << "old";
    chmod(path.c_str(), mode);
    EXPECT_EQ(geteuid() == 0 ? chown(path.c_str(), owner, owner == 0 ? 0 : NoGroup) : 0, 0);
}

class WriteFileSafelyTest : public testing::Test {
protected:
    void TearDown() override { planted = {}; }

    TempFolder temp;
    const std::string folder = temp.path();
};

// What the user may not write in place stays as it was, with the system's
// reason, as does a folder on the way that is gone; what the user may write is
// replaced, under the longest name a folder takes, too.
TEST_F(WriteFileSafelyTest, AUserReplacesOnlyWhatTheUserCouldWrite)
{
    const bool root = geteuid() == 0;
    const uid_t user = root ? Nobody : geteuid();
    ASSERT_EQ(chown(folder.c_str(), user, root ? NoGroup : getegid()), 0);
    const std::string readOnly = folder + "/read-only.qzl", others = folder + "/others.qzl";
    const std::string longest = folder + "/" + std::string(NAME_MAX - 4, 'n') + ".lst";
    const std::string fresh = folder + "/" + std::string(NAME_MAX - 4, 'f') + ".lst";
    MakeFile(readOnly, 0444, user);
    MakeFile(longest, 0640, user);
    if (root)
        MakeFile(others, 0644, 0);

    EXPECT_EQ(AsUser([&] { return WriteFileSafely(readOnly, "new"); }), std::strerror(EACCES));
    EXPECT_EQ(Text(readOnly), "old");
    EXPECT_EQ(StatOf(readOnly).st_mode & 07777, 0444u);
    if (root) {
        EXPECT_EQ(AsUser([&] { return WriteFileSafely(others, "new"); }), std::strerror(EACCES));
        EXPECT_EQ(Text(others), "old");
        EXPECT_EQ(StatOf(others).st_uid, 0u) << "it still belongs to its owner";
    }

    EXPECT_EQ(AsUser([&] { return WriteFileSafely(longest, "new"); }), "");
    EXPECT_EQ(Text(longest), "new");
    EXPECT_EQ(StatOf(longest).st_mode & 07777, 0640u);
    EXPECT_EQ(AsUser([&] { return WriteFileSafely(fresh, "new"); }), "");
    EXPECT_EQ(Text(fresh), "new");
    EXPECT_EQ(AsUser([&] { return WriteFileSafely(folder + "/gone/quiz.qzl", "new"); }), std::strerror(ENOENT));
    EXPECT_EQ(Entries(folder), root ? 4 : 3) << "no temporary file is left";
}

// A save whose bytes never reached the disk is a failed save. A failure before
// the rename leaves the old file whole; after it, the folder's sync, the new
// file stands but may not survive a power cut, so the save is not reported done.
TEST_F(WriteFileSafelyTest, AFailingStepIsReportedAndAFailureBeforeTheRenameLeavesTheOldFileWhole)
{
    const std::string path = folder + "/quiz.qzl";
    std::ofstream(path) << "old";
    planted.folder = folder;
    const std::pair<bool PlantedFailures::*, std::string> callAndText[] = {{&PlantedFailures::fchmod, "old"},
                                                                          {&PlantedFailures::fsync, "old"},
                                                                          {&PlantedFailures::close, "old"},
                                                                          {&PlantedFailures::folderFsync, "new"}};
    for (const auto& [call, text] : callAndText) {
        planted.*call = true;
        EXPECT_EQ(WriteFileSafely(path, "new"), std::strerror(EIO)) << text;
        planted.*call = false;
        EXPECT_EQ(Text(path), text);
        EXPECT_EQ(Entries(folder), 1) << "no temporary file is left";
        std::ofstream(path) << "old";
    }
    EXPECT_EQ(WriteFileSafely(path, "new"), "");
    EXPECT_EQ(Text(path), "new");
}

// The umask is read, never set, so no file that another thread creates meanwhile
// goes without it.
TEST_F(WriteFileSafelyTest, ANewFileGetsTheModeTheUmaskGives)
{
    const std::pair<mode_t, mode_t> umaskAndMode[] = {{027, 0640}, {002, 0664}};
    for (const auto& [mask, mode] : umaskAndMode) {
        const std::string path = folder + "/new" + std::to_string(mask) + ".qzl";
        const mode_t before = umask(mask);
        umasksSet.clear();
        EXPECT_EQ(WriteFileSafely(path, "new"), "");
        EXPECT_TRUE(umasksSet.empty()) << "the umask was set to " << umasksSet.front();
        umask(before);
        EXPECT_EQ(StatOf(path).st_mode & 07777, mode) << std::oct << mask;
    }
}

// Another user who may write in the folder swaps the document for a link to a
// file of theirs that anyone may write, just as the save looks at it: the saved
// file takes neither their owner nor that mode, and their file is left alone.
TEST_F(WriteFileSafelyTest, ALinkSwappedInDuringTheSaveLendsItNoOwnerOrMode)
{
    const std::string path = folder + "/quiz.qzl", theirs = folder + "/theirs.txt";
    MakeFile(path, 0600, geteuid());
    MakeFile(theirs, 0666, Daemon);
    planted.swapAt = path;
    planted.swapTo = theirs;
    EXPECT_EQ(WriteFileSafely(path, "new"), "");
    EXPECT_EQ(Text(path) + Text(theirs), "newold");
    EXPECT_NE(StatOf(path).st_mode & 07777, 0666u);
    EXPECT_EQ(StatOf(path).st_uid, geteuid());
}

// A link made by `owner`.
void Link(const std::string& to, const std::string& at, uid_t owner)
{
    ASSERT_EQ(symlink(to.c_str(), at.c_str()), 0);
    ASSERT_EQ(lchown(at.c_str(), owner, owner == 0 ? 0 : NoGroup), 0);
}

// The teacher (nobody) saves, or opens a document with its trace, through a
// link in a folder where another user (daemon) may make links, to the file or
// to a folder on the way: it is followed only where the system would follow it.
TEST_F(WriteFileSafelyTest, ALinkIsFollowedOnlyWhereTheSystemWouldFollowIt)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "links of two users need root to make";
    const std::string home = folder + "/home", notes = home + "/notes.txt";
    mkdir(home.c_str(), 0755);
    ASSERT_EQ(chown(home.c_str(), Nobody, NoGroup), 0);
    struct Case {
        const char* what;
        mode_t folderMode;
        uid_t folderOwner, linkOwner;
        bool throughOwnLink, toFolder, followed;
    };
    const Case cases[] = {
        {"another's link in a sticky folder anyone may write in", 01777, 0, Daemon, false, false, false},
        {"another's link there to the user's folder", 01777, 0, Daemon, false, true, false},
        {"the user's own link there", 01777, 0, Nobody, false, false, true},
        {"the user's own link there to the user's folder", 01777, 0, Nobody, false, true, true},
        {"the user's own link there, to another's link there", 01777, 0, Daemon, true, false, false},
        {"the folder owner's link", 01777, Daemon, Daemon, false, false, true},
        {"another's link in a folder without the sticky bit", 0777, 0, Daemon, false, false, true},
        {"another's link in a sticky folder only its group may write in", 01775, 0, Daemon, false, false, true},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string shared = folder + "/shared" + std::to_string(++number);
        const std::string puzzle = shared + (c.toFolder ? "/class/notes.txt" : "/puzzle.qzl");
        mkdir(shared.c_str(), 0755);
        chmod(shared.c_str(), c.folderMode);
        ASSERT_EQ(chown(shared.c_str(), c.folderOwner, 0), 0);
        MakeFile(notes, 0644, Nobody);
        if (c.throughOwnLink) {
            Link("hop", puzzle, Nobody);
            Link(notes, shared + "/hop", c.linkOwner);
        } else if (c.toFolder) {
            Link(home, shared + "/class", c.linkOwner);
        } else {
            Link(notes, puzzle, c.linkOwner);
        }
        EXPECT_EQ(AsUser([&] { return WriteFileSafely(puzzle, "new"); }), c.followed ? "" : std::strerror(EACCES));
        EXPECT_EQ(Text(notes), c.followed ? "new" : "old");
        // Open's trace goes by the same rule.
        const std::string traced = AsUser([&] {
            std::string failure;
            const int fd = OpenRewritten(puzzle, failure);
            return fd >= 0 && close(fd) == 0 ? "" : failure;
        });
        EXPECT_EQ(traced, c.followed ? "" : std::strerror(EACCES));
        EXPECT_EQ(Text(notes), c.followed ? "" : "old");
        EXPECT_EQ(Entries(shared), c.throughOwnLink ? 2 : 1);
        EXPECT_EQ(Entries(home), 1);
    }
}

// In a folder that takes no new file, from the user or (sticky) over another's
// file, a file the user may write is written in place and keeps mode and owner.
TEST_F(WriteFileSafelyTest, AFileTheUserMayWriteIsSavedInPlaceWhereTheFolderTakesNoNewFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "a folder the user may not write needs root to make";
    const std::string locked = folder + "/locked", sticky = folder + "/sticky";
    mkdir(locked.c_str(), 0755);
    mkdir(sticky.c_str(), 0755);
    chmod(sticky.c_str(), 01777);
    struct Case {
        std::string path;
        uid_t owner;
        mode_t mode;
    };
    const Case cases[] = {{locked + "/mine.qzl", Nobody, 0640},
                          {locked + "/anyones.lst", 0, 0666},
                          {sticky + "/others.qzl", Daemon, 0666}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        MakeFile(c.path, c.mode, c.owner);
        EXPECT_EQ(AsUser([&] { return WriteFileSafely(c.path, "x"); }), "");
        EXPECT_EQ(Text(c.path), "x");
        EXPECT_EQ(StatOf(c.path).st_mode & 07777, c.mode);
        EXPECT_EQ(StatOf(c.path).st_uid, c.owner);
    }
    EXPECT_EQ(Entries(locked) + Entries(sticky), 3) << "no temporary file is left";
    EXPECT_EQ(AsUser([&] { return WriteFileSafely(locked + "/new.qzl", "x"); }), std::strerror(EACCES));
}

// Written in place, a save leaves the old bytes whole, or says the file may be
// damaged: a disk too full for the whole new text (a copy-on-write one needs
// room for its every byte; one that counts no room takes it) or for what it adds, with room reserved part-way; a
// write that fails once, or ever after, or a failing sync; the file size limit,
// whose signal would end the program.
TEST_F(WriteFileSafelyTest, AFailedSaveInPlaceLeavesTheOldBytesOrSaysTheFileMayBeDamaged)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "a folder the user may not write needs root to make";
    const std::string locked = folder + "/locked", path = locked + "/mine.qzl", old(20000, 'o');
    mkdir(locked.c_str(), 0755);
    const auto limitSize = [] {
        const rlimit tiny{64, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &tiny);
        std::signal(SIGXFSZ, SIG_DFL);
    };
    struct Case {
        const char* what;
        std::function<void()> plant;
        std::size_t size;
        std::string says;
    };
    const Case cases[] = {
        {"room for less than the new text", [] { planted.roomSaid = 19999; }, 20000, "No space left on device"},
        {"a file system that counts no room", [] { planted.roomSaid = 0, planted.roomCounted = false; }, 20000, ""},
        {"room to grow by less than it adds", [] { planted.roomToGrow = 50; }, 20100, "No space left on device"},
        {"a write that fails once", [] { planted.writeFailsAfter = 4096; }, 20000, "Input/output error"},
        {"writes that keep failing", [] { planted.writeFailsAfter = 4096, planted.writesKeepFailing = true; }, 20000,
         "Input/output error, damaged"},
        {"a failing sync", [] { planted.fsync = true; }, 20000, "Input/output error, damaged"},
        {"the file size limit", limitSize, 20000, "File too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MakeFile(path, 0666, 0);
        std::ofstream(path) << old;
        const std::string said = AsUser([&] {
            planted.folder = locked;
            c.plant();
            bool damaged = false;
            const std::string failure = WriteFileSafely(path, std::string(c.size, 'n'), &damaged);
            return failure + (damaged ? ", damaged" : "");
        });
        EXPECT_EQ(said, c.says);
        const std::string kept = c.says.empty() ? std::string(c.size, 'n') : old;
        EXPECT_EQ(Text(path) == kept, c.says.find("damaged") == std::string::npos);
    }
    EXPECT_EQ(Entries(locked), 1) << "no temporary file is left";
}

}  // namespace
