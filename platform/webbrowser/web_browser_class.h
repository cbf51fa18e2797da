#pragma once
// The web browser control's place in the class registry: CoCreateInstance
// of CLSID_WebBrowser makes a new WebBrowserControl.

#include "platform/com/guid.h"
#include "platform/com/result_codes.h"

// Registers (again) the control's class factory for CLSID_WebBrowser.
HRESULT RegisterWebBrowserClass();
// CLSID_WebBrowser, registered on the first call.
REFCLSID WebBrowserClass();
