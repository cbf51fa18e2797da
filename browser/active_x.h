#pragma once
// A child window that hosts one ActiveX control: it creates the control and
// its client site, embeds it active in place, reads its type information and
// connects its event sink, then keeps it sized, painted and fed with input.

#include "browser/ole_interface_ptr.h"
#include "browser/type_records.h"
#include "platform/com/ole_control.h"

#include <wx/window.h>

#include <map>
#include <vector>

class FrameSite;
class wxActiveXEvents;

class wxActiveX : public wxWindow {
public:
    wxActiveX(wxWindow* parent, REFCLSID clsid, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize, long style = 0, const wxString& name = wxPanelNameStr);
    virtual ~wxActiveX();

    // Connects a sink to the control's connection point for an outgoing interface.
    HRESULT ConnectEventSink(REFIID iid, IUnknown* sink);

    void OnSize(wxSizeEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    // Key events stand in for the raw window procedure this toolkit lacks.
    void OnKey(wxKeyEvent& event);

    // Posts a keyboard message (WM_KEYDOWN to WM_SYSDEADCHAR) on to the
    // control's window; true when it was one and the control has a window.
    bool ForwardKeyMessage(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    void CreateControl(REFCLSID clsid);
    void ReadAllTypeInfo();
    void ReadTypeInfo(ITypeInfo* typeInfo, bool defaultInterface, bool defaultEventSink);

    struct SinkConnection {
        OleInterfacePtr<IConnectionPoint> point;
        DWORD cookie;
    };

    // Declared in the order the members must be taken down, last first.
    OleInterfacePtr<IDispatch> m_controlDispatch;
    OleInterfacePtr<IOleClientSite> m_clientSite;
    OleInterfacePtr<IUnknown> m_control;
    OleInterfacePtr<IOleObject> m_oleObject;
    OleInterfacePtr<IOleInPlaceObject> m_inPlaceObject;
    OleInterfacePtr<IOleInPlaceActiveObject> m_inPlaceActiveObject;
    OleInterfacePtr<IOleDocumentView> m_documentView;
    OleInterfacePtr<IViewObject> m_viewObject;
    HWND m_controlWindow = nullptr;
    bool m_ambientUserMode = true;
    DWORD m_adviseCookie = 0;
    std::vector<SinkConnection> m_sinkConnections;
    std::vector<FunctionRecord> m_events;
    std::map<MEMBERID, int> m_eventsIdx;
    std::vector<PropertyRecord> m_props;
    std::map<wxString, int> m_propsIdx;
    std::vector<FunctionRecord> m_methods;
    std::map<wxString, int> m_methodsIdx;

private:
    void EmbedControl(DWORD miscStatus, OleInterfacePtr<IPersistStreamInit>& persistence);
    void ActivateInPlace(DWORD miscStatus, const RECT& position);
    void ReadFunction(ITypeInfo* typeInfo, UINT index, bool defaultInterface, bool defaultEventSink);
    void StoreFunction(const FUNCDESC& function, FunctionRecord record, bool defaultEventSink);
    void ConnectDefaultEventSink(REFIID iid);

    friend class FrameSite;
    friend class wxActiveXEvents;

    wxDECLARE_EVENT_TABLE();
};

// Pixels to HIMETRIC (hundredths of a millimetre) at the screen's dots per
// inch, which are read once per run.
void PixelsToHimetric(SIZEL& size);
