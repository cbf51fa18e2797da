#pragma once
// Result codes of the COM calls, with the values the desktop platform gives them.

#include <cstdint>

using HRESULT = std::int32_t;
using SCODE = HRESULT;

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

constexpr HRESULT ResultCode(std::uint32_t bits) { return static_cast<HRESULT>(bits); }

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = ResultCode(0x80004001);
constexpr HRESULT E_NOINTERFACE = ResultCode(0x80004002);
constexpr HRESULT E_POINTER = ResultCode(0x80004003);
constexpr HRESULT E_FAIL = ResultCode(0x80004005);
constexpr HRESULT E_UNEXPECTED = ResultCode(0x8000FFFF);
constexpr HRESULT E_OUTOFMEMORY = ResultCode(0x8007000E);
constexpr HRESULT E_INVALIDARG = ResultCode(0x80070057);
constexpr HRESULT CLASS_E_NOAGGREGATION = ResultCode(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = ResultCode(0x80040111);
constexpr HRESULT REGDB_E_CLASSNOTREG = ResultCode(0x80040154);
constexpr HRESULT CO_E_NOTINITIALIZED = ResultCode(0x800401F0);
constexpr HRESULT INPLACE_E_NOTOOLSPACE = ResultCode(0x800401A1);
constexpr HRESULT MK_E_NOOBJECT = ResultCode(0x800401E5);
constexpr HRESULT OLECMDERR_E_NOTSUPPORTED = ResultCode(0x80040100);
constexpr HRESULT OLE_E_NOCONNECTION = ResultCode(0x80040004);
constexpr HRESULT CONNECT_E_NOCONNECTION = ResultCode(0x80040200);
constexpr HRESULT CONNECT_E_CANNOTCONNECT = ResultCode(0x80040202);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = ResultCode(0x80020003);
constexpr HRESULT DISP_E_TYPEMISMATCH = ResultCode(0x80020005);
constexpr HRESULT DISP_E_BADVARTYPE = ResultCode(0x80020008);
constexpr HRESULT DISP_E_OVERFLOW = ResultCode(0x8002000A);
constexpr HRESULT DISP_E_BADINDEX = ResultCode(0x8002000B);
constexpr HRESULT DISP_E_ARRAYISLOCKED = ResultCode(0x8002000D);
