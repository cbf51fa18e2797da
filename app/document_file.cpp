#include "app/document_file.h"

#include "app/safe_write.h"
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

}  // namespace

std::string CaptionOf(const wxString& path)
{
    wxString name = path.AfterLast('/');
    return ToWindows1252(name).value_or(std::string(name.ToAscii('?')));
}

std::string WriteDocumentFile(const std::string& path, const std::string& text)
{
    return WriteFileSafely(path, WithCrLf(text));
}
