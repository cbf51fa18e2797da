#pragma once

#include <wx/string.h>

#include <string>

// Addresses of help file objects as the web view sees them: scheme:///path, the path
// being the object's path inside the file, percent-encoded where needed.

// The address of a page named as the contents file names it ("crossword.html#tips").
wxString ChmUrl(const wxString& scheme, const std::string& local);

// The object path inside the file for an address: "chm:///a/b%20c.html#x" gives
// "/a/b c.html"; the scheme, any query and any fragment are dropped.
std::string ChmPathFromUrl(const wxString& url);
