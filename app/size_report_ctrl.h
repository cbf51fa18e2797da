#pragma once

#include <wx/control.h>

class wxAuiManager;
class wxDC;

// A pane that paints its own client size and, when it knows the pane manager,
// the dock data of its pane: a way to watch what the manager does to a pane.
class wxSizeReportCtrl : public wxControl {
public:
    wxSizeReportCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                     wxAuiManager* manager);

    // Draws the report on any device context; the paint handler draws it on the window.
    void DrawReport(wxDC& dc);

private:
    void PaintReport(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnEraseBackground(wxEraseEvent& event);

    wxAuiManager* m_manager;

    wxDECLARE_EVENT_TABLE();
};
