#include "platform/com/code_page.h"

#include <cstring>

namespace {

// 0x80 to 0x9F; the five bytes the code page leaves unassigned map to the
// control character of the same value, as the platform maps them.
const WCHAR Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsHighRange(char32_t c) { return c >= 0x80 && c < 0xA0; }

}  // namespace

WCHAR Windows1252Char(unsigned char byte) { return IsHighRange(byte) ? Windows1252High[byte - 0x80] : WCHAR(byte); }

std::wstring WideFromWindows1252(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        wide[i] = Windows1252Char(static_cast<unsigned char>(text[i]));
    return wide;
}

std::optional<char> Windows1252Byte(char32_t c)
{
    if (c < 0x100 && !IsHighRange(c))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (Windows1252High[i] == c)
            return char(0x80 + i);
    }
    return std::nullopt;
}

int MultiByteToWideChar(UINT codePage, DWORD, const char* text, int length, WCHAR* wide, int wideLength)
{
    if ((codePage != CP_ACP && codePage != CP_WINDOWS_1252) || !text || length == 0 || length < -1 ||
        wideLength < 0 || (wideLength > 0 && !wide))
        return 0;
    const int count = length == -1 ? int(std::strlen(text)) + 1 : length;
    if (wideLength == 0)
        return count;
    if (wideLength < count)
        return 0;
    for (int i = 0; i < count; ++i)
        wide[i] = Windows1252Char(static_cast<unsigned char>(text[i]));
    return count;
}
