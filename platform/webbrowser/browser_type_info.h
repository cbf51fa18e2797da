#pragma once
// The control's type information: its class with the browser's dispatch
// interface (default) and the browser events (default source), each member
// with its dispatch id, kind, result and parameters.

#include "platform/com/type_info.h"

// Dispatch ids of the browser events the control fires.
constexpr DISPID DISPID_DOCUMENTCOMPLETE = 259;

// The class description; it lives for the whole run.
ITypeInfo* WebBrowserClassInfo();
