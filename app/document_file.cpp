#include "app/document_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

#include "app/text_encoding.h"

namespace {

std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return ::fsync(fd) == 0;
}

}  // namespace

std::string CaptionOf(const wxString& path)
{
    wxString name = path.AfterLast('/');
    return ToWindows1252(name).value_or(std::string(name.ToAscii('?')));
}

std::string WriteDocumentFile(const std::string& path, const std::string& text)
{
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return std::strerror(errno);
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    bool written = WriteAll(fd, WithCrLf(text));
    int writeError = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        writeError = errno;
    }
    if (written && std::rename(temp.c_str(), path.c_str()) == 0)
        return "";
    if (written)
        writeError = errno;
    std::remove(temp.c_str());
    return std::strerror(writeError);
}
