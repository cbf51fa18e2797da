#include "platform/win/bstr_text.h"

#include <wx/strconv.h>

wxString BstrToString(BSTR text)
{
    return wxString(reinterpret_cast<const char*>(text), wxMBConvUTF16(), SysStringLen(text) * sizeof(OLECHAR));
}

BSTR StringToBstr(const wxString& text)
{
    const wxCharBuffer units = text.mb_str(wxMBConvUTF16());
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(units.data()), UINT(units.length() / sizeof(OLECHAR)));
}
