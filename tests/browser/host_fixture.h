#pragma once
// A frame to host containers in, the recording control's class registered,
// and a container whose records and holders the tests may read.

#include "browser/active_x.h"
#include "recording_control.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

#include <string>
#include <vector>

class InspectedActiveX : public wxActiveX {
public:
    using wxActiveX::wxActiveX;
    using wxActiveX::m_ambientUserMode;
    using wxActiveX::m_controlWindow;
    using wxActiveX::m_events;
    using wxActiveX::m_eventsIdx;
    using wxActiveX::m_inPlaceActiveObject;
    using wxActiveX::m_documentView;
    using wxActiveX::m_methods;
    using wxActiveX::m_methodsIdx;
    using wxActiveX::m_props;
    using wxActiveX::m_propsIdx;
    using wxActiveX::m_sinkConnections;
};

class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    InspectedActiveX* Host(const wxSize& size = wxSize(200, 100), REFCLSID clsid = RecordingControlClass::Id);
    // The control's calls since the last look, then forgets them.
    std::vector<std::string> TakeCalls();
    // True while something still keeps OLE initialised (a site, a sink).
    static bool OleStillInitialised();

    RecordingControlClass controlClass;
    wxFrame* frame = nullptr;
};
