#include "app/text_encoding.h"

#include "platform/com/code_page.h"

wxString FromWindows1252(const std::string& text) { return wxString(WideFromWindows1252(text)); }

std::optional<std::string> ToWindows1252(const wxString& text)
{
    std::string bytes;
    bytes.reserve(text.length());
    for (wxUniChar c : text) {
        const std::optional<char> byte = Windows1252Byte(c.GetValue());
        if (!byte)
            return std::nullopt;
        bytes += *byte;
    }
    return bytes;
}
