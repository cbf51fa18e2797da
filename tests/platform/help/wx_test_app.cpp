#include "platform/help/wx_test_app.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

namespace {

// The help windows need a running GUI library; the tests run under Xvfb.
class WxEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static char name[] = "help_tests";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        wxApp::SetInstance(new wxApp);
        ASSERT_TRUE(wxEntryStart(argc, argv));
        ASSERT_TRUE(wxTheApp->CallOnInit());
    }

    void TearDown() override { wxEntryCleanup(); }
};

const auto* environment = ::testing::AddGlobalTestEnvironment(new WxEnvironment);

} // namespace

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
