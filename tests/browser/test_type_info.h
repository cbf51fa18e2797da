#pragma once
// A small type library built in memory: a class whose implemented interfaces
// are dispatch interfaces with methods, property accessors and events. It
// counts what it hands out, so tests can see that the reader gives it all back.

#include "platform/com/type_info.h"
#include "test_com_object.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

struct TestParam {
    VARTYPE vt;
    USHORT flags = PARAMFLAG_FIN;
    bool byPointer = false;
};

struct TestFunction {
    MEMBERID id;
    INVOKEKIND kind;
    // What GetNames answers for the id: the member's name first, then as many
    // parameter names as given.
    std::vector<std::u16string> names;
    std::vector<TestParam> params;
    VARTYPE result = VT_EMPTY;
};

class TestTypeInfo;

struct TestImplType {
    INT flags;
    TestTypeInfo* info;
};

class TestTypeInfo final : public ITypeInfo {
public:
    // Descriptions and attributes handed out and not yet given back, and the
    // type infos alive, over all of them.
    static inline int outstanding = 0;
    static inline int live = 0;

    static TestTypeInfo* Interface(TYPEKIND kind, const GUID& guid, std::vector<TestFunction> functions)
    {
        auto* info = new TestTypeInfo;
        info->m_kind = kind;
        info->m_guid = guid;
        info->m_functions = std::move(functions);
        return info;
    }
    // Takes over one reference on each implemented interface.
    static TestTypeInfo* Class(std::vector<TestImplType> implemented)
    {
        auto* info = new TestTypeInfo;
        info->m_implemented = std::move(implemented);
        return info;
    }

    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        return QueryOne(this, IID_ITypeInfo, riid, object);
    }
    ULONG AddRef() override { return m_refs.AddRef(); }
    ULONG Release() override { return m_refs.Release(this); }
    HRESULT GetTypeAttr(TYPEATTR** attributes) override
    {
        *attributes = new TYPEATTR{};
        (*attributes)->guid = m_guid;
        (*attributes)->typekind = m_kind;
        (*attributes)->cFuncs = WORD(m_functions.size());
        (*attributes)->cImplTypes = WORD(m_implemented.size());
        ++outstanding;
        return S_OK;
    }
    HRESULT GetTypeComp(ITypeComp**) override { return E_NOTIMPL; }
    HRESULT GetFuncDesc(UINT index, FUNCDESC** description) override
    {
        if (index >= m_functions.size())
            return DISP_E_BADINDEX;
        const TestFunction& function = m_functions[index];
        auto block = std::make_unique<FunctionBlock>();
        block->pointees.reserve(function.params.size());
        for (const TestParam& param : function.params) {
            block->params.push_back(Element(param.byPointer ? VARTYPE(VT_PTR) : param.vt, param.flags));
            if (param.byPointer) {
                block->pointees.push_back(TYPEDESC{});
                block->pointees.back().vt = param.vt;
                block->params.back().tdesc.lptdesc = &block->pointees.back();
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
        handedOut[&desc] = std::move(block);
        ++outstanding;
        return S_OK;
    }
    HRESULT GetVarDesc(UINT, VARDESC**) override { return E_NOTIMPL; }
    HRESULT GetNames(MEMBERID id, BSTR* names, UINT maxNames, UINT* namesReturned) override
    {
        *namesReturned = 0;
        for (const TestFunction& function : m_functions) {
            if (function.id != id)
                continue;
            for (; *namesReturned < maxNames && *namesReturned < function.names.size(); ++*namesReturned)
                names[*namesReturned] = SysAllocString(function.names[*namesReturned].c_str());
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT GetRefTypeOfImplType(UINT index, HREFTYPE* reference) override
    {
        *reference = index;
        return index < m_implemented.size() ? S_OK : DISP_E_BADINDEX;
    }
    HRESULT GetImplTypeFlags(UINT index, INT* flags) override
    {
        if (index >= m_implemented.size())
            return DISP_E_BADINDEX;
        *flags = m_implemented[index].flags;
        return S_OK;
    }
    HRESULT GetIDsOfNames(LPOLESTR*, UINT, MEMBERID*) override { return E_NOTIMPL; }
    HRESULT Invoke(void*, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT GetDocumentation(MEMBERID, BSTR*, BSTR*, DWORD*, BSTR*) override { return E_NOTIMPL; }
    HRESULT GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) override { return E_NOTIMPL; }
    HRESULT GetRefTypeInfo(HREFTYPE reference, ITypeInfo** info) override
    {
        if (reference >= m_implemented.size())
            return DISP_E_BADINDEX;
        *info = m_implemented[reference].info;
        (*info)->AddRef();
        return S_OK;
    }
    HRESULT AddressOfMember(MEMBERID, INVOKEKIND, void**) override { return E_NOTIMPL; }
    HRESULT CreateInstance(IUnknown*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT GetMops(MEMBERID, BSTR*) override { return E_NOTIMPL; }
    HRESULT GetContainingTypeLib(ITypeLib**, UINT*) override { return E_NOTIMPL; }
    void ReleaseTypeAttr(TYPEATTR* attributes) override
    {
        delete attributes;
        --outstanding;
    }
    void ReleaseFuncDesc(FUNCDESC* description) override
    {
        handedOut.erase(description);
        --outstanding;
    }
    void ReleaseVarDesc(VARDESC*) override {}

private:
    // A function description with its parameters and pointed-to types in one block.
    struct FunctionBlock {
        FUNCDESC description{};
        std::vector<ELEMDESC> params;
        std::vector<TYPEDESC> pointees;
    };

    static inline std::map<FUNCDESC*, std::unique_ptr<FunctionBlock>> handedOut;

    static ELEMDESC Element(VARTYPE vt, USHORT flags)
    {
        ELEMDESC element{};
        element.tdesc.vt = vt;
        element.paramdesc.wParamFlags = flags;
        return element;
    }

    friend class TestRefCount;
    TestTypeInfo() { ++live; }
    ~TestTypeInfo()
    {
        for (TestImplType& implemented : m_implemented)
            implemented.info->Release();
        --live;
    }

    TestRefCount m_refs{1};
    TYPEKIND m_kind = TKIND_COCLASS;
    GUID m_guid{};
    std::vector<TestFunction> m_functions;
    std::vector<TestImplType> m_implemented;
};
