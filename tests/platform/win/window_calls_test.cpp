#include "platform/win/device_context.h"
#include "support/event_pump.h"
#include "platform/win/window_calls.h"
#include "platform/win/window_handle.h"
#include "platform/win/window_messages.h"

#include <gtest/gtest.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>
#include <wx/settings.h>

#include <vector>

namespace {

class WindowCalls : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "calls", wxDefaultPosition, wxSize(300, 200));
        child = new wxWindow(frame, wxID_ANY);
        handle = WindowHandle(child);
    }
    void TearDown() override { delete frame; }

    wxFrame* frame;
    wxWindow* child;
    HWND handle;
};

}  // namespace

// Sent messages are answered at once, posted ones from the loop; a window without a
// handler answers 0, and one that is gone gets nothing.
TEST_F(WindowCalls, MessagesReachOnlyTheHandlerOfALivingWindow)
{
    EXPECT_EQ(SendMessageA(handle, WM_LBUTTONDOWN, 1, 2), 0);
    std::vector<UINT> received;
    ASSERT_TRUE(SetWindowMessageHandler(handle, [&](HWND window, UINT message, WPARAM w, LPARAM l) {
        EXPECT_EQ(window, handle);
        received.push_back(message);
        return LRESULT(w + l);
    }));
    EXPECT_EQ(SendMessageA(handle, WM_LBUTTONDOWN, 1, 2), 3);
    EXPECT_TRUE(PostMessageA(handle, WM_KEYDOWN, 0x41, 1));
    EXPECT_EQ(received, std::vector<UINT>{WM_LBUTTONDOWN});
    RunPendingEvents();
    EXPECT_EQ(received, (std::vector<UINT>{WM_LBUTTONDOWN, WM_KEYDOWN}));

    EXPECT_TRUE(PostMessageA(handle, WM_KEYUP, 0x41, 1));
    delete child;
    RunPendingEvents();
    EXPECT_EQ(received.size(), 2u);
    EXPECT_FALSE(PostMessageA(handle, WM_KEYUP, 0x41, 1));
    EXPECT_EQ(SendMessageA(handle, WM_LBUTTONDOWN, 1, 2), 0);
}

TEST_F(WindowCalls, ShowWindowTellsWhetherItWasVisible)
{
    EXPECT_TRUE(ShowWindow(handle, SW_HIDE));
    EXPECT_FALSE(child->IsShown());
    EXPECT_FALSE(ShowWindow(handle, SW_SHOW));
    EXPECT_TRUE(child->IsShown());
    EXPECT_FALSE(ShowWindow(nullptr, SW_SHOW));
    EXPECT_TRUE(RedrawWindow(handle, nullptr, nullptr, RDW_INTERNALPAINT));
    EXPECT_FALSE(RedrawWindow(nullptr, nullptr, nullptr, RDW_INTERNALPAINT));
}

TEST(SystemColours, AreTheToolkitsInPlatformByteOrder)
{
    const wxColour window = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW);
    const COLORREF colour = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(colour & 0xFF, window.Red());
    EXPECT_EQ((colour >> 8) & 0xFF, window.Green());
    EXPECT_EQ((colour >> 16) & 0xFF, window.Blue());
    EXPECT_EQ(GetSysColor(-1), 0u);
}

TEST(DeviceCaps, TheScreenGivesItsDotsPerInch)
{
    const HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    const wxSize ppi = wxScreenDC().GetPPI();
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), ppi.x);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), ppi.y);
    EXPECT_EQ(GetDeviceCaps(screen, 12), 0);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
}
