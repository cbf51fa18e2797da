// For the start bench only: the program as it would start if it never started
// its shared web process, the fastest its window can come. Everything else is
// the program's own.
#include "app/app.h"

class NeverStartedApp : public MyApp {
public:
    bool OnInit() override
    {
        ShowMainFrame();
        return true;
    }
};

wxIMPLEMENT_APP(NeverStartedApp);
