#include "browser/active_x.h"

#include "browser/frame_site.h"
#include "platform/com/class_registry.h"
#include "platform/com/running_object.h"
#include "platform/win/device_context.h"
#include "platform/win/key_messages.h"
#include "platform/win/mul_div.h"
#include "platform/win/window_calls.h"
#include "platform/win/window_handle.h"
#include "platform/win/window_messages.h"

#include <wx/dcclient.h>

wxBEGIN_EVENT_TABLE(wxActiveX, wxWindow)
    EVT_SIZE(wxActiveX::OnSize)
    EVT_PAINT(wxActiveX::OnPaint)
    EVT_LEFT_DOWN(wxActiveX::OnMouse)
    EVT_LEFT_UP(wxActiveX::OnMouse)
    EVT_MIDDLE_DOWN(wxActiveX::OnMouse)
    EVT_MIDDLE_UP(wxActiveX::OnMouse)
    EVT_RIGHT_DOWN(wxActiveX::OnMouse)
    EVT_RIGHT_UP(wxActiveX::OnMouse)
    EVT_MOTION(wxActiveX::OnMouse)
    EVT_LEFT_DCLICK(wxActiveX::OnMouse)
    EVT_MIDDLE_DCLICK(wxActiveX::OnMouse)
    EVT_RIGHT_DCLICK(wxActiveX::OnMouse)
    EVT_LEAVE_WINDOW(wxActiveX::OnMouse)
    EVT_ENTER_WINDOW(wxActiveX::OnMouse)
    EVT_MOUSEWHEEL(wxActiveX::OnMouse)
    EVT_SET_FOCUS(wxActiveX::OnSetFocus)
    EVT_KILL_FOCUS(wxActiveX::OnKillFocus)
    EVT_KEY_DOWN(wxActiveX::OnKey)
    EVT_KEY_UP(wxActiveX::OnKey)
    EVT_CHAR(wxActiveX::OnKey)
wxEND_EVENT_TABLE()

namespace {

struct MouseMessage {
    wxEventType type;
    UINT message;
};

const MouseMessage MouseMessages[] = {
    {wxEVT_LEFT_DOWN, WM_LBUTTONDOWN},     {wxEVT_LEFT_UP, WM_LBUTTONUP},
    {wxEVT_LEFT_DCLICK, WM_LBUTTONDBLCLK}, {wxEVT_RIGHT_DOWN, WM_RBUTTONDOWN},
    {wxEVT_RIGHT_UP, WM_RBUTTONUP},        {wxEVT_RIGHT_DCLICK, WM_RBUTTONDBLCLK},
    {wxEVT_MIDDLE_DOWN, WM_MBUTTONDOWN},   {wxEVT_MIDDLE_UP, WM_MBUTTONUP},
    {wxEVT_MIDDLE_DCLICK, WM_MBUTTONDBLCLK}, {wxEVT_MOTION, WM_MOUSEMOVE},
};

UINT MouseMessageOf(wxEventType type)
{
    for (const MouseMessage& entry : MouseMessages)
        if (entry.type == type)
            return entry.message;
    return 0;
}

WPARAM MouseKeyState(const wxMouseEvent& event)
{
    WPARAM flags = 0;
    if (event.ControlDown())
        flags |= MK_CONTROL;
    if (event.ShiftDown())
        flags |= MK_SHIFT;
    if (event.LeftIsDown())
        flags |= MK_LBUTTON;
    if (event.MiddleIsDown())
        flags |= MK_MBUTTON;
    if (event.RightIsDown())
        flags |= MK_RBUTTON;
    return flags;
}

int screenDpiX = 0;
int screenDpiY = 0;

}  // namespace

wxActiveX::wxActiveX(wxWindow* parent, REFCLSID clsid, wxWindowID id, const wxPoint& pos, const wxSize& size,
                     long style, const wxString& name)
    : wxWindow(parent, id, pos, size, style, name)
{
    CreateControl(clsid);
}

void wxActiveX::CreateControl(REFCLSID clsid)
{
    auto* site = new FrameSite(this);
    m_clientSite.QueryInterface(static_cast<IOleClientSite*>(site), IID_IOleClientSite);
    OleInterfacePtr<IAdviseSink> adviseSink;
    adviseSink.QueryInterface(static_cast<IOleClientSite*>(site), IID_IAdviseSink);

    CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(m_control.Out()));
    m_controlDispatch.QueryInterface(m_control.Get(), IID_IDispatch);
    ReadAllTypeInfo();

    m_oleObject.QueryInterface(m_control.Get(), IID_IOleObject);
    m_viewObject.QueryInterface(m_control.Get(), IID_IViewObject);
    // Without the OLE object there is nothing to embed; the window stays empty.
    if (!m_oleObject)
        return;
    m_adviseCookie = 0;
    m_oleObject->Advise(adviseSink.Get(), &m_adviseCookie);
    m_oleObject->SetHostNames(u"wxActiveXContainer", nullptr);
    OleSetContainedObject(m_oleObject.Get(), TRUE);
    OleRun(m_oleObject.Get());
    m_inPlaceObject.QueryInterface(m_oleObject.Get(), IID_IOleInPlaceObject);

    DWORD miscStatus = 0;
    m_oleObject->GetMiscStatus(DVASPECT_CONTENT, &miscStatus);
    OleInterfacePtr<IPersistStreamInit> persistence;
    EmbedControl(miscStatus, persistence);

    int width = 0;
    int height = 0;
    GetClientSize(&width, &height);
    ActivateInPlace(miscStatus, RECT{0, 0, width, height});
}

// Some controls need their client site before they are initialised, the
// others after.
void wxActiveX::EmbedControl(DWORD miscStatus, OleInterfacePtr<IPersistStreamInit>& persistence)
{
    if (miscStatus & OLEMISC_SETCLIENTSITEFIRST)
        m_oleObject->SetClientSite(m_clientSite.Get());
    persistence.QueryInterface(m_oleObject.Get(), IID_IPersistStreamInit);
    if (persistence)
        persistence->InitNew();
    if (!(miscStatus & OLEMISC_SETCLIENTSITEFIRST))
        m_oleObject->SetClientSite(m_clientSite.Get());
}

void wxActiveX::ActivateInPlace(DWORD miscStatus, const RECT& position)
{
    m_controlWindow = nullptr;
    if (m_inPlaceObject && SUCCEEDED(m_inPlaceObject->GetWindow(&m_controlWindow)))
        SetActiveWindow(m_controlWindow);
    if (!(miscStatus & OLEMISC_INVISIBLEATRUNTIME)) {
        if (position.right > 0 && position.bottom > 0 && m_inPlaceObject)
            m_inPlaceObject->SetObjectRects(&position, &position);
        const HWND self = WindowHandle(this);
        m_oleObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_clientSite.Get(), 0, self, &position);
        m_oleObject->DoVerb(OLEIVERB_SHOW, nullptr, m_clientSite.Get(), 0, self, &position);
    }
    if (!m_controlWindow && m_inPlaceObject)
        m_inPlaceObject->GetWindow(&m_controlWindow);
    if (m_controlWindow) {
        SetActiveWindow(m_controlWindow);
        ShowWindow(m_controlWindow, SW_SHOW);
        // OnSize runs once more from the event loop, with the control in place.
        wxSizeEvent resize(wxSize(position.right, position.bottom), 0);
        AddPendingEvent(resize);
    }
}

HRESULT wxActiveX::ConnectEventSink(REFIID iid, IUnknown* sink)
{
    OleInterfacePtr<IConnectionPointContainer> container;
    container.QueryInterface(m_control.Get(), IID_IConnectionPointContainer);
    if (!container)
        return E_FAIL;
    OleInterfacePtr<IConnectionPoint> point;
    HRESULT hr = container->FindConnectionPoint(iid, point.Out());
    if (FAILED(hr))
        return hr;
    DWORD cookie = 0;
    hr = point->Advise(sink, &cookie);
    if (FAILED(hr))
        return hr;
    m_sinkConnections.push_back({std::move(point), cookie});
    return hr;
}

wxActiveX::~wxActiveX()
{
    for (SinkConnection& connection : m_sinkConnections)
        connection.point->Unadvise(connection.cookie);
    m_sinkConnections.clear();
    if (m_inPlaceObject) {
        m_inPlaceObject->InPlaceDeactivate();
        m_inPlaceObject->UIDeactivate();
    }
    if (m_oleObject) {
        if (m_adviseCookie != 0)
            m_oleObject->Unadvise(m_adviseCookie);
        m_oleObject->DoVerb(OLEIVERB_HIDE, nullptr, m_clientSite.Get(), 0, WindowHandle(this), nullptr);
        m_oleObject->Close(OLECLOSE_NOSAVE);
        m_oleObject->SetClientSite(nullptr);
    }
}

void PixelsToHimetric(SIZEL& size)
{
    if (screenDpiY == 0) {
        const HDC screen = GetDC(nullptr);
        screenDpiX = GetDeviceCaps(screen, LOGPIXELSX);
        screenDpiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    size.cx = MulDiv(2540, size.cx, screenDpiX);
    size.cy = MulDiv(2540, size.cy, screenDpiY);
}

void wxActiveX::OnSize(wxSizeEvent&)
{
    int width = 0;
    int height = 0;
    GetClientSize(&width, &height);
    if (width <= 0 && height <= 0)
        return;
    if (m_oleObject) {
        SIZEL wanted = {width, height};
        PixelsToHimetric(wanted);
        SIZEL current = {0, 0};
        // When the control cannot say its extent, it is given one all the same.
        const HRESULT hr = m_oleObject->GetExtent(DVASPECT_CONTENT, &current);
        if (FAILED(hr) || current.cx != wanted.cx || current.cy != wanted.cy)
            m_oleObject->SetExtent(DVASPECT_CONTENT, &wanted);
    }
    if (m_inPlaceObject) {
        const RECT position = {0, 0, width, height};
        m_inPlaceObject->SetObjectRects(&position, &position);
    }
}

void wxActiveX::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    int width = 0;
    int height = 0;
    GetSize(&width, &height);
    if (m_viewObject) {
        const RECTL bounds = {0, 0, width, height};
        RedrawWindow(m_controlWindow, nullptr, nullptr, RDW_INTERNALPAINT);
        HDC__ paintContext(dc);
        m_viewObject->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, &paintContext, &bounds, nullptr,
                           nullptr, 0);
    } else {
        dc.SetBrush(*wxRED_BRUSH);
        dc.DrawRectangle(0, 0, width, height);
        dc.SetBrush(wxNullBrush);
    }
}

void wxActiveX::OnMouse(wxMouseEvent& event)
{
    const UINT message = MouseMessageOf(event.GetEventType());
    if (!m_controlWindow || message == 0) {
        event.Skip();
        return;
    }
    const LPARAM position = MAKELPARAM(event.GetX(), event.GetY());
    // A message the control leaves unanswered is the toolkit's to handle.
    if (SendMessageA(m_controlWindow, message, MouseKeyState(event), position) == 0)
        event.Skip();
}

void wxActiveX::OnSetFocus(wxFocusEvent&)
{
    if (m_inPlaceActiveObject)
        m_inPlaceActiveObject->OnFrameWindowActivate(TRUE);
}

void wxActiveX::OnKillFocus(wxFocusEvent&)
{
    if (m_inPlaceActiveObject)
        m_inPlaceActiveObject->OnFrameWindowActivate(FALSE);
}

void wxActiveX::OnKey(wxKeyEvent& event)
{
    const KeyMessage key = KeyEventToMessage(event);
    ForwardKeyMessage(key.message, key.wParam, key.lParam);
    event.Skip();
}

bool wxActiveX::ForwardKeyMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_controlWindow || message < WM_KEYDOWN || message > WM_SYSDEADCHAR)
        return false;
    PostMessageA(m_controlWindow, message, wParam, lParam);
    return true;
}
