// A running toolkit for the whole test program: window tests without a main of their own link this.
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
