#pragma once
// A frame to host containers in, the recording control's class registered,
// and a container whose records and holders the tests may read.

#include "browser/active_x.h"
#include "platform/com/ole_initialize.h"
#include "recording_control.h"
#include "support/event_pump.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

class InspectedActiveX : public wxActiveX {
public:
    using wxActiveX::wxActiveX;
    using wxActiveX::m_ambientUserMode;
    using wxActiveX::m_controlWindow;
    using wxActiveX::m_events;
    using wxActiveX::m_eventsIdx;
    using wxActiveX::m_inPlaceActiveObject;
    using wxActiveX::m_methods;
    using wxActiveX::m_methodsIdx;
    using wxActiveX::m_props;
    using wxActiveX::m_sinkConnections;
};

class HostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        recordedCalls.clear();
        frame = new wxFrame(nullptr, wxID_ANY, "host", wxDefaultPosition, wxSize(400, 300));
    }

    // Nothing may outlive the frame: no control, and no site or sink that keeps OLE initialised.
    void TearDown() override
    {
        delete frame;
        RunPendingEvents();
        EXPECT_EQ(RecordingControl::live, 0);
        EXPECT_FALSE(OleIsInitialized());
    }

    InspectedActiveX* Host(const wxSize& size = wxSize(200, 100), REFCLSID clsid = RecordingControlClass::Id)
    {
        return new InspectedActiveX(frame, clsid, wxID_ANY, wxDefaultPosition, size);
    }

    RecordingControlClass controlClass;
    wxFrame* frame = nullptr;
};
