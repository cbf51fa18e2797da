#pragma once

#include <string>

#include <wx/string.h>

// The bytes of a document file: the document text with each line feed as
// CR LF, the way the program always writes text files.
std::string DocumentFileText(const std::string& text);

// Writes the document file safely (see WriteFileSafely), but only when the
// reader would open it again: every save can be opened. Returns an empty
// string on success, else what went wrong; `damaged` as WriteFileSafely sets it.
std::string WriteDocumentFile(const std::string& path, const std::string& text, bool& damaged);

// The tab caption of a document: the part of its path after the last separator.
std::string CaptionOf(const wxString& path);
