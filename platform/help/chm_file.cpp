#include "platform/help/chm_file.h"

#include <chm_lib.h>

#include <cstdint>
#include <cstring>

#include <strings.h>

namespace {

// Objects beyond this size are taken for damage rather than help pages.
const std::uint64_t MaxObjectSize = 64 * 1024 * 1024;

// Codes of the #SYSTEM records that name the contents file, the default page and the title.
enum SystemCode : unsigned { ContentsFileCode = 0, DefaultTopicCode = 2, TitleCode = 3 };

std::string WithLeadingSlash(const std::string& path)
{
    return !path.empty() && path[0] == '/' ? path : "/" + path;
}

unsigned ReadWord(const std::string& bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

// A record's text ends at its first NUL, or with the record.
std::string RecordText(const std::string& bytes, std::size_t at, std::size_t length)
{
    std::string text = bytes.substr(at, length);
    return text.substr(0, text.find('\0'));
}

bool EndsWithHhc(const char* path)
{
    std::size_t length = std::strlen(path);
    return length >= 4 && strcasecmp(path + length - 4, ".hhc") == 0;
}

int RememberContentsFile(chmFile*, chmUnitInfo* unit, void* context)
{
    if (!EndsWithHhc(unit->path))
        return CHM_ENUMERATOR_CONTINUE;
    *static_cast<std::string*>(context) = unit->path;
    return CHM_ENUMERATOR_SUCCESS;
}

} // namespace

ChmFile::~ChmFile()
{
    Close();
}

bool ChmFile::Open(const std::string& path)
{
    Close();
    handle_ = chm_open(path.c_str());
    if (!handle_)
        return false;
    ReadSystemRecord();
    if (contentsFile_.empty())
        contentsFile_ = FindContentsFile();
    return true;
}

void ChmFile::Close()
{
    if (handle_)
        chm_close(handle_);
    handle_ = nullptr;
    contentsFile_.clear();
    defaultTopic_.clear();
    title_.clear();
}

bool ChmFile::Read(const std::string& path, std::string& bytes) const
{
    chmUnitInfo unit;
    if (!handle_ || chm_resolve_object(handle_, WithLeadingSlash(path).c_str(), &unit) != CHM_RESOLVE_SUCCESS)
        return false;
    if (unit.length > MaxObjectSize)
        return false;
    bytes.assign(unit.length, '\0');
    if (unit.length == 0)
        return true;
    LONGINT64 got = chm_retrieve_object(handle_, &unit, reinterpret_cast<unsigned char*>(&bytes[0]), 0, unit.length);
    return got == static_cast<LONGINT64>(unit.length);
}

// The record is a version word of four bytes, then entries of a code, a length and
// that many bytes of data, the two numbers being 16-bit little-endian.
void ChmFile::ReadSystemRecord()
{
    std::string bytes;
    if (!Read("/#SYSTEM", bytes))
        return;
    for (std::size_t at = 4; at + 4 <= bytes.size();) {
        unsigned code = ReadWord(bytes, at);
        std::size_t length = ReadWord(bytes, at + 2);
        at += 4;
        if (at + length > bytes.size())
            return;
        std::string text = RecordText(bytes, at, length);
        if (code == ContentsFileCode && !text.empty())
            contentsFile_ = WithLeadingSlash(text);
        else if (code == DefaultTopicCode)
            defaultTopic_ = text;
        else if (code == TitleCode)
            title_ = text;
        at += length;
    }
}

std::string ChmFile::FindContentsFile() const
{
    std::string found;
    chm_enumerate(handle_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, RememberContentsFile, &found);
    return found;
}
