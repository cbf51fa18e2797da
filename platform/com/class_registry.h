#pragma once
// Object creation by class id. A component registers a class factory for its
// CLSID; CoCreateInstance finds it there and asks it for a new object.

#include "platform/com/unknown.h"

constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
constexpr DWORD CLSCTX_REMOTE_SERVER = 0x10;
constexpr DWORD CLSCTX_ALL = 0x17;

constexpr DWORD REGCLS_MULTIPLEUSE = 1;

// The registry keeps a reference on the factory until the class is revoked.
// A second registration of the same CLSID replaces the first.
HRESULT CoRegisterClassObject(REFCLSID clsid, IClassFactory* factory, DWORD context, DWORD flags, DWORD* cookie);
HRESULT CoRevokeClassObject(DWORD cookie);
// CO_E_NOTINITIALIZED before OleInitialize, REGDB_E_CLASSNOTREG for an unknown class.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** object);
