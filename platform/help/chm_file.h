#pragma once

#include <string>

struct chmFile;

// A compiled help file (.chm) opened for reading through chmlib. The bytes it hands
// out are the file's own: 8-bit text stays in the code page it was written in.
class ChmFile {
public:
    ChmFile() = default;
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // Opens the file at path, closing any file opened before; false when it is missing
    // or no CHM file.
    bool Open(const std::string& path);

    // Reads the object at path inside the file ("/index.html"; the leading slash may be
    // left out); false when there is none.
    bool Read(const std::string& path, std::string& bytes) const;

    // From the file's system record: its contents file (the sitemap behind the contents
    // tree), its default page and its title; empty when the record lacks them.
    std::string ContentsFile() const { return contentsFile_; }
    std::string DefaultTopic() const { return defaultTopic_; }
    std::string Title() const { return title_; }

private:
    void Close();
    void ReadSystemRecord();
    std::string FindContentsFile() const;

    chmFile* handle_ = nullptr;
    std::string contentsFile_;
    std::string defaultTopic_;
    std::string title_;
};
