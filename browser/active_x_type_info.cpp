// Reading a control's type information into the container's records.

#include "browser/active_x.h"

#include "browser/active_x_events.h"
#include "platform/win/bstr_text.h"

namespace {

bool IsDefaultInterface(INT flags)
{
    return (flags & IMPLTYPEFLAG_FDEFAULT) && !(flags & IMPLTYPEFLAG_FSOURCE);
}

bool IsDefaultEventInterface(INT flags)
{
    return (flags & IMPLTYPEFLAG_FDEFAULT) && (flags & IMPLTYPEFLAG_FSOURCE) &&
           !(flags & IMPLTYPEFLAG_FDEFAULTVTABLE);
}

wxString TakeName(BSTR& name)
{
    const wxString text = BstrToString(name);
    SysFreeString(name);
    name = nullptr;
    return text;
}

// When the names hold one more than the parameters, the first is the
// member's own name; otherwise a lone put parameter takes the property's name.
void ReadParameters(ITypeInfo* typeInfo, const FUNCDESC& function, FunctionRecord& record)
{
    const UINT count = UINT(function.cParams);
    std::vector<BSTR> names(count + 1, nullptr);
    UINT returned = 0;
    if (FAILED(typeInfo->GetNames(function.memid, names.data(), count + 1, &returned)))
        returned = 0;
    UINT first = 0;
    if (returned > count) {
        SysFreeString(names[0]);
        first = 1;
    }
    for (UINT k = 0; k < count; ++k) {
        ParamRecord param;
        ParamRecord::FromElemDesc(function.lprgelemdescParam[k], param);
        if (k + first < returned)
            param.name = TakeName(names[k + first]);
        if ((param.flags & PARAMFLAG_FOUT) || param.isPtr)
            record.hasOut = true;
        record.params.push_back(param);
    }
}

}  // namespace

void wxActiveX::ReadAllTypeInfo()
{
    OleInterfacePtr<IProvideClassInfo> classInfo;
    classInfo.QueryInterface(m_control.Get(), IID_IProvideClassInfo);
    if (!classInfo)
        return;
    OleInterfacePtr<ITypeInfo> typeInfo;
    if (FAILED(classInfo->GetClassInfo(typeInfo.Out())) || !typeInfo)
        return;
    TYPEATTR* attributes = nullptr;
    if (FAILED(typeInfo->GetTypeAttr(&attributes)) || !attributes)
        return;
    for (UINT i = 0; i < attributes->cImplTypes; ++i) {
        HREFTYPE reference = 0;
        if (FAILED(typeInfo->GetRefTypeOfImplType(i, &reference)))
            continue;
        OleInterfacePtr<ITypeInfo> interfaceInfo;
        if (FAILED(typeInfo->GetRefTypeInfo(reference, interfaceInfo.Out())) || !interfaceInfo)
            continue;
        INT flags = 0;
        typeInfo->GetImplTypeFlags(i, &flags);
        ReadTypeInfo(interfaceInfo.Get(), IsDefaultInterface(flags), IsDefaultEventInterface(flags));
    }
    typeInfo->ReleaseTypeAttr(attributes);
}

void wxActiveX::ReadTypeInfo(ITypeInfo* typeInfo, bool defaultInterface, bool defaultEventSink)
{
    typeInfo->AddRef();
    OleInterfacePtr<ITypeInfo> held(typeInfo);
    TYPEATTR* attributes = nullptr;
    if (FAILED(typeInfo->GetTypeAttr(&attributes)) || !attributes)
        return;
    if (attributes->typekind == TKIND_DISPATCH) {
        if (defaultEventSink)
            ConnectDefaultEventSink(attributes->guid);
        for (UINT i = 0; i < attributes->cFuncs; ++i)
            ReadFunction(typeInfo, i, defaultInterface, defaultEventSink);
    }
    typeInfo->ReleaseTypeAttr(attributes);
}

// The sink is held here only while it is connected: one that no connection
// point took is freed again at once.
void wxActiveX::ConnectDefaultEventSink(REFIID iid)
{
    OleInterfacePtr<IDispatch> sink;
    sink.QueryInterface(new wxActiveXEvents(this, iid), IID_IDispatch);
    ConnectEventSink(iid, sink.Get());
}

void wxActiveX::ReadFunction(ITypeInfo* typeInfo, UINT index, bool defaultInterface, bool defaultEventSink)
{
    FUNCDESC* function = nullptr;
    if (FAILED(typeInfo->GetFuncDesc(index, &function)) || !function)
        return;
    BSTR name = nullptr;
    UINT returned = 0;
    if (FAILED(typeInfo->GetNames(function->memid, &name, 1, &returned)) || returned == 0) {
        typeInfo->ReleaseFuncDesc(function);
        return;
    }
    FunctionRecord record;
    record.name = TakeName(name);
    if (defaultInterface || defaultEventSink) {
        record.memid = function->memid;
        record.hasOut = false;
        ParamRecord::FromElemDesc(function->elemdescFunc, record.retType);
        ReadParameters(typeInfo, *function, record);
        StoreFunction(*function, std::move(record), defaultEventSink);
    }
    typeInfo->ReleaseFuncDesc(function);
}

void wxActiveX::StoreFunction(const FUNCDESC& function, FunctionRecord record, bool defaultEventSink)
{
    if (defaultEventSink) {
        m_eventsIdx[record.memid] = int(m_events.size());
        m_events.push_back(std::move(record));
        return;
    }
    if (function.invkind == INVOKE_FUNC) {
        m_methodsIdx[record.name] = int(m_methods.size());
        m_methods.push_back(std::move(record));
        return;
    }
    auto found = m_propsIdx.find(record.name);
    if (found == m_propsIdx.end()) {
        PropertyRecord property;
        property.name = record.name;
        property.memid = record.memid;
        found = m_propsIdx.emplace(record.name, int(m_props.size())).first;
        m_props.push_back(property);
    }
    PropertyRecord& property = m_props[std::size_t(found->second)];
    if (function.invkind == INVOKE_PROPERTYGET) {
        property.type = record.retType;
    } else if (!record.params.empty()) {
        property.arg = record.params.front();
        property.putByRef = function.invkind == INVOKE_PROPERTYPUTREF;
    }
}
