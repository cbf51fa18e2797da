#include "app/document_file.h"

#include "app/document_reader.h"
#include "app/safe_write.h"
#include "app/text_encoding.h"

std::string DocumentFileText(const std::string& text)
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

std::string CaptionOf(const wxString& path)
{
    wxString name = path.AfterLast('/');
    return ToWindows1252(name).value_or(std::string(name.ToAscii('?')));
}

std::string WriteDocumentFile(const std::string& path, const std::string& text, bool& damaged)
{
    const std::string bytes = DocumentFileText(text);
    DocumentReader reader;
    if (!reader.Parse(bytes))
        return "Quillory could not open it again, as " + reader.Failure() + "; the file was left as it was";
    return WriteFileSafely(path, bytes, &damaged);
}
