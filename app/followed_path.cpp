#include "app/followed_path.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;

// Adds the parts of `path` to those still to walk, which are taken from the
// back. A path that ends in a slash names a folder, as a last part "." does.
void AddParts(const std::string& path, std::vector<std::string>& parts)
{
    if (!path.empty() && path.back() == '/')
        parts.push_back(".");
    for (std::string::size_type end = path.size(); end > 0;) {
        const std::string::size_type slash = path.rfind('/', end - 1);
        const std::string::size_type start = slash == std::string::npos ? 0 : slash + 1;
        if (start < end)
            parts.push_back(path.substr(start, end - start));
        end = slash == std::string::npos ? 0 : slash;
    }
}

int OpenFolder(const char* path) { return ::open(path, O_PATH | O_DIRECTORY | O_CLOEXEC); }

// Each part is opened as it is, not followed. A folder on the way is opened as
// a folder, so that one mounted on demand is mounted, as the system's own walk
// would; anything else there, a link above all, is then opened as it is.
int OpenPart(int folder, const std::string& part, bool onTheWay)
{
    const int flags = O_PATH | O_NOFOLLOW | O_CLOEXEC;
    const int fd = onTheWay ? ::openat(folder, part.c_str(), flags | O_DIRECTORY) : -1;
    if (fd >= 0 || (onTheWay && errno != ENOTDIR))
        return fd;
    return ::openat(folder, part.c_str(), flags);
}

// The system's rule for links in shared folders (protected symlinks): in a
// sticky folder anyone may write in, a link is followed only for its owner or
// the folder's owner, so that no one can aim another user's save at a file,
// or a folder, of their choice.
bool MayFollow(int folder, uid_t linkOwner)
{
    struct stat st;
    if (::fstat(folder, &st) != 0)
        return false;
    const bool shared = (st.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || linkOwner == ::geteuid() || linkOwner == st.st_uid;
}

}  // namespace

FollowedPath::FollowedPath(const std::string& path)
{
    std::vector<std::string> parts;
    AddParts(path, parts);
    folder_ = OpenFolder(!path.empty() && path[0] == '/' ? "/" : ".");
    failure_ = folder_ < 0 ? errno : parts.empty() ? ENOENT : Walk(parts);
    if (failure_ != 0 && folder_ >= 0)
        ::close(std::exchange(folder_, -1));
}

FollowedPath::~FollowedPath()
{
    if (folder_ >= 0)
        ::close(folder_);
}

// Each part is looked at through its own descriptor, so the link judged is the
// link read and the folder looked at is the folder entered.
int FollowedPath::Walk(std::vector<std::string>& parts)
{
    for (int hops = 0; !parts.empty();) {
        std::string part = std::move(parts.back());
        parts.pop_back();
        int entry = OpenPart(folder_, part, !parts.empty());
        if (entry < 0) {
            if (errno != ENOENT || !parts.empty())
                return errno;
            name_ = std::move(part);  // a file still to be made
            return 0;
        }
        struct stat st;
        int failure = ::fstat(entry, &st) == 0 ? 0 : errno;
        if (failure == 0 && S_ISLNK(st.st_mode))
            failure = ++hops > MaxLinkHops ? ELOOP : Follow(entry, st.st_uid, parts);
        else if (failure == 0 && parts.empty())
            name_ = std::move(part);
        else if (failure == 0)
            failure = S_ISDIR(st.st_mode) ? (std::swap(folder_, entry), 0) : ENOTDIR;
        ::close(entry);
        if (failure != 0)
            return failure;
    }
    return 0;
}

// Adds what the link open at `link` says to the parts to walk, where the rule
// lets it be followed from the folder that holds it.
int FollowedPath::Follow(int link, uid_t owner, std::vector<std::string>& parts)
{
    if (!MayFollow(folder_, owner))
        return EACCES;
    char target[PATH_MAX];
    const ssize_t length = ::readlinkat(link, "", target, sizeof target);
    if (length < 0)
        return errno;
    if (std::size_t(length) == sizeof target)
        return ENAMETOOLONG;
    AddParts(std::string(target, std::size_t(length)), parts);
    if (target[0] != '/')
        return 0;
    const int root = OpenFolder("/");
    if (root < 0)
        return errno;
    ::close(std::exchange(folder_, root));
    return 0;
}
