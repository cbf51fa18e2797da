#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// Where a path leads: the folder that holds its last part, held open, and the
// name of that part in it. Links are followed part by part, as the system
// follows them, but under the system's rule for links in shared folders
// whatever the system is set to, for every link on the way. Whatever is done
// at the name afterwards happens in that very folder, even when a folder on
// the way is swapped for a link meanwhile.
class FollowedPath {
public:
    explicit FollowedPath(const std::string& path);
    ~FollowedPath();
    FollowedPath(const FollowedPath&) = delete;
    FollowedPath& operator=(const FollowedPath&) = delete;

    // A descriptor of the folder (O_PATH), or -1 where the path could not be
    // followed: Failure() then gives the system's reason (EACCES for a link
    // the rule refuses).
    int Folder() const { return folder_; }
    int Failure() const { return failure_; }
    // The last part: no link, but possibly not there yet; "." where the path
    // names a folder with a trailing slash.
    const std::string& Name() const { return name_; }

private:
    int Walk(std::vector<std::string>& parts);
    int Follow(int link, uid_t owner, std::vector<std::string>& parts);

    int folder_ = -1;
    int failure_ = 0;
    std::string name_;
};
