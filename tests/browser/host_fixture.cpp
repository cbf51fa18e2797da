#include "host_fixture.h"

#include "platform/com/ole_initialize.h"
#include "support/event_pump.h"

void HostTest::SetUp()
{
    RecordingControl::Log().clear();
    frame = new wxFrame(nullptr, wxID_ANY, "host", wxDefaultPosition, wxSize(400, 300));
}

void HostTest::TearDown()
{
    delete frame;
    RunPendingEvents();
    EXPECT_EQ(RecordingControl::Live(), 0);
    EXPECT_FALSE(OleStillInitialised());
}

InspectedActiveX* HostTest::Host(const wxSize& size, REFCLSID clsid)
{
    return new InspectedActiveX(frame, clsid, wxID_ANY, wxDefaultPosition, size);
}

std::vector<std::string> HostTest::TakeCalls()
{
    std::vector<std::string> calls;
    calls.swap(RecordingControl::Log());
    return calls;
}

bool HostTest::OleStillInitialised()
{
    return OleIsInitialized();
}
