#pragma once
// A small type library built in memory: a class whose implemented interfaces
// are dispatch interfaces with methods, property accessors and events. It
// counts what it hands out, so tests can see that the reader gives it all back.

#include "platform/com/type_info.h"

#include <atomic>
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
    static TestTypeInfo* Interface(TYPEKIND kind, const GUID& guid, std::vector<TestFunction> functions);
    // Takes over one reference on each implemented interface.
    static TestTypeInfo* Class(std::vector<TestImplType> implemented);

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override { return ULONG(++m_refs); }
    ULONG Release() override;
    HRESULT GetTypeAttr(TYPEATTR** attributes) override;
    HRESULT GetTypeComp(ITypeComp**) override { return E_NOTIMPL; }
    HRESULT GetFuncDesc(UINT index, FUNCDESC** description) override;
    HRESULT GetVarDesc(UINT, VARDESC**) override { return E_NOTIMPL; }
    HRESULT GetNames(MEMBERID id, BSTR* names, UINT maxNames, UINT* namesReturned) override;
    HRESULT GetRefTypeOfImplType(UINT index, HREFTYPE* reference) override;
    HRESULT GetImplTypeFlags(UINT index, INT* flags) override;
    HRESULT GetIDsOfNames(LPOLESTR*, UINT, MEMBERID*) override { return E_NOTIMPL; }
    HRESULT Invoke(void*, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT GetDocumentation(MEMBERID, BSTR*, BSTR*, DWORD*, BSTR*) override { return E_NOTIMPL; }
    HRESULT GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) override { return E_NOTIMPL; }
    HRESULT GetRefTypeInfo(HREFTYPE reference, ITypeInfo** info) override;
    HRESULT AddressOfMember(MEMBERID, INVOKEKIND, void**) override { return E_NOTIMPL; }
    HRESULT CreateInstance(IUnknown*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT GetMops(MEMBERID, BSTR*) override { return E_NOTIMPL; }
    HRESULT GetContainingTypeLib(ITypeLib**, UINT*) override { return E_NOTIMPL; }
    void ReleaseTypeAttr(TYPEATTR* attributes) override;
    void ReleaseFuncDesc(FUNCDESC* description) override;
    void ReleaseVarDesc(VARDESC*) override {}

    // Descriptions and attributes handed out and not yet given back, and the
    // type infos alive, over all of them.
    static inline int outstanding = 0;
    static inline int live = 0;

private:
    TestTypeInfo() { ++live; }
    ~TestTypeInfo();

    std::atomic<LONG> m_refs{1};
    TYPEKIND m_kind = TKIND_COCLASS;
    GUID m_guid{};
    std::vector<TestFunction> m_functions;
    std::vector<TestImplType> m_implemented;
};
