#include "host_fixture.h"

#include "platform/win/window_handle.h"
#include "platform/win/window_messages.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace {

template <class T, class U>
bool Contains(const std::vector<T>& items, const U& item)
{
    return std::find(items.begin(), items.end(), item) != items.end();
}

bool Starts(const std::string& call, const std::string& name)
{
    return call.rfind(name, 0) == 0;
}

// The calls one size event makes once the control is in place.
Calls SizeCalls(wxWindow* host)
{
    RunPendingEvents();
    TakeCalls();
    wxSizeEvent size;  // its own size is not used
    host->GetEventHandler()->ProcessEvent(size);
    return TakeCalls();
}

// Read from the display itself: the toolkit cannot read a window's pixels back.
wxColour ScreenPixel(const wxPoint& at)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return wxColour();
    XImage* image = XGetImage(display, DefaultRootWindow(display), at.x, at.y, 1, 1, AllPlanes, ZPixmap);
    wxColour colour;
    if (image) {
        const unsigned long pixel = XGetPixel(image, 0, 0);
        colour.Set((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return colour;
}

wxMouseEvent Mouse(wxEventType type, int x, int y)
{
    wxMouseEvent event(type);
    event.m_x = x;
    event.m_y = y;
    return event;
}

}  // namespace

TEST_F(HostTest, CreationEmbedsActivatesAndShowsTheControlInOrder)
{
    InspectedActiveX* host = Host(wxSize(200, 100));
    const Calls expected = {"Advise", "SetHostNames wxActiveXContainer", "SetContainedObject 1", "Run",
                            "GetMiscStatus", "InitNew", "SetClientSite", "GetWindow",
                            "SetObjectRects 0,0,200,100 0,0,200,100", "DoVerb -5 0,0,200,100",
                            "DoVerb -1 0,0,200,100", "GetWindow"};
    EXPECT_EQ(TakeCalls(), expected);
    RecordingControl* control = controlClass.last;
    ASSERT_NE(control->window, nullptr);
    EXPECT_EQ(host->m_controlWindow, WindowHandle(control->window));
    EXPECT_TRUE(control->window->IsShown());
    // The control made itself the frame's active object through the site.
    EXPECT_TRUE(host->m_inPlaceActiveObject);
    // A control without class information leaves no records.
    EXPECT_TRUE(host->m_methods.empty() && host->m_props.empty() && host->m_events.empty());
    EXPECT_TRUE(host->m_sinkConnections.empty());

    // The queued size event sizes the control once more, in HIMETRIC at 96 dpi.
    RunPendingEvents();
    EXPECT_EQ(TakeCalls(), (Calls{"GetExtent", "SetExtent 5292,2646", "SetObjectRects 0,0,200,100 0,0,200,100"}));
}

TEST_F(HostTest, AControlThatAsksForItGetsItsSiteBeforeInitialisation)
{
    controlClass.options.miscStatus = OLEMISC_SETCLIENTSITEFIRST;
    Host();
    const Calls calls = TakeCalls();
    const auto site = std::find(calls.begin(), calls.end(), "SetClientSite");
    EXPECT_LT(site, std::find(calls.begin(), calls.end(), "InitNew"));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetClientSite"), 1);
}

TEST_F(HostTest, AControlInvisibleAtRunTimeIsNeitherPlacedNorActivated)
{
    controlClass.options.miscStatus = OLEMISC_INVISIBLEATRUNTIME;
    InspectedActiveX* host = Host();
    for (const std::string& call : TakeCalls())
        EXPECT_FALSE(Starts(call, "DoVerb") || Starts(call, "SetObjectRects")) << call;
    EXPECT_EQ(host->m_controlWindow, nullptr);
}

TEST_F(HostTest, DestructionTakesTheControlDownInOrder)
{
    // Without an in-place object the control is still hidden, closed and detached.
    for (const bool inPlaceObject : {true, false}) {
        controlClass.options.inPlaceObject = inPlaceObject;
        InspectedActiveX* host = Host();
        RunPendingEvents();
        TakeCalls();
        delete host;
        Calls expected = {"Unadvise 7", "DoVerb -3", "Close 1", "SetClientSite(null)"};
        if (inPlaceObject)
            expected.insert(expected.begin(), {"InPlaceDeactivate", "UIDeactivate"});
        EXPECT_EQ(TakeCalls(), expected);
    }
}

TEST_F(HostTest, AClassThatCannotBeCreatedLeavesAUsableEmptyWindow)
{
    const CLSID unknown = {0xDEADBEEF, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
    InspectedActiveX* host = Host(wxSize(50, 50), unknown);
    SizeCalls(host);
    wxMouseEvent click = Mouse(wxEVT_LEFT_DOWN, 1, 1);
    host->GetEventHandler()->ProcessEvent(click);
    EXPECT_TRUE(click.GetSkipped());
    delete host;
    EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(HostTest, SizingSetsTheExtentOnlyWhenItChangesOrIsUnknown)
{
    InspectedActiveX* host = Host(wxSize(640, 480));
    const Calls extentSet = {"GetExtent", "SetExtent 16933,12700", "SetObjectRects 0,0,640,480 0,0,640,480"};
    EXPECT_EQ(SizeCalls(host), (Calls{"GetExtent", "SetObjectRects 0,0,640,480 0,0,640,480"}));

    SIZEL other = {16933, 1};  // one side is enough to differ
    controlClass.last->SetExtent(DVASPECT_CONTENT, &other);
    EXPECT_EQ(SizeCalls(host), extentSet);

    // A control that cannot say its extent is given one all the same.
    controlClass.last->knowsExtent = false;
    EXPECT_EQ(SizeCalls(host), extentSet);
}

TEST_F(HostTest, AnEmptyClientAreaSizesNothingButOneSideIsEnough)
{
    InspectedActiveX* host = Host(wxSize(0, 0));
    EXPECT_TRUE(SizeCalls(host).empty());

    host->SetClientSize(0, 10);
    if (host->GetClientSize() != wxSize(0, 10))
        GTEST_SKIP() << "the toolkit keeps a window of no width at another size";
    wxSizeEvent size;
    host->GetEventHandler()->ProcessEvent(size);
    RunPendingEvents();
    const Calls calls = TakeCalls();
    EXPECT_TRUE(Contains(calls, "SetExtent 0,265"));
    EXPECT_TRUE(Contains(calls, "SetObjectRects 0,0,0,10 0,0,0,10"));
}

TEST_F(HostTest, MouseEventsBecomeMouseMessagesToTheControlWindow)
{
    InspectedActiveX* host = Host();
    RecordingControl* control = controlClass.last;

    wxMouseEvent press = Mouse(wxEVT_LEFT_DOWN, 5, 300);
    press.SetShiftDown(true);
    press.m_leftDown = true;
    host->GetEventHandler()->ProcessEvent(press);
    EXPECT_EQ(control->messages, std::vector<UINT>{WM_LBUTTONDOWN});
    EXPECT_EQ(control->lastWParam, WPARAM(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(control->lastLParam, 0x012C0005);
    EXPECT_FALSE(press.GetSkipped());

    wxMouseEvent drag = Mouse(wxEVT_MOTION, -1, 2);
    drag.m_rightDown = true;
    drag.m_middleDown = true;
    drag.SetControlDown(true);
    host->GetEventHandler()->ProcessEvent(drag);
    EXPECT_EQ(control->messages.back(), WM_MOUSEMOVE);
    EXPECT_EQ(control->lastWParam, WPARAM(MK_RBUTTON | MK_MBUTTON | MK_CONTROL));
    EXPECT_EQ(control->lastLParam, 0x0002FFFF);  // each coordinate cut to 16 bits

    // Entering, leaving and the wheel have no message: the toolkit keeps them.
    const std::pair<wxEventType, UINT> mapping[] = {
        {wxEVT_LEFT_UP, WM_LBUTTONUP},           {wxEVT_LEFT_DCLICK, WM_LBUTTONDBLCLK},
        {wxEVT_RIGHT_DOWN, WM_RBUTTONDOWN},      {wxEVT_RIGHT_UP, WM_RBUTTONUP},
        {wxEVT_RIGHT_DCLICK, WM_RBUTTONDBLCLK},  {wxEVT_MIDDLE_DOWN, WM_MBUTTONDOWN},
        {wxEVT_MIDDLE_UP, WM_MBUTTONUP},         {wxEVT_MIDDLE_DCLICK, WM_MBUTTONDBLCLK},
        {wxEVT_ENTER_WINDOW, 0},                 {wxEVT_LEAVE_WINDOW, 0},
        {wxEVT_MOUSEWHEEL, 0},
    };
    for (const auto& [type, message] : mapping) {
        control->messages.clear();
        wxMouseEvent event = Mouse(type, 1, 1);
        host->GetEventHandler()->ProcessEvent(event);
        EXPECT_EQ(control->messages, message ? std::vector<UINT>{message} : std::vector<UINT>{}) << message;
        EXPECT_EQ(event.GetSkipped(), message == 0) << message;
    }

    // A message the control leaves unanswered is the toolkit's to handle.
    control->messageAnswer = 0;
    wxMouseEvent unanswered = Mouse(wxEVT_LEFT_DOWN, 1, 1);
    host->GetEventHandler()->ProcessEvent(unanswered);
    EXPECT_EQ(control->messages.back(), WM_LBUTTONDOWN);
    EXPECT_TRUE(unanswered.GetSkipped());
}

TEST_F(HostTest, OnlyKeyboardMessagesArePostedToTheControlWindow)
{
    InspectedActiveX* host = Host();
    RecordingControl* control = controlClass.last;
    EXPECT_TRUE(host->ForwardKeyMessage(WM_KEYDOWN, 0x41, 1));
    EXPECT_TRUE(host->ForwardKeyMessage(WM_SYSDEADCHAR, 0x41, 1));
    EXPECT_FALSE(host->ForwardKeyMessage(WM_KEYDOWN - 1, 0, 0));
    EXPECT_FALSE(host->ForwardKeyMessage(WM_SYSDEADCHAR + 1, 0, 0));
    // A key event goes on as its message and is still the toolkit's to handle.
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = 'Q';
    host->GetEventHandler()->ProcessEvent(key);
    EXPECT_TRUE(key.GetSkipped());
    EXPECT_TRUE(control->messages.empty());  // posted, not sent
    RunPendingEvents();
    EXPECT_EQ(control->messages, (std::vector<UINT>{WM_KEYDOWN, WM_SYSDEADCHAR, WM_KEYDOWN}));
    EXPECT_EQ(control->lastWParam, WPARAM('Q'));
}

TEST_F(HostTest, FocusTellsTheActiveObjectAboutTheFrame)
{
    InspectedActiveX* host = Host();
    TakeCalls();
    wxFocusEvent gained(wxEVT_SET_FOCUS);
    host->GetEventHandler()->ProcessEvent(gained);
    wxFocusEvent lost(wxEVT_KILL_FOCUS);
    host->GetEventHandler()->ProcessEvent(lost);
    EXPECT_EQ(TakeCalls(), (Calls{"OnFrameWindowActivate 1", "OnFrameWindowActivate 0"}));
}

TEST_F(HostTest, PaintingDrawsThroughTheViewObject)
{
    InspectedActiveX* host = Host();
    frame->Show();
    const auto drawn = [host] {
        const wxSize size = host->GetSize();
        const std::string bounds = std::to_string(size.x) + "," + std::to_string(size.y);
        return Contains(recordedCalls, "Draw 1 -1 0,0," + bounds + " dc");
    };
    EXPECT_TRUE(PumpUntil(drawn));
    // The control is told to paint without anything being invalidated.
    EXPECT_TRUE(PumpUntil([this] { return Contains(controlClass.last->messages, WM_PAINT); }));
    PumpUntil([] { return false; }, 1000);
    TakeCalls();
    PumpUntil([] { return false; }, 1000);
    const Calls later = TakeCalls();
    // A late expose from a busy X server may paint once more; a loop paints without end.
    EXPECT_LT(std::count_if(later.begin(), later.end(), [](const std::string& call) { return Starts(call, "Draw"); }),
              5)
        << "painting asks for more painting";
}

TEST_F(HostTest, PaintingWithoutAViewObjectFillsTheWindowRed)
{
    controlClass.options.viewObject = false;
    controlClass.options.createsWindow = false;
    InspectedActiveX* host = Host(wxSize(60, 40));
    // In a corner of its own, clear of other tests' windows on the same display.
    const wxSize display = wxGetDisplaySize();
    frame->SetSize(display.x - 130, display.y - 110, 120, 100);
    frame->Show();
    const auto middleIsRed = [host] {
        return ScreenPixel(host->ClientToScreen(wxPoint(30, 20))) == wxColour(255, 0, 0);
    };
    EXPECT_TRUE(PumpUntil(middleIsRed));
}
