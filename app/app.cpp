#include "app/app.h"

#include <csignal>

#include <wx/msgdlg.h>

#include "app/frame.h"
#include "platform/webbrowser/page_web_views.h"

bool MyApp::OnInit()
{
    // A save past the file-size limit must fail as a write, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // The web process starts while the frame is built, not when the first puzzle waits for it.
    StartPageWebProcess();
    auto* frame = new MyFrame(nullptr, wxID_ANY, "Quillory 1.0.4", wxDefaultPosition, wxSize(800, 600),
                              wxDEFAULT_FRAME_STYLE | wxSUNKEN_BORDER);
    SetTopWindow(frame);
    frame->Show();
    return true;
}

bool MyApp::OnExceptionInMainLoop()
{
    wxMessageBox("An unexpected error ended the last command.", "Information", wxOK | wxICON_EXCLAMATION);
    return true;
}
