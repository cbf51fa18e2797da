#include "browser/IEHtmlWin.h"

#include "browser/my_doc_handler.h"
#include "platform/com/code_page.h"
#include "platform/com/safe_array.h"
#include "platform/webbrowser/web_browser_class.h"

#include <wx/log.h>

#include <cstdlib>
#include <cstring>
#include <vector>

wxBEGIN_EVENT_TABLE(wxIEHtmlWin, wxActiveX)
wxEND_EVENT_TABLE()

namespace {

// The page's own bytes go to the browser unchanged; a character without a
// Windows-1252 byte becomes "?".
std::string Windows1252Bytes(const wxString& text)
{
    std::string bytes;
    bytes.reserve(text.length());
    for (wxUniChar c : text)
        bytes += Windows1252Byte(c.GetValue()).value_or('?');
    return bytes;
}

// A page header or footer as a VT_BSTR variant, from the 8-bit code page.
void SetPrintText(VARIANT& variant, const std::string& text)
{
    VariantInit(&variant);
    const int length = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text.c_str(), -1, nullptr, 0);
    std::vector<WCHAR> wide(std::size_t(length > 0 ? length : 1), 0);
    MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text.c_str(), -1, wide.data(), length);
    variant.vt = VT_BSTR;
    variant.bstrVal = SysAllocString(wide.data());
}

}  // namespace

wxIEHtmlWin::wxIEHtmlWin(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                         const wxString& name)
    : wxActiveX(parent, WebBrowserClass(), id, pos, size, style, name)
{
    SetupBrowser();
    SetMinSize(wxSize(100, 100));
}

wxIEHtmlWin::~wxIEHtmlWin()
{
    m_webBrowser.Reset();
}

void wxIEHtmlWin::SetupBrowser()
{
    const HRESULT hret = m_webBrowser.QueryInterface(m_control.Get(), IID_IWebBrowser2);
    if (FAILED(hret) || !m_webBrowser) {
        wxLogError("The web browser control could not be created: puzzle pages cannot be shown.");
        return;
    }
    m_webBrowser->put_MenuBar(VARIANT_FALSE);
    m_webBrowser->put_AddressBar(VARIANT_FALSE);
    m_webBrowser->put_StatusBar(VARIANT_FALSE);
    m_webBrowser->put_ToolBar(0);
    m_webBrowser->put_RegisterAsBrowser(VARIANT_TRUE);
    m_webBrowser->put_RegisterAsDropTarget(VARIANT_TRUE);
    BSTR blank = SysAllocString(u"about:blank");
    m_webBrowser->Navigate(blank, nullptr, nullptr, nullptr, nullptr);
    SysFreeString(blank);

    OleInterfacePtr<IDispatch> document;
    m_webBrowser->get_Document(document.Out());
    auto* handler = new MyDocHandler;
    OleInterfacePtr<ICustomDoc> customDoc;
    customDoc.QueryInterface(document.Get(), IID_ICustomDoc);
    if (customDoc)
        customDoc->SetUIHandler(handler);
    // The document keeps the handler alive for as long as it needs it.
    handler->Release();
}

bool wxIEHtmlWin::LoadString(wxString html)
{
    const std::string bytes = Windows1252Bytes(html);
    auto* buffer = static_cast<char*>(std::malloc(bytes.empty() ? 1 : bytes.size()));
    if (!buffer)
        return false;
    std::memcpy(buffer, bytes.data(), bytes.size());
    return LoadStream(new wxOwnedMemInputStream(buffer, bytes.size()));
}

bool wxIEHtmlWin::LoadStream(wxInputStream* stream)
{
    auto* adaptor = new IwxStreamAdaptor(stream);
    adaptor->AddRef();
    return LoadStream(adaptor);
}

bool wxIEHtmlWin::LoadStream(IStreamAdaptorBase* adaptor)
{
    if (!adaptor)
        return false;
    // The adaptor's reference is the view's to give back on every path.
    OleInterfacePtr<IStreamAdaptorBase> held(adaptor);
    adaptor->prefix = "<html>";
    OleInterfacePtr<IDispatch> document;
    if (!m_webBrowser || FAILED(m_webBrowser->get_Document(document.Out())) || !document)
        return false;
    OleInterfacePtr<IPersistStreamInit> persistence;
    persistence.QueryInterface(document.Get(), IID_IPersistStreamInit);
    if (!persistence)
        return false;
    return SUCCEEDED(persistence->InitNew()) && SUCCEEDED(persistence->Load(adaptor));
}

void wxIEHtmlWin::Print(const std::string& header, const std::string& footer)
{
    if (!m_webBrowser)
        return;
    VARIANT texts[2];
    SetPrintText(texts[0], header);
    SetPrintText(texts[1], footer);
    SAFEARRAYBOUND bound = {2, 0};
    SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 1, &bound);
    for (LONG index = 0; index < 2; ++index)
        SafeArrayPutElement(array, &index, &texts[index]);
    VARIANT request;
    VariantInit(&request);
    request.vt = VT_ARRAY | VT_BYREF;
    request.parray = array;
    m_webBrowser->ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_DONTPROMPTUSER, &request, nullptr);
    // The array holds copies, and the control keeps nothing of the request.
    VariantClear(&texts[0]);
    VariantClear(&texts[1]);
    SafeArrayDestroy(array);
}
