#include "app/app.h"

#include <csignal>

#include <wx/msgdlg.h>

#include "app/frame.h"
#include "platform/webbrowser/page_web_views.h"

bool MyApp::OnInit()
{
    // A save past the file-size limit must fail as a write, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    ShowMainFrame();
    // Starting the web process takes a noticeable while: the window shows
    // first, and the process is running long before a first puzzle is made.
    Bind(wxEVT_IDLE, &MyApp::OnFirstIdle, this);
    return true;
}

void MyApp::ShowMainFrame()
{
    auto* frame = new MyFrame(nullptr, wxID_ANY, "Quillory 1.0.4", wxDefaultPosition, wxSize(800, 600),
                              wxDEFAULT_FRAME_STYLE | wxSUNKEN_BORDER);
    SetTopWindow(frame);
    frame->Show();
}

void MyApp::OnFirstIdle(wxIdleEvent& event)
{
    Unbind(wxEVT_IDLE, &MyApp::OnFirstIdle, this);
    StartPageWebProcess();
    event.Skip();
}

bool MyApp::OnExceptionInMainLoop()
{
    wxMessageBox("An unexpected error ended the last command.", "Information", wxOK | wxICON_EXCLAMATION);
    return true;
}
