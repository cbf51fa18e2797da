#include "platform/help/chm_scheme_handler.h"

#include "platform/help/chm_file.h"
#include "platform/help/chm_url.h"

#include <wx/datetime.h>
#include <wx/filesys.h>
#include <wx/mstream.h>

#include <map>

namespace {

wxString MimeTypeOf(const std::string& path)
{
    static const std::map<wxString, wxString> types = {
        {"html", "text/html"}, {"htm", "text/html"}, {"css", "text/css"}, {"js", "text/javascript"},
        {"png", "image/png"}, {"gif", "image/gif"}, {"jpg", "image/jpeg"}, {"jpeg", "image/jpeg"},
        {"bmp", "image/bmp"}, {"svg", "image/svg+xml"}};
    wxString extension = wxString(path).AfterLast('.').Lower();
    auto found = types.find(extension);
    return found == types.end() ? wxString("application/octet-stream") : found->second;
}

} // namespace

ChmSchemeHandler::ChmSchemeHandler(const wxString& scheme, std::shared_ptr<const ChmFile> file)
    : wxWebViewHandler(scheme), file_(std::move(file))
{
}

wxFSFile* ChmSchemeHandler::GetFile(const wxString& uri)
{
    std::string path = ChmPathFromUrl(uri);
    std::string bytes;
    if (!file_->Read(path, bytes))
        return nullptr;
    wxMemoryOutputStream copy;
    copy.Write(bytes.data(), bytes.size());
    served_ = std::make_unique<wxFSFile>(new wxMemoryInputStream(copy), uri, MimeTypeOf(path), wxString(),
                                         wxDateTime::Now());
    return served_.get();
}
