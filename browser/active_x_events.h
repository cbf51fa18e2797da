#pragma once
// The event sink a container connects to its control's default outgoing
// interface, and the process-wide tables that say which events become
// toolkit events. The tables start empty; an event without an entry is
// acknowledged and goes no further.

#include "browser/com_ref_count.h"
#include "browser/ole_init_guard.h"
#include "browser/type_records.h"
#include "platform/com/dispatch.h"

#include <wx/event.h>
#include <wx/string.h>

#include <map>
#include <memory>

class wxActiveX;

using wxActiveXEventTypesByDispId = std::map<DISPID, std::unique_ptr<wxEventType>>;
using wxActiveXEventTypesByName = std::map<wxString, std::unique_ptr<wxEventType>>;

wxActiveXEventTypesByDispId& ActiveXEventTypesByDispId();
wxActiveXEventTypesByName& ActiveXEventTypesByName();

class wxActiveXEvents : public IDispatch {
public:
    // Starts with no reference: the control's connection point takes the first.
    wxActiveXEvents(wxActiveX* owner, REFIID eventInterface);
    wxActiveXEvents(const wxActiveXEvents&) = delete;
    wxActiveXEvents& operator=(const wxActiveXEvents&) = delete;

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argumentError) override;

    // Delivers one event: at once when it has out parameters, whose values
    // the handlers may change, else queued.
    void DispatchEvent(const FunctionRecord& function, wxEventType type, DISPPARAMS* params);

protected:
    virtual ~wxActiveXEvents() = default;

private:
    ComRefCount m_refCount;
    OleInitGuard m_oleInit;
    wxActiveX* m_activeX;
    IID m_customId;
    bool m_haveCustomId = true;
};
