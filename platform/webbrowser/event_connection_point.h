#pragma once
// The control's connection point for its browser events: it keeps the
// advised sinks' dispatch interfaces and calls each of them when an event fires.

#include "platform/com/ole_control.h"

#include <map>

class EventConnectionPoint : public IConnectionPoint {
public:
    EventConnectionPoint(IConnectionPointContainer* container, REFIID events);
    virtual ~EventConnectionPoint();
    EventConnectionPoint(const EventConnectionPoint&) = delete;
    EventConnectionPoint& operator=(const EventConnectionPoint&) = delete;

    // The container is going: the point answers without it from now on.
    void Detach() { m_container = nullptr; }
    // Calls every sink with the event; arguments come last first.
    void Fire(DISPID event, DISPPARAMS& arguments);

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetConnectionInterface(IID* iid) override;
    HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT Unadvise(DWORD cookie) override;
    HRESULT EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

private:
    LONG m_references = 0;
    IConnectionPointContainer* m_container;  // not counted: it owns the point
    IID m_events;
    DWORD m_lastCookie = 0;
    std::map<DWORD, IDispatch*> m_sinks;
};
