#pragma once

#include <cstddef>
#include <string>

#include <fcntl.h>
#include <sys/types.h>

// The program reads and writes regular files alone. A named pipe waits in
// open() for a program at its other end, a device such as /dev/zero never ends
// and a folder is no text: each is refused with a message, and never waited on.

// Each path below is taken in `folder`, a descriptor of a folder, where it is
// not absolute; AT_FDCWD stands for the working folder.

// What `path` names instead of a regular file, in a teacher's words ("it is a
// folder, not a file"); empty when it is a regular file or is not there.
std::string NotAFile(const std::string& path, int folder = AT_FDCWD);

// What went wrong at `path`: what it names instead of a file, else the
// system's reason for `error`.
std::string FailureAt(const std::string& path, int error, int folder = AT_FDCWD);

// Opens `path` with `flags` (and `mode` for a file it creates) only when it is
// a regular file, without waiting: the open itself does not block, and what it
// opened is looked at before anything is read or written. Returns the
// descriptor, blocking again, or -1 with errno set (ENXIO where the path names
// no regular file: NotAFile says what).
int OpenRegularFile(const std::string& path, int flags, mode_t mode = 0, int folder = AT_FDCWD);

// Appends what `fd` holds, from where it stands, to `bytes` until its end or
// until `bytes` holds more than `limit`; false where a read failed first.
bool ReadInto(int fd, std::string& bytes, std::size_t limit);

struct FileReading {
    std::string bytes;      // at most the limit and one more
    std::string notOpened;  // why the file could not be opened, or empty
    bool broke = false;     // reading failed before the file's end
};

// The first bytes of the regular file at `path`: one past `limit` is enough
// for the caller to refuse it without reading it all.
FileReading ReadRegularFile(const std::string& path, std::size_t limit);
