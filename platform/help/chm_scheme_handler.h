#pragma once

#include <wx/filesys.h>
#include <wx/webview.h>

#include <memory>

class ChmFile;

// Serves the objects of an open help file to a web view under a URL scheme, so that a
// page finds its style sheet, pictures and linked pages inside the same file.
class ChmSchemeHandler : public wxWebViewHandler {
public:
    ChmSchemeHandler(const wxString& scheme, std::shared_ptr<const ChmFile> file);

    // The object that the address names, or null when the file has none. The
    // web view reads the object at once and never frees it, so the handler
    // keeps it until the next one is asked for.
    wxFSFile* GetFile(const wxString& uri) override;

private:
    std::shared_ptr<const ChmFile> file_;
    std::unique_ptr<wxFSFile> served_;
};
