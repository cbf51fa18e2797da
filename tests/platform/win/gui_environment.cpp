#include "platform/win/gui_environment.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

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
