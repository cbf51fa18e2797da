#pragma once

#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>

// A file in the temporary folder holding the given bytes, removed with the object.
class TempFile {
public:
    explicit TempFile(const std::string& contents)
    {
        char name[] = "/tmp/quillory-test-XXXXXX";
        int fd = mkstemp(name);
        ::close(fd);
        path_ = name;
        std::ofstream(path_, std::ios::binary) << contents;
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};
