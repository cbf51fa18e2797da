#include "app/regular_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string WhatItIs(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a named pipe (a channel between programs), not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device (such as a disk or a terminal), not a file";
    if (S_ISSOCK(mode))
        return "it is a socket (a connection between programs), not a file";
    return "it is not a file";
}

}  // namespace

std::string NotAFile(const std::string& path, int folder)
{
    struct stat st;
    if (::fstatat(folder, path.c_str(), &st, 0) != 0 || S_ISREG(st.st_mode))
        return "";
    return WhatItIs(st.st_mode);
}

std::string FailureAt(const std::string& path, int error, int folder)
{
    const std::string notAFile = NotAFile(path, folder);
    return notAFile.empty() ? std::strerror(error) : notAFile;
}

int OpenRegularFile(const std::string& path, int flags, mode_t mode, int folder)
{
    // O_NOCTTY: a terminal opened here must not become the program's own.
    const int fd = ::openat(folder, path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
    if (fd < 0)
        return -1;
    struct stat st;
    int error = ::fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : ENXIO;
    const int status = error ? -1 : ::fcntl(fd, F_GETFL);
    if (!error && (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0))
        error = errno;
    if (!error)
        return fd;
    ::close(fd);
    errno = error;
    return -1;
}

bool ReadInto(int fd, std::string& bytes, std::size_t limit)
{
    char chunk[65536];
    while (bytes.size() <= limit) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        bytes.append(chunk, std::size_t(n));
    }
    return true;
}

FileReading ReadRegularFile(const std::string& path, std::size_t limit)
{
    FileReading reading;
    const int fd = OpenRegularFile(path, O_RDONLY);
    if (fd < 0) {
        reading.notOpened = FailureAt(path, errno);
        return reading;
    }
    reading.broke = !ReadInto(fd, reading.bytes, limit);
    ::close(fd);
    if (reading.bytes.size() > limit + 1)
        reading.bytes.resize(limit + 1);
    return reading;
}
