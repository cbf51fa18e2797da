#pragma once

#include <wx/app.h>

class wxTopLevelWindow;

class MyApp : public wxApp {
public:
    bool OnInit() override;
    // Last resort: commands catch their own errors and report them.
    bool OnExceptionInMainLoop() override;

protected:
    // The main window, built and shown as the top window.
    wxTopLevelWindow& ShowMainFrame();
};
