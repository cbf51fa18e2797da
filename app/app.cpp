#include "app/app.h"

#include <csignal>

#include <wx/msgdlg.h>

#include "app/frame.h"
#include "app/when_on_screen.h"
#include "platform/webbrowser/page_web_views.h"

bool MyApp::OnInit()
{
    // A save past the file-size limit must fail as a write, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Starting the web process holds up the program for a noticeable while:
    // the window is drawn first, and the process is running long before a
    // first puzzle is made.
    WhenOnScreen(ShowMainFrame(), StartPageWebProcess);
    return true;
}

wxTopLevelWindow& MyApp::ShowMainFrame()
{
    auto* frame = new MyFrame(nullptr, wxID_ANY, "Quillory 1.0.4", wxDefaultPosition, wxSize(800, 600),
                              wxDEFAULT_FRAME_STYLE | wxSUNKEN_BORDER);
    SetTopWindow(frame);
    frame->Show();
    return *frame;
}

bool MyApp::OnExceptionInMainLoop()
{
    wxMessageBox("An unexpected error ended the last command.", "Information", wxOK | wxICON_EXCLAMATION);
    return true;
}
