#pragma once

#include <cstddef>
#include <string>

// While one lives, reading the file at `path` fails with EIO once `good` bytes
// of it were read, as a disk with a bad block does. Test programs that use it
// link failing_read.cpp, which stands in for the system's read().
class FailingRead {
public:
    FailingRead(const std::string& path, std::size_t good);
    ~FailingRead();
    FailingRead(const FailingRead&) = delete;
    FailingRead& operator=(const FailingRead&) = delete;
};
