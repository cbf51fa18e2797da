#include "app/text_encoding.h"

#include <wx/strconv.h>

namespace {

wxCSConv& Windows1252()
{
    static wxCSConv conv(wxFONTENCODING_CP1252);
    return conv;
}

}  // namespace

wxString FromWindows1252(const std::string& text) { return wxString(text.data(), Windows1252(), text.size()); }

std::optional<std::string> ToWindows1252(const wxString& text)
{
    if (text.empty())
        return std::string();
    const wxCharBuffer bytes = text.mb_str(Windows1252());
    if (bytes.length() == 0)
        return std::nullopt;
    std::string result(bytes.data(), bytes.length());
    // A character without a byte is dropped by some converters instead of
    // failing: only a text that converts back unchanged is whole.
    if (FromWindows1252(result) != text)
        return std::nullopt;
    return result;
}
