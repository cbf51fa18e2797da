#include "browser/active_x_event.h"
#include "browser/active_x_events.h"

#include "host_fixture.h"
#include "support/event_pump.h"
#include "test_type_info.h"

using Calls = std::vector<std::string>;

namespace {

const IID TestInterfaceId = {0x1F0A0001, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x10}};
const IID TestEventsId = {0x1F0A0002, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x11}};

constexpr MEMBERID GoId = 1;
constexpr MEMBERID CaptionId = 2;
constexpr MEMBERID ClickedId = 10;
constexpr MEMBERID RenamedId = 11;

TestFunction CaptionGet()
{
    return {CaptionId, INVOKE_PROPERTYGET, {u"Caption"}, {}, VT_BSTR};
}

TestFunction CaptionPut(INVOKEKIND kind = INVOKE_PROPERTYPUT)
{
    // Only the property's own name comes back for a put accessor.
    return {CaptionId, kind, {u"Caption"}, {{VT_BSTR}}, VT_EMPTY};
}

std::vector<TestFunction> Members(std::vector<TestFunction> properties)
{
    std::vector<TestFunction> members = {
        {GoId, INVOKE_FUNC, {u"Go", u"count", u"text"}, {{VT_I4}, {VT_BSTR, PARAMFLAG_FIN, true}}, VT_BOOL},
    };
    members.insert(members.end(), properties.begin(), properties.end());
    return members;
}

std::vector<TestFunction> Events()
{
    return {
        {ClickedId, INVOKE_FUNC, {u"Clicked", u"x", u"y"}, {{VT_I4}, {VT_I4}}, VT_EMPTY},
        {RenamedId, INVOKE_FUNC, {u"Renamed", u"name"}, {{VT_BSTR, PARAMFLAG_FIN | PARAMFLAG_FOUT, true}}, VT_EMPTY},
    };
}

struct Library {
    TYPEKIND eventKind = TKIND_DISPATCH;
    INT eventFlags = IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE;
    std::vector<TestFunction> properties = {CaptionGet(), CaptionPut()};
};

ITypeInfo* ClassOf(const Library& library)
{
    return TestTypeInfo::Class({
        {IMPLTYPEFLAG_FDEFAULT, TestTypeInfo::Interface(TKIND_DISPATCH, TestInterfaceId, Members(library.properties))},
        {library.eventFlags, TestTypeInfo::Interface(library.eventKind, TestEventsId, Events())},
        {0, TestTypeInfo::Interface(TKIND_DISPATCH, GUID_NULL, Members({}))},
    });
}

class TypeInfoTest : public HostTest {
protected:
    InspectedActiveX* HostOf(const Library& library)
    {
        classInfo = ClassOf(library);
        controlClass.Options().classInfo = classInfo;
        controlClass.Options().eventInterface = TestEventsId;
        return Host();
    }

    void TearDown() override
    {
        HostTest::TearDown();
        if (classInfo)
            classInfo->Release();
        EXPECT_EQ(TestTypeInfo::Live(), 0);
        EXPECT_EQ(TestTypeInfo::Outstanding(), 0);
        ActiveXEventTypesByDispId().clear();
        ActiveXEventTypesByName().clear();
    }

    IDispatch* Sink() { return static_cast<IDispatch*>(controlClass.Last()->eventPoint->sink); }

    ITypeInfo* classInfo = nullptr;
};

DISPPARAMS Arguments(std::vector<VARIANT>& lastFirst)
{
    return {lastFirst.data(), nullptr, UINT(lastFirst.size()), 0};
}

VARIANT Long(LONG value)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

}  // namespace

TEST_F(TypeInfoTest, RecordsTheDefaultInterfaceAndConnectsToTheDefaultEvents)
{
    InspectedActiveX* host = HostOf(Library());
    EXPECT_EQ(TestTypeInfo::Outstanding(), 0);  // every description given back

    ASSERT_EQ(host->m_methods.size(), 1u);  // the third, non-default interface adds nothing
    const FunctionRecord& go = host->m_methods[std::size_t(host->m_methodsIdx.at("Go"))];
    EXPECT_EQ(go.memid, GoId);
    EXPECT_EQ(go.retType.vt, VT_BOOL);
    ASSERT_EQ(go.params.size(), 2u);
    EXPECT_EQ(go.params[0].name, "count");
    EXPECT_EQ(go.params[0].vt, VT_I4);
    EXPECT_FALSE(go.params[0].isPtr);
    EXPECT_EQ(go.params[1].name, "text");
    EXPECT_TRUE(go.params[1].isPtr);
    EXPECT_EQ(go.params[1].vt, VT_BSTR);
    EXPECT_TRUE(go.hasOut);  // by pointer, though not marked out

    ASSERT_EQ(host->m_props.size(), 1u);
    const PropertyRecord& caption = host->m_props[0];
    EXPECT_EQ(caption.name, "Caption");
    EXPECT_EQ(caption.memid, CaptionId);
    EXPECT_EQ(caption.type.vt, VT_BSTR);
    EXPECT_EQ(caption.arg.vt, VT_BSTR);
    EXPECT_EQ(caption.arg.name, "Caption");  // named after the property
    EXPECT_FALSE(caption.putByRef);

    ASSERT_EQ(host->m_events.size(), 2u);
    const FunctionRecord& clicked = host->m_events[std::size_t(host->m_eventsIdx.at(ClickedId))];
    EXPECT_EQ(clicked.name, "Clicked");
    EXPECT_EQ(clicked.params[1].name, "y");
    EXPECT_FALSE(clicked.hasOut);
    EXPECT_EQ(host->m_sinkConnections.size(), 1u);
    EXPECT_NE(Sink(), nullptr);
    // The type information is read before the control is embedded.
    EXPECT_EQ(RecordingControl::Log().front(), "Advise sink");
}

TEST_F(TypeInfoTest, APropertyIsOneRecordWhicheverAccessorComesFirst)
{
    Library library;
    library.properties = {CaptionPut(INVOKE_PROPERTYPUTREF), CaptionGet()};
    InspectedActiveX* host = HostOf(library);
    ASSERT_EQ(host->m_props.size(), 1u);
    EXPECT_EQ(host->m_props[0].type.vt, VT_BSTR);
    EXPECT_EQ(host->m_props[0].arg.vt, VT_BSTR);
    EXPECT_TRUE(host->m_props[0].putByRef);
}

TEST_F(TypeInfoTest, APutAccessorWithoutParametersChangesNothing)
{
    Library library;
    library.properties = {CaptionGet(), {CaptionId, INVOKE_PROPERTYPUT, {u"Caption"}, {}, VT_EMPTY}};
    InspectedActiveX* host = HostOf(library);
    ASSERT_EQ(host->m_props.size(), 1u);
    EXPECT_EQ(host->m_props[0].arg.vt, VT_EMPTY);
}

TEST_F(TypeInfoTest, EventsThatAreNotADispatchInterfaceGetNoSink)
{
    Library library;
    library.eventKind = TKIND_INTERFACE;
    InspectedActiveX* host = HostOf(library);
    EXPECT_TRUE(host->m_events.empty());
    EXPECT_TRUE(host->m_sinkConnections.empty());
    EXPECT_EQ(Sink(), nullptr);
    EXPECT_EQ(host->m_methods.size(), 1u);
}

TEST_F(TypeInfoTest, AnOutgoingDefaultVtableInterfaceRecordsNothing)
{
    Library library;
    library.eventFlags |= IMPLTYPEFLAG_FDEFAULTVTABLE;
    InspectedActiveX* host = HostOf(library);
    EXPECT_TRUE(host->m_events.empty());
    EXPECT_EQ(Sink(), nullptr);
}

TEST_F(TypeInfoTest, ASinkThatCannotConnectIsFreedAtOnce)
{
    Library library;
    controlClass.Options().eventInterface = TestInterfaceId;  // no point for the events
    classInfo = ClassOf(library);
    controlClass.Options().classInfo = classInfo;
    InspectedActiveX* host = Host();
    EXPECT_TRUE(host->m_sinkConnections.empty());
    EXPECT_EQ(host->m_events.size(), 2u);
    delete host;
    EXPECT_FALSE(OleStillInitialised());  // no sink keeps OLE up
}

TEST_F(HostTest, AControlWithoutClassInformationYieldsNoRecords)
{
    InspectedActiveX* host = Host();
    EXPECT_TRUE(host->m_methods.empty());
    EXPECT_TRUE(host->m_props.empty());
    EXPECT_TRUE(host->m_events.empty());
    EXPECT_TRUE(host->m_sinkConnections.empty());
    EXPECT_NE(host->m_controlWindow, nullptr);
}

TEST_F(TypeInfoTest, TheSinkIsDroppedAndFreedWhenTheWindowGoes)
{
    InspectedActiveX* host = HostOf(Library());
    TakeCalls();
    delete host;
    const Calls calls = TakeCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "Unadvise sink 42");
    EXPECT_FALSE(OleStillInitialised());
}

TEST_F(TypeInfoTest, TheSinkAnswersForItsEventInterface)
{
    HostOf(Library());
    IDispatch* sink = Sink();
    void* face = nullptr;
    ASSERT_EQ(sink->QueryInterface(TestEventsId, &face), S_OK);
    EXPECT_EQ(face, static_cast<void*>(sink));
    sink->Release();
    face = reinterpret_cast<void*>(1);
    EXPECT_EQ(sink->QueryInterface(IID_IOleObject, &face), E_NOINTERFACE);
    EXPECT_EQ(face, nullptr);
    EXPECT_EQ(sink->QueryInterface(IID_IDispatch, nullptr), E_FAIL);
    UINT count = 0;
    EXPECT_EQ(sink->GetTypeInfoCount(&count), E_NOTIMPL);
}

TEST_F(TypeInfoTest, EventsWithoutAnEventTypeAreAcknowledgedAndGoNowhere)
{
    InspectedActiveX* host = HostOf(Library());
    int delivered = 0;
    host->Bind(wxEVT_COMMAND_BUTTON_CLICKED, [&](wxCommandEvent&) { ++delivered; });
    std::vector<VARIANT> args = {Long(4), Long(3)};
    DISPPARAMS params = Arguments(args);
    IDispatch* sink = Sink();
    EXPECT_EQ(sink->Invoke(ClickedId, GUID_NULL, 0, DISPATCH_PROPERTYGET, &params, nullptr, nullptr, nullptr),
              E_NOTIMPL);
    EXPECT_EQ(sink->Invoke(ClickedId, GUID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(sink->Invoke(999, GUID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr), S_OK);
    RunPendingEvents();
    EXPECT_EQ(delivered, 0);
}

TEST_F(TypeInfoTest, AnEventWithATypeIsQueuedWithItsParametersInOrder)
{
    InspectedActiveX* host = HostOf(Library());
    const wxEventType clicked = wxNewEventType();
    ActiveXEventTypesByDispId()[ClickedId] = std::make_unique<wxEventType>(clicked);
    wxVariant received;
    int id = -1;
    host->Bind(wxEventTypeTag<wxActiveXEvent>(clicked), [&](wxActiveXEvent& event) {
        received = event.m_params;
        id = event.GetId();
    });
    std::vector<VARIANT> args = {Long(4), Long(3)};  // last first: x = 3, y = 4
    DISPPARAMS params = Arguments(args);
    EXPECT_EQ(Sink()->Invoke(ClickedId, GUID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_TRUE(received.IsNull());  // queued, not yet delivered
    RunPendingEvents();
    EXPECT_EQ(id, host->GetId());
    EXPECT_EQ(received.GetName(), "Clicked");
    ASSERT_EQ(received.GetCount(), 2u);
    EXPECT_EQ(received[0].GetName(), "x");
    EXPECT_EQ(received[0].GetLong(), 3);
    EXPECT_EQ(received[1].GetName(), "y");
    EXPECT_EQ(received[1].GetLong(), 4);
}

TEST_F(TypeInfoTest, AnEventWithOutParametersIsHandledAtOnceAndWrittenBack)
{
    InspectedActiveX* host = HostOf(Library());
    const wxEventType renamed = wxNewEventType();
    ActiveXEventTypesByName()["Renamed"] = std::make_unique<wxEventType>(renamed);
    host->Bind(wxEventTypeTag<wxActiveXEvent>(renamed), [](wxActiveXEvent& event) {
        EXPECT_EQ(event.m_params[0].GetString(), "old");
        event.m_params[0] = wxString("new");
    });
    BSTR name = SysAllocString(u"old");
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR | VT_BYREF;
    argument.pbstrVal = &name;
    std::vector<VARIANT> args = {argument};
    DISPPARAMS params = Arguments(args);
    EXPECT_EQ(Sink()->Invoke(RenamedId, GUID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(std::u16string(name), u"new");
    SysFreeString(name);
}
