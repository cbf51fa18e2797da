#pragma once

#include <wx/app.h>

class MyApp : public wxApp {
public:
    bool OnInit() override;
    // Last resort: commands catch their own errors and report them.
    bool OnExceptionInMainLoop() override;
};
