#pragma once

#include <string>

#include <wx/string.h>

// Writes a document the way the program always writes text files: each line
// feed as CR LF, and safely (see WriteFileSafely).
// Returns an empty string on success, else what went wrong.
std::string WriteDocumentFile(const std::string& path, const std::string& text);

// The tab caption of a document: the part of its path after the last separator.
std::string CaptionOf(const wxString& path);
