#include "puzzles/page_text.h"

const char* const NoSelectScript =
    "document.onselectstart=new Function (\"return false\"); "
    "document.onmousedown=new Function (\"return false\"); "
    "document.onmouseup=new Function (\"return false\"); "
    "window.onmousedown=new Function (\"return false\"); "
    "window.onmouseup=new Function (\"return false\");";

std::string EscapeHtml(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

char CapitalOf(char c)
{
    auto byte = static_cast<unsigned char>(c);
    // Windows-1252 puts most accented capitals 32 below their small letters,
    // except for the division sign's place; four letters live elsewhere.
    switch (byte) {
    case 0x9A: return '\x8A';  // s caron
    case 0x9C: return '\x8C';  // oe
    case 0x9E: return '\x8E';  // z caron
    case 0xFF: return '\x9F';  // y diaeresis
    }
    bool small = (byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte != 0xF7);
    return small ? static_cast<char>(byte - 32) : c;
}

void ReplaceFirst(std::string& page, const std::string& placeholder, const std::string& value)
{
    std::string::size_type at = page.find(placeholder);
    if (at != std::string::npos)
        page.replace(at, placeholder.size(), value);
}
