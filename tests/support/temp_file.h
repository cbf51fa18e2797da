#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <sys/stat.h>
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

// A fresh folder that anyone may look into, removed with all it holds.
class TempFolder {
public:
    TempFolder()
    {
        char name[] = "/tmp/quillory-test-XXXXXX";
        path_ = mkdtemp(name);
        chmod(path_.c_str(), 0755);
    }
    ~TempFolder() { std::system(("chmod -R u+w " + path_ + "; rm -rf " + path_).c_str()); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};
