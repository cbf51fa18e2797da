#pragma once

#include <wx/webview.h>

#include <memory>

class ChmFile;

// Serves the objects of an open help file to a web view under a URL scheme, so that a
// page finds its style sheet, pictures and linked pages inside the same file.
class ChmSchemeHandler : public wxWebViewHandler {
public:
    ChmSchemeHandler(const wxString& scheme, std::shared_ptr<const ChmFile> file);

    // The object that the address names, or null when the file has none.
    wxFSFile* GetFile(const wxString& uri) override;

private:
    std::shared_ptr<const ChmFile> file_;
};
