#include "platform/webbrowser/event_connection_point.h"

#include <vector>

EventConnectionPoint::EventConnectionPoint(IConnectionPointContainer* container, REFIID events)
    : m_container(container), m_events(events)
{
}

EventConnectionPoint::~EventConnectionPoint()
{
    for (auto& sink : m_sinks)
        sink.second->Release();
}

HRESULT EventConnectionPoint::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (riid != IID_IUnknown && riid != IID_IConnectionPoint)
        return E_NOINTERFACE;
    *object = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

ULONG EventConnectionPoint::AddRef()
{
    return ULONG(++m_references);
}

ULONG EventConnectionPoint::Release()
{
    if (--m_references > 0)
        return ULONG(m_references);
    delete this;
    return 0;
}

HRESULT EventConnectionPoint::GetConnectionInterface(IID* iid)
{
    if (!iid)
        return E_POINTER;
    *iid = m_events;
    return S_OK;
}

HRESULT EventConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container)
{
    if (!container)
        return E_POINTER;
    *container = m_container;
    if (!m_container)
        return E_UNEXPECTED;
    m_container->AddRef();
    return S_OK;
}

// A sink is called through IDispatch, asked for either as the event
// interface itself or as plain dispatch.
HRESULT EventConnectionPoint::Advise(IUnknown* sink, DWORD* cookie)
{
    if (!cookie)
        return E_POINTER;
    *cookie = 0;
    if (!sink)
        return E_POINTER;
    IDispatch* dispatch = nullptr;
    if (FAILED(sink->QueryInterface(m_events, reinterpret_cast<void**>(&dispatch))) &&
        FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
        return CONNECT_E_CANNOTCONNECT;
    *cookie = ++m_lastCookie;
    m_sinks[*cookie] = dispatch;
    return S_OK;
}

HRESULT EventConnectionPoint::Unadvise(DWORD cookie)
{
    auto found = m_sinks.find(cookie);
    if (found == m_sinks.end())
        return CONNECT_E_NOCONNECTION;
    IDispatch* sink = found->second;
    m_sinks.erase(found);
    sink->Release();
    return S_OK;
}

void EventConnectionPoint::Fire(DISPID event, DISPPARAMS& arguments)
{
    // A sink may unadvise while it is called, so the list is taken first.
    std::vector<IDispatch*> sinks;
    for (auto& sink : m_sinks) {
        sink.second->AddRef();
        sinks.push_back(sink.second);
    }
    for (IDispatch* sink : sinks) {
        sink->Invoke(event, GUID_NULL, 0, DISPATCH_METHOD, &arguments, nullptr, nullptr, nullptr);
        sink->Release();
    }
}
