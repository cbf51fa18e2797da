#include "app/size_report_ctrl.h"

#include <wx/aui/aui.h>
#include <wx/dcclient.h>

wxBEGIN_EVENT_TABLE(wxSizeReportCtrl, wxControl)
    EVT_PAINT(wxSizeReportCtrl::PaintReport)
    EVT_SIZE(wxSizeReportCtrl::OnSize)
    EVT_ERASE_BACKGROUND(wxSizeReportCtrl::OnEraseBackground)
wxEND_EVENT_TABLE()

namespace {

// The five lines of the report form a block centred vertically; each line is centred
// on its own width. Integer division truncates toward zero, so a line wider than the
// control starts left of it.
void DrawReportLine(wxDC& dc, const wxString& text, wxSize client, int lineStep, int line)
{
    const int top = (client.y - 5 * lineStep) / 2;
    dc.DrawText(text, (client.x - dc.GetTextExtent(text).x) / 2, top + line * lineStep);
}

} // namespace

wxSizeReportCtrl::wxSizeReportCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                                   wxAuiManager* manager)
    : wxControl(parent, id, pos, size, wxNO_BORDER, wxDefaultValidator, "control"), m_manager(manager)
{
}

void wxSizeReportCtrl::DrawReport(wxDC& dc)
{
    const wxSize client = GetClientSize();
    const wxString size = wxString::Format("Size: %d x %d", client.x, client.y);
    dc.SetFont(*wxNORMAL_FONT);
    const int lineStep = dc.GetTextExtent(size).y + 3;

    dc.SetBrush(*wxWHITE_BRUSH);
    dc.SetPen(*wxWHITE_PEN);
    dc.DrawRectangle(0, 0, client.x, client.y);
    dc.SetPen(*wxLIGHT_GREY_PEN);
    dc.DrawLine(0, 0, client.x, client.y);
    dc.DrawLine(0, client.y, client.x, 0);

    DrawReportLine(dc, size, client, lineStep, 0);
    if (!m_manager)
        return;
    const wxAuiPaneInfo pane = m_manager->GetPane(this);
    DrawReportLine(dc, wxString::Format("Layer: %d", pane.dock_layer), client, lineStep, 1);
    DrawReportLine(dc, wxString::Format("Dock: %d Row: %d", pane.dock_direction, pane.dock_row), client,
                   lineStep, 2);
    DrawReportLine(dc, wxString::Format("Position: %d", pane.dock_pos), client, lineStep, 3);
    DrawReportLine(dc, wxString::Format("Proportion: %d", pane.dock_proportion), client, lineStep, 4);
}

void wxSizeReportCtrl::PaintReport(wxPaintEvent&)
{
    wxPaintDC dc(this);
    DrawReport(dc);
}

void wxSizeReportCtrl::OnSize(wxSizeEvent&)
{
    Refresh();
}

// The report covers the whole window, so erasing first would only flicker.
void wxSizeReportCtrl::OnEraseBackground(wxEraseEvent&)
{
}
