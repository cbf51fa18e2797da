#include "platform/webbrowser/browser_type_info.h"

#include <string>
#include <vector>

namespace {

struct ParamEntry {
    const char16_t* name;
    VARTYPE type;
    bool byPointer;
    USHORT flags;
};

struct MemberEntry {
    const char16_t* name;
    MEMBERID id;
    INVOKEKIND kind;
    VARTYPE result;
    std::vector<ParamEntry> params;
};

// Type information built once from a table; descriptions are handed out from
// the object itself, so releasing them frees nothing.
class TableTypeInfo : public ITypeInfo {
public:
    TableTypeInfo(REFGUID guid, TYPEKIND kind, std::vector<MemberEntry> members);
    // A class: the interfaces it implements, with their IMPLTYPEFLAGs.
    void Implement(TableTypeInfo* info, INT flags);

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }

    HRESULT GetTypeAttr(TYPEATTR** attributes) override;
    HRESULT GetTypeComp(ITypeComp**) override { return E_NOTIMPL; }
    HRESULT GetFuncDesc(UINT index, FUNCDESC** description) override;
    HRESULT GetVarDesc(UINT, VARDESC**) override { return TYPE_E_ELEMENTNOTFOUND; }
    HRESULT GetNames(MEMBERID id, BSTR* names, UINT maxNames, UINT* namesReturned) override;
    HRESULT GetRefTypeOfImplType(UINT index, HREFTYPE* reference) override;
    HRESULT GetImplTypeFlags(UINT index, INT* flags) override;
    HRESULT GetIDsOfNames(LPOLESTR* names, UINT count, MEMBERID* ids) override;
    HRESULT Invoke(void*, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT GetDocumentation(MEMBERID, BSTR*, BSTR*, DWORD*, BSTR*) override { return E_NOTIMPL; }
    HRESULT GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) override { return E_NOTIMPL; }
    HRESULT GetRefTypeInfo(HREFTYPE reference, ITypeInfo** info) override;
    HRESULT AddressOfMember(MEMBERID, INVOKEKIND, void**) override { return E_NOTIMPL; }
    HRESULT CreateInstance(IUnknown*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT GetMops(MEMBERID, BSTR*) override { return E_NOTIMPL; }
    HRESULT GetContainingTypeLib(ITypeLib**, UINT*) override { return E_NOTIMPL; }
    void ReleaseTypeAttr(TYPEATTR*) override {}
    void ReleaseFuncDesc(FUNCDESC*) override {}
    void ReleaseVarDesc(VARDESC*) override {}

private:
    static constexpr HRESULT TYPE_E_ELEMENTNOTFOUND = ResultCode(0x8002802B);
    static constexpr HRESULT DISP_E_UNKNOWNNAME = ResultCode(0x80020006);

    struct Described {
        FUNCDESC function;
        std::vector<ELEMDESC> params;
        std::vector<TYPEDESC> pointedTo;
    };
    static ELEMDESC Element(VARTYPE type, bool byPointer, USHORT flags, TYPEDESC* pointedTo);

    TYPEATTR m_attributes{};
    std::vector<MemberEntry> m_members;
    std::vector<Described> m_described;
    std::vector<std::pair<TableTypeInfo*, INT>> m_implemented;
};

TableTypeInfo::TableTypeInfo(REFGUID guid, TYPEKIND kind, std::vector<MemberEntry> members)
    : m_members(std::move(members)), m_described(m_members.size())
{
    m_attributes.guid = guid;
    m_attributes.typekind = kind;
    m_attributes.cFuncs = WORD(m_members.size());
    m_attributes.memidConstructor = DISPID_UNKNOWN;
    m_attributes.memidDestructor = DISPID_UNKNOWN;
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        const MemberEntry& member = m_members[i];
        Described& described = m_described[i];
        described.pointedTo.resize(member.params.size());
        for (std::size_t k = 0; k < member.params.size(); ++k) {
            const ParamEntry& param = member.params[k];
            described.params.push_back(Element(param.type, param.byPointer, param.flags, &described.pointedTo[k]));
        }
        FUNCDESC& function = described.function;
        function = FUNCDESC{};
        function.memid = member.id;
        function.lprgelemdescParam = described.params.empty() ? nullptr : described.params.data();
        function.funckind = FUNC_DISPATCH;
        function.invkind = member.kind;
        function.callconv = CC_STDCALL;
        function.cParams = SHORT(member.params.size());
        function.elemdescFunc = Element(member.result, false, PARAMFLAG_NONE, nullptr);
    }
}

ELEMDESC TableTypeInfo::Element(VARTYPE type, bool byPointer, USHORT flags, TYPEDESC* pointedTo)
{
    ELEMDESC element{};
    element.paramdesc.wParamFlags = flags;
    if (byPointer) {
        pointedTo->vt = type;
        element.tdesc.vt = VT_PTR;
        element.tdesc.lptdesc = pointedTo;
    } else {
        element.tdesc.vt = type;
    }
    return element;
}

void TableTypeInfo::Implement(TableTypeInfo* info, INT flags)
{
    m_implemented.emplace_back(info, flags);
    m_attributes.cImplTypes = WORD(m_implemented.size());
}

HRESULT TableTypeInfo::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (riid != IID_IUnknown && riid != IID_ITypeInfo)
        return E_NOINTERFACE;
    *object = static_cast<ITypeInfo*>(this);
    AddRef();
    return S_OK;
}

HRESULT TableTypeInfo::GetTypeAttr(TYPEATTR** attributes)
{
    if (!attributes)
        return E_INVALIDARG;
    *attributes = &m_attributes;
    return S_OK;
}

HRESULT TableTypeInfo::GetFuncDesc(UINT index, FUNCDESC** description)
{
    if (!description)
        return E_INVALIDARG;
    *description = nullptr;
    if (index >= m_described.size())
        return TYPE_E_ELEMENTNOTFOUND;
    *description = &m_described[index].function;
    return S_OK;
}

HRESULT TableTypeInfo::GetNames(MEMBERID id, BSTR* names, UINT maxNames, UINT* namesReturned)
{
    if (!names || !namesReturned)
        return E_INVALIDARG;
    *namesReturned = 0;
    for (const MemberEntry& member : m_members) {
        if (member.id != id)
            continue;
        if (maxNames > 0)
            names[(*namesReturned)++] = SysAllocString(member.name);
        for (const ParamEntry& param : member.params)
            if (*namesReturned < maxNames)
                names[(*namesReturned)++] = SysAllocString(param.name);
        return S_OK;
    }
    return TYPE_E_ELEMENTNOTFOUND;
}

HRESULT TableTypeInfo::GetRefTypeOfImplType(UINT index, HREFTYPE* reference)
{
    if (!reference)
        return E_INVALIDARG;
    if (index >= m_implemented.size())
        return TYPE_E_ELEMENTNOTFOUND;
    *reference = index;
    return S_OK;
}

HRESULT TableTypeInfo::GetImplTypeFlags(UINT index, INT* flags)
{
    if (!flags)
        return E_INVALIDARG;
    if (index >= m_implemented.size())
        return TYPE_E_ELEMENTNOTFOUND;
    *flags = m_implemented[index].second;
    return S_OK;
}

HRESULT TableTypeInfo::GetIDsOfNames(LPOLESTR* names, UINT count, MEMBERID* ids)
{
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    for (const MemberEntry& member : m_members)
        if (std::u16string(member.name) == names[0]) {
            ids[0] = member.id;
            for (UINT k = 1; k < count; ++k)
                ids[k] = DISPID_UNKNOWN;
            return S_OK;
        }
    return DISP_E_UNKNOWNNAME;
}

HRESULT TableTypeInfo::GetRefTypeInfo(HREFTYPE reference, ITypeInfo** info)
{
    if (!info)
        return E_INVALIDARG;
    *info = nullptr;
    if (reference >= m_implemented.size())
        return TYPE_E_ELEMENTNOTFOUND;
    *info = m_implemented[reference].first;
    (*info)->AddRef();
    return S_OK;
}

// The members of the browser interface that the control carries out.
std::vector<MemberEntry> BrowserMembers()
{
    const ParamEntry optionalVariant = {u"", VT_VARIANT, true, PARAMFLAG_FIN | PARAMFLAG_FOPT};
    auto named = [](ParamEntry entry, const char16_t* name) {
        entry.name = name;
        return entry;
    };
    auto putBool = [](const char16_t* name, MEMBERID id) {
        return MemberEntry{name, id, INVOKE_PROPERTYPUT, VT_VOID, {{name, VT_BOOL, false, PARAMFLAG_FIN}}};
    };
    return {
        {u"Navigate", 104, INVOKE_FUNC, VT_VOID,
         {{u"URL", VT_BSTR, false, PARAMFLAG_FIN}, named(optionalVariant, u"Flags"),
          named(optionalVariant, u"TargetFrameName"), named(optionalVariant, u"PostData"),
          named(optionalVariant, u"Headers")}},
        {u"Document", 203, INVOKE_PROPERTYGET, VT_DISPATCH, {}},
        putBool(u"StatusBar", 403),
        {u"ToolBar", 405, INVOKE_PROPERTYPUT, VT_VOID, {{u"ToolBar", VT_INT, false, PARAMFLAG_FIN}}},
        putBool(u"MenuBar", 406),
        {u"ExecWB", 502, INVOKE_FUNC, VT_VOID,
         {{u"cmdID", VT_I4, false, PARAMFLAG_FIN}, {u"cmdexecopt", VT_I4, false, PARAMFLAG_FIN},
          named(optionalVariant, u"pvaIn"), {u"pvaOut", VT_VARIANT, true, PARAMFLAG_FIN | PARAMFLAG_FOUT | PARAMFLAG_FOPT}}},
        putBool(u"RegisterAsBrowser", 552),
        putBool(u"RegisterAsDropTarget", 553),
        putBool(u"AddressBar", 555),
    };
}

std::vector<MemberEntry> BrowserEvents()
{
    return {
        {u"DocumentComplete", DISPID_DOCUMENTCOMPLETE, INVOKE_FUNC, VT_VOID,
         {{u"pDisp", VT_DISPATCH, false, PARAMFLAG_FIN}, {u"URL", VT_VARIANT, true, PARAMFLAG_FIN}}},
    };
}

}  // namespace

ITypeInfo* WebBrowserClassInfo()
{
    static TableTypeInfo browser(IID_IWebBrowser2, TKIND_DISPATCH, BrowserMembers());
    static TableTypeInfo events(DIID_DWebBrowserEvents2, TKIND_DISPATCH, BrowserEvents());
    static TableTypeInfo* const webBrowserClass = [] {
        static TableTypeInfo info(CLSID_WebBrowser, TKIND_COCLASS, {});
        info.Implement(&browser, IMPLTYPEFLAG_FDEFAULT);
        info.Implement(&events, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
        return &info;
    }();
    return webBrowserClass;
}
