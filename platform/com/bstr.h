#pragma once
// Automation strings: UTF-16 text behind a 32-bit byte length, ended by a zero.

#include "platform/com/base_types.h"

using BSTR = OLECHAR*;

BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);
