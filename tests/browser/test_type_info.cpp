#include "test_type_info.h"

#include <map>
#include <memory>

namespace {

// A function description with its parameters and pointed-to types in one block.
struct FunctionBlock {
    FUNCDESC description;
    std::vector<ELEMDESC> params;
    std::vector<TYPEDESC> pointees;
};

std::map<FUNCDESC*, std::unique_ptr<FunctionBlock>> handedOut;

ELEMDESC Element(VARTYPE vt, USHORT flags)
{
    ELEMDESC element{};
    element.tdesc.vt = vt;
    element.paramdesc.wParamFlags = flags;
    return element;
}

}  // namespace

TestTypeInfo::~TestTypeInfo()
{
    for (TestImplType& implemented : m_implemented)
        implemented.info->Release();
    --live;
}

TestTypeInfo* TestTypeInfo::Interface(TYPEKIND kind, const GUID& guid, std::vector<TestFunction> functions)
{
    auto* info = new TestTypeInfo;
    info->m_kind = kind;
    info->m_guid = guid;
    info->m_functions = std::move(functions);
    return info;
}

TestTypeInfo* TestTypeInfo::Class(std::vector<TestImplType> implemented)
{
    auto* info = new TestTypeInfo;
    info->m_implemented = std::move(implemented);
    return info;
}

HRESULT TestTypeInfo::QueryInterface(REFIID riid, void** object)
{
    *object = nullptr;
    if (riid != IID_IUnknown && riid != IID_ITypeInfo)
        return E_NOINTERFACE;
    *object = static_cast<ITypeInfo*>(this);
    AddRef();
    return S_OK;
}

ULONG TestTypeInfo::Release()
{
    const LONG count = --m_refs;
    if (count == 0)
        delete this;
    return ULONG(count);
}

HRESULT TestTypeInfo::GetTypeAttr(TYPEATTR** attributes)
{
    auto* attr = new TYPEATTR{};
    attr->guid = m_guid;
    attr->typekind = m_kind;
    attr->cFuncs = WORD(m_functions.size());
    attr->cImplTypes = WORD(m_implemented.size());
    *attributes = attr;
    ++outstanding;
    return S_OK;
}

void TestTypeInfo::ReleaseTypeAttr(TYPEATTR* attributes)
{
    delete attributes;
    --outstanding;
}

HRESULT TestTypeInfo::GetFuncDesc(UINT index, FUNCDESC** description)
{
    if (index >= m_functions.size())
        return DISP_E_BADINDEX;
    const TestFunction& function = m_functions[index];
    auto* block = new FunctionBlock{};
    block->pointees.reserve(function.params.size());
    for (const TestParam& param : function.params) {
        if (param.byPointer) {
            block->pointees.push_back(TYPEDESC{});
            block->pointees.back().vt = param.vt;
            block->params.push_back(Element(VT_PTR, param.flags));
            block->params.back().tdesc.lptdesc = &block->pointees.back();
        } else {
            block->params.push_back(Element(param.vt, param.flags));
        }
    }
    FUNCDESC& desc = block->description;
    desc.memid = function.id;
    desc.funckind = FUNC_DISPATCH;
    desc.invkind = function.kind;
    desc.cParams = SHORT(function.params.size());
    desc.lprgelemdescParam = block->params.data();
    desc.elemdescFunc = Element(function.result, 0);
    *description = &desc;
    handedOut[&desc].reset(block);
    ++outstanding;
    return S_OK;
}

void TestTypeInfo::ReleaseFuncDesc(FUNCDESC* description)
{
    handedOut.erase(description);
    --outstanding;
}

HRESULT TestTypeInfo::GetNames(MEMBERID id, BSTR* names, UINT maxNames, UINT* namesReturned)
{
    for (const TestFunction& function : m_functions) {
        if (function.id != id)
            continue;
        UINT count = 0;
        for (; count < maxNames && count < function.names.size(); ++count)
            names[count] = SysAllocString(function.names[count].c_str());
        *namesReturned = count;
        return S_OK;
    }
    *namesReturned = 0;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT TestTypeInfo::GetRefTypeOfImplType(UINT index, HREFTYPE* reference)
{
    if (index >= m_implemented.size())
        return DISP_E_BADINDEX;
    *reference = index;
    return S_OK;
}

HRESULT TestTypeInfo::GetImplTypeFlags(UINT index, INT* flags)
{
    if (index >= m_implemented.size())
        return DISP_E_BADINDEX;
    *flags = m_implemented[index].flags;
    return S_OK;
}

HRESULT TestTypeInfo::GetRefTypeInfo(HREFTYPE reference, ITypeInfo** info)
{
    if (reference >= m_implemented.size())
        return DISP_E_BADINDEX;
    *info = m_implemented[reference].info;
    (*info)->AddRef();
    return S_OK;
}
