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

namespace {

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

}  // namespace

wxString FromUtf16(const std::string& bytes, bool bigEndian)
{
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? first << 8 | second : second << 8 | first;
    };
    wxString text;
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (IsHighSurrogate(c) && i + 3 < bytes.size() && IsLowSurrogate(unit(i + 2))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        }
        text += wxUniChar(IsHighSurrogate(c) || IsLowSurrogate(c) ? 0xFFFD : c);
    }
    if (i < bytes.size())
        text += wxUniChar(0xFFFD);
    return text;
}
