#include "platform/help/chm_help_controller.h"

#include "platform/help/chm_file.h"
#include "platform/help/chm_help_frame.h"

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include <memory>

namespace {

std::string FileSystemPath(const wxString& path)
{
    return std::string(path.fn_str());
}

} // namespace

ChmHelpController::ChmHelpController(wxWindow* parentWindow)
    : parentWindow_(parentWindow)
{
}

ChmHelpController::~ChmHelpController()
{
    if (frame_)
        frame_->Destroy();
}

bool ChmHelpController::Initialize(const wxString& file)
{
    name_ = file;
    wxFileName name(file);
    name.MakeAbsolute();
    path_ = name.GetFullPath();
    return ChmFile().Open(FileSystemPath(path_));
}

bool ChmHelpController::DisplayContents()
{
    ChmHelpFrame* frame = frame_ ? frame_.get() : OpenFrame();
    if (!frame)
        return false;
    frame->ShowContents();
    return true;
}

ChmHelpFrame* ChmHelpController::OpenFrame()
{
    auto file = std::make_shared<ChmFile>();
    if (path_.empty() || !file->Open(FileSystemPath(path_))) {
        ReportFailure("The help file " + name_ + " could not be opened.");
        return nullptr;
    }
    auto* frame = new ChmHelpFrame(parentWindow_, file);
    if (!frame->CanShowPages()) {
        frame->Destroy();
        ReportFailure("The help window could not show pages: no web browser component is available.");
        return nullptr;
    }
    frame_ = frame;
    return frame;
}

void ChmHelpController::ReportFailure(const wxString& what) const
{
    wxMessageBox(what, "Information", wxOK | wxICON_EXCLAMATION, MessageParent());
}

wxWindow* ChmHelpController::MessageParent() const
{
    return parentWindow_ ? parentWindow_ : (wxTheApp ? wxTheApp->GetTopWindow() : nullptr);
}
