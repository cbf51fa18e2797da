#include "browser/active_x_event.h"
#include "browser/active_x_events.h"

#include "host_fixture.h"
#include "platform/com/com_test_values.h"
#include "test_type_info.h"

namespace {

const IID TestInterfaceId = {0x1F0A0001, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x10}};
const IID TestEventsId = {0x1F0A0002, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x11}};

constexpr MEMBERID GoId = 1;
constexpr MEMBERID CaptionId = 2;
constexpr MEMBERID ClickedId = 10;
constexpr MEMBERID RenamedId = 11;

const TestFunction CaptionGet = {CaptionId, INVOKE_PROPERTYGET, {u"Caption"}, {}, VT_BSTR};

// Only the property's own name comes back for a put accessor.
TestFunction CaptionPut(INVOKEKIND kind = INVOKE_PROPERTYPUT, std::vector<TestParam> params = {{VT_BSTR}})
{
    return {CaptionId, kind, {u"Caption"}, std::move(params), VT_EMPTY};
}

std::vector<TestFunction> Members(std::vector<TestFunction> properties)
{
    properties.insert(properties.begin(), {GoId, INVOKE_FUNC, {u"Go", u"count", u"text"},
                                           {{VT_I4}, {VT_BSTR, PARAMFLAG_FIN, true}}, VT_BOOL});
    return properties;
}

const std::vector<TestFunction> Events = {
    {ClickedId, INVOKE_FUNC, {u"Clicked", u"x", u"y"}, {{VT_I4}, {VT_I4}}, VT_EMPTY},
    {RenamedId, INVOKE_FUNC, {u"Renamed", u"name"}, {{VT_BSTR, PARAMFLAG_FIN | PARAMFLAG_FOUT, true}}, VT_EMPTY},
};

// A class with a default interface, its events, and one more interface that
// is neither.
struct Library {
    TYPEKIND eventKind = TKIND_DISPATCH;
    INT eventFlags = IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE;
    std::vector<TestFunction> properties = {CaptionGet, CaptionPut()};
};

class TypeInfoTest : public HostTest {
protected:
    InspectedActiveX* HostOf(const Library& library, const IID& eventPoint = TestEventsId)
    {
        if (classInfo)
            classInfo->Release();
        classInfo = TestTypeInfo::Class({
            {IMPLTYPEFLAG_FDEFAULT,
             TestTypeInfo::Interface(TKIND_DISPATCH, TestInterfaceId, Members(library.properties))},
            {library.eventFlags, TestTypeInfo::Interface(library.eventKind, TestEventsId, Events)},
            {0, TestTypeInfo::Interface(TKIND_DISPATCH, GUID_NULL, Members({}))},
        });
        controlClass.options.classInfo = classInfo;
        controlClass.options.eventInterface = eventPoint;
        return Host();
    }

    void TearDown() override
    {
        HostTest::TearDown();
        if (classInfo)
            classInfo->Release();
        EXPECT_EQ(TestTypeInfo::live, 0);
        EXPECT_EQ(TestTypeInfo::outstanding, 0);
        ActiveXEventTypesByDispId().clear();
        ActiveXEventTypesByName().clear();
    }

    IDispatch* Sink() { return static_cast<IDispatch*>(controlClass.last->eventPoint.sink); }

    HRESULT Fire(MEMBERID id, std::vector<VARIANT> lastFirst, WORD flags = DISPATCH_METHOD)
    {
        DISPPARAMS params = {lastFirst.data(), nullptr, UINT(lastFirst.size()), 0};
        return Sink()->Invoke(id, GUID_NULL, 0, flags, &params, nullptr, nullptr, nullptr);
    }

    ITypeInfo* classInfo = nullptr;
};

}  // namespace

TEST_F(TypeInfoTest, RecordsTheDefaultInterfaceAndConnectsToTheDefaultEvents)
{
    InspectedActiveX* host = HostOf(Library());
    EXPECT_EQ(TestTypeInfo::outstanding, 0);  // every description given back
    // The type information is read before the control is embedded.
    EXPECT_EQ(recordedCalls.front(), "Advise sink");

    ASSERT_EQ(host->m_methods.size(), 1u);  // the third, non-default interface adds nothing
    const FunctionRecord& go = host->m_methods[std::size_t(host->m_methodsIdx.at("Go"))];
    EXPECT_EQ(go.memid, GoId);
    EXPECT_EQ(go.retType.vt, VT_BOOL);
    ASSERT_EQ(go.params.size(), 2u);
    EXPECT_EQ(go.params[0].name, "count");
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

    // The sink goes first when the window does.
    TakeCalls();
    delete host;
    EXPECT_EQ(TakeCalls().front(), "Unadvise sink 42");
}

// A put-by-reference accessor first, then one without parameters, which changes nothing.
TEST_F(TypeInfoTest, APropertyIsOneRecordWhicheverAccessorComesFirst)
{
    Library library;
    library.properties = {CaptionPut(INVOKE_PROPERTYPUTREF), CaptionGet, CaptionPut(INVOKE_PROPERTYPUT, {})};
    InspectedActiveX* host = HostOf(library);
    ASSERT_EQ(host->m_props.size(), 1u);
    EXPECT_EQ(host->m_props[0].type.vt, VT_BSTR);
    EXPECT_EQ(host->m_props[0].arg.vt, VT_BSTR);
    EXPECT_TRUE(host->m_props[0].putByRef);
}

// A sink that cannot connect is freed at once: the fixture's last look finds no sink keeping OLE up.
TEST_F(TypeInfoTest, OnlyADefaultDispatchSourceGetsASink)
{
    Library vtableInterface;
    vtableInterface.eventKind = TKIND_INTERFACE;
    Library defaultVtable;
    defaultVtable.eventFlags |= IMPLTYPEFLAG_FDEFAULTVTABLE;
    for (const Library& library : {vtableInterface, defaultVtable}) {
        InspectedActiveX* host = HostOf(library);
        EXPECT_TRUE(host->m_events.empty());
        EXPECT_EQ(Sink(), nullptr);
        EXPECT_EQ(host->m_methods.size(), 1u);
        delete host;
    }
    InspectedActiveX* host = HostOf(Library(), TestInterfaceId);  // no point for the events
    EXPECT_TRUE(host->m_sinkConnections.empty());
    EXPECT_EQ(host->m_events.size(), 2u);
}

TEST_F(TypeInfoTest, TheSinkAnswersForItsEventsAndAcknowledgesWhatItCannotDeliver)
{
    InspectedActiveX* host = HostOf(Library());
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

    // Events without an event type, or unknown, go nowhere; property calls are refused.
    int delivered = 0;
    host->Bind(wxEVT_COMMAND_BUTTON_CLICKED, [&](wxCommandEvent&) { ++delivered; });
    EXPECT_EQ(Fire(ClickedId, {Long(4), Long(3)}, DISPATCH_PROPERTYGET), E_NOTIMPL);
    EXPECT_EQ(Fire(ClickedId, {Long(4), Long(3)}), S_OK);
    EXPECT_EQ(Fire(999, {}), S_OK);
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
    EXPECT_EQ(Fire(ClickedId, {Long(4), Long(3)}), S_OK);  // last first: x = 3, y = 4
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
    EXPECT_EQ(Fire(RenamedId, {argument}), S_OK);
    EXPECT_EQ(std::u16string(name), u"new");
    SysFreeString(name);
}
