// For the start bench only: the program as it started before its window came
// first, with the shared web process started before the main window is built.
// Everything else is the program's own.
#include "app/app.h"
#include "platform/webbrowser/page_web_views.h"

class EagerStartApp : public MyApp {
public:
    bool OnInit() override
    {
        StartPageWebProcess();
        ShowMainFrame();
        return true;
    }
};

wxIMPLEMENT_APP(EagerStartApp);
