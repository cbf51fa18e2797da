#include "browser/bstr_text.h"

#include <string>

wxString BstrToString(BSTR text)
{
    const UINT length = SysStringLen(text);
    std::wstring wide;
    wide.reserve(length);
    for (UINT i = 0; i < length; ++i) {
        const char32_t unit = text[i];
        const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < length && text[i + 1] >= 0xDC00 &&
                          text[i + 1] < 0xE000;
        if (pair) {
            wide += wchar_t(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            wide += wchar_t(unit);
        }
    }
    return wxString(wide);
}

BSTR StringToBstr(const wxString& text)
{
    std::u16string units;
    for (wxUniChar c : text) {
        const char32_t code = c.GetValue();
        if (code >= 0x10000) {
            units += char16_t(0xD800 + ((code - 0x10000) >> 10));
            units += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            units += char16_t(code);
        }
    }
    return SysAllocStringLen(units.data(), UINT(units.size()));
}
