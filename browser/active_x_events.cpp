#include "browser/active_x_events.h"

#include "browser/active_x.h"
#include "browser/active_x_event.h"
#include "browser/variant_conversion.h"

#include <algorithm>

wxActiveXEventTypesByDispId& ActiveXEventTypesByDispId()
{
    static wxActiveXEventTypesByDispId types;
    return types;
}

wxActiveXEventTypesByName& ActiveXEventTypesByName()
{
    static wxActiveXEventTypesByName types;
    return types;
}

wxActiveXEvents::wxActiveXEvents(wxActiveX* owner, REFIID eventInterface)
    : m_activeX(owner), m_customId(eventInterface)
{
}

HRESULT wxActiveXEvents::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_FAIL;
    *object = nullptr;
    const bool match =
        riid == IID_IUnknown || riid == IID_IDispatch || (m_haveCustomId && riid == m_customId);
    if (!match)
        return E_NOINTERFACE;
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG wxActiveXEvents::AddRef()
{
    return m_refCount.AddRef();
}

ULONG wxActiveXEvents::Release()
{
    bool last = false;
    const ULONG left = m_refCount.Release(last);
    if (last)
        delete this;
    return left;
}

HRESULT wxActiveXEvents::GetTypeInfoCount(UINT*)
{
    return E_NOTIMPL;
}

HRESULT wxActiveXEvents::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT wxActiveXEvents::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT wxActiveXEvents::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                UINT*)
{
    if (flags & (DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
        return E_NOTIMPL;
    const auto index = m_activeX->m_eventsIdx.find(id);
    if (index == m_activeX->m_eventsIdx.end() || index->second < 0 ||
        std::size_t(index->second) >= m_activeX->m_events.size())
        return S_OK;
    const FunctionRecord& function = m_activeX->m_events[std::size_t(index->second)];
    const auto byDispId = ActiveXEventTypesByDispId().find(id);
    if (byDispId != ActiveXEventTypesByDispId().end()) {
        DispatchEvent(function, *byDispId->second, params);
        return S_OK;
    }
    const auto byName = ActiveXEventTypesByName().find(function.name);
    if (byName != ActiveXEventTypesByName().end())
        DispatchEvent(function, *byName->second, params);
    return S_OK;
}

// Arguments arrive last first: the block's last entry is the first parameter.
void wxActiveXEvents::DispatchEvent(const FunctionRecord& function, wxEventType type, DISPPARAMS* params)
{
    wxActiveXEvent event;
    event.SetEventType(type);
    event.SetId(m_activeX->GetId());
    event.m_params.NullList();
    event.m_params.SetName(function.name);
    const std::size_t count = params ? std::min<std::size_t>(params->cArgs, function.params.size()) : 0;
    for (std::size_t j = 0; j < count; ++j) {
        wxVariant value;
        value.SetName(function.params[j].name);
        VariantToWxVariant(params->rgvarg[count - 1 - j], value);
        event.m_params.Append(value);
    }
    if (!function.hasOut) {
        m_activeX->GetEventHandler()->AddPendingEvent(event);
        return;
    }
    m_activeX->GetEventHandler()->ProcessEvent(event);
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t position = count - 1 - k;
        if (function.params[position].flags & PARAMFLAG_FOUT)
            WxVariantToVariant(event.m_params[position], params->rgvarg[k]);
    }
}
