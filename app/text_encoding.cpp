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

wxUniChar Character(char32_t unit)
{
    return IsHighSurrogate(unit) || IsLowSurrogate(unit) || unit > 0x10FFFF ? 0xFFFD : unit;
}

}  // namespace

wxString FromUtf16Or32(const std::string& bytes, std::size_t unitBytes, bool bigEndian)
{
    const auto unit = [&](std::size_t at) {
        char32_t value = 0;
        for (std::size_t i = 0; i < unitBytes; ++i)
            value = value << 8 | static_cast<unsigned char>(bytes[at + (bigEndian ? i : unitBytes - 1 - i)]);
        return value;
    };
    wxString text;
    std::size_t i = 0;
    for (; i + unitBytes <= bytes.size(); i += unitBytes) {
        char32_t c = unit(i);
        if (unitBytes == 2 && IsHighSurrogate(c) && i + 4 <= bytes.size() && IsLowSurrogate(unit(i + 2))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        }
        text += Character(c);
    }
    if (i < bytes.size())
        text += wxUniChar(0xFFFD);
    return text;
}
