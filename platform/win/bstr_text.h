#pragma once
// Automation strings to and from the toolkit's strings, through UTF-16.

#include "platform/com/bstr.h"

#include <wx/string.h>

wxString BstrToString(BSTR text);
// A new string the caller frees with SysFreeString.
BSTR StringToBstr(const wxString& text);
