#pragma once

#include <optional>
#include <string>

#include <wx/string.h>

// The model holds 8-bit Windows-1252 text; the windows hold wxString. Every
// byte has its character, so text read from a file or page comes back whole.
wxString FromWindows1252(const std::string& text);

// Nothing when the text holds a character that Windows-1252 has no byte for.
std::optional<std::string> ToWindows1252(const wxString& text);

// Text stored as UTF-16 or UTF-32, in units of 2 or 4 bytes in the given byte
// order. A unit that is no character (a surrogate without its pair, a number
// past U+10FFFF) or a last unit cut short becomes U+FFFD, which no 8-bit text
// holds.
wxString FromUtf16Or32(const std::string& bytes, std::size_t unitBytes, bool bigEndian);
