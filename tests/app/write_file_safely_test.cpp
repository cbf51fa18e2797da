#include "app/safe_write.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include <dlfcn.h>
#include <grp.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/temp_file.h"

namespace {

constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534;

// Calls of this process that a test makes fail for files of one folder, as a
// disk fails that reports a lost write only at fsync, or at close as NFS does.
struct PlantedFailures {
    std::string folder;
    bool fsync = false;
    bool close = false;
} planted;

bool InPlantedFolder(int fd)
{
    if (planted.folder.empty())
        return false;
    char path[PATH_MAX];
    const ssize_t length = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path);
    return length > 0 && std::string(path, std::size_t(length)).rfind(planted.folder + "/", 0) == 0;
}

template <typename Call>
Call RealCall(const char* name)
{
    return reinterpret_cast<Call>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd)
{
    static const auto real = RealCall<int (*)(int)>("fsync");
    if (planted.fsync && InPlantedFolder(fd)) {
        errno = EIO;
        return -1;
    }
    return real(fd);
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
// reason; what the user may write is replaced, under the longest name a folder
// takes, too.
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
    EXPECT_EQ(Entries(folder), root ? 4 : 3) << "no temporary file is left";
}

// A save whose bytes never reached the disk is a failed save.
TEST_F(WriteFileSafelyTest, AFailingFsyncOrCloseIsReportedAndLeavesTheOldFileWhole)
{
    const std::string path = folder + "/quiz.qzl";
    std::ofstream(path) << "old";
    planted.folder = folder;
    for (bool PlantedFailures::*call : {&PlantedFailures::fsync, &PlantedFailures::close}) {
        planted.*call = true;
        EXPECT_EQ(WriteFileSafely(path, "new"), std::strerror(EIO));
        planted.*call = false;
        EXPECT_EQ(Text(path), "old");
        EXPECT_EQ(Entries(folder), 1) << "no temporary file is left";
    }
    EXPECT_EQ(WriteFileSafely(path, "new"), "");
    EXPECT_EQ(Text(path), "new");
}

}  // namespace
