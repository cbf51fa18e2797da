#include "platform/win/gui_environment.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

namespace {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static char name[] = "quillory_tests";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        wxApp::SetInstance(new wxApp);
        ASSERT_TRUE(wxEntryStart(argc, argv));
        ASSERT_TRUE(wxTheApp->CallOnInit());
    }

    void TearDown() override { wxEntryCleanup(); }
};

const auto* environment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace

void RunPendingEvents()
{
    wxTheApp->ProcessPendingEvents();
}

bool WaitUntil(const std::function<bool()>& done, int seconds)
{
    wxStopWatch watch;
    while (!done()) {
        if (watch.Time() > seconds * 1000)
            return false;
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    return true;
}
