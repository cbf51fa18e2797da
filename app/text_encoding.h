#pragma once

#include <optional>
#include <string>

#include <wx/string.h>

// The model holds 8-bit Windows-1252 text; the windows hold wxString. Every
// byte has its character, so text read from a file or page comes back whole.
wxString FromWindows1252(const std::string& text);

// Nothing when the text holds a character that Windows-1252 has no byte for.
std::optional<std::string> ToWindows1252(const wxString& text);
