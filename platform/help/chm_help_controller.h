#pragma once

#include <wx/string.h>
#include <wx/weakref.h>

class ChmHelpFrame;
class wxWindow;

// Stands in for the GUI library's CHM help controller of Windows: chmlib reads the
// compiled help file and a help window of our own (contents tree and web view) shows it.
class ChmHelpController {
public:
    // parentWindow, when given, owns the help window and the messages.
    explicit ChmHelpController(wxWindow* parentWindow = nullptr);
    ~ChmHelpController();
    ChmHelpController(const ChmHelpController&) = delete;
    ChmHelpController& operator=(const ChmHelpController&) = delete;

    // Takes the help file to show; a relative name is taken from the current working
    // folder now. Returns whether the file opens; either way the name is kept, and
    // DisplayContents tries it again.
    bool Initialize(const wxString& file);

    // Shows the help window with the file's contents. When the file cannot be opened
    // (missing, damaged, or no file given), tells the user so in a message box and
    // returns false.
    bool DisplayContents();

    // The help window while it exists (hidden after the user closed it), else null.
    ChmHelpFrame* GetFrame() const { return frame_; }

private:
    ChmHelpFrame* OpenFrame();
    void ReportFailure(const wxString& what) const;
    wxWindow* MessageParent() const;

    wxWindow* parentWindow_;
    wxString name_;
    wxString path_;
    wxWeakRef<ChmHelpFrame> frame_;
};
