#include "app/settings_panel.h"

#include <map>
#include <utility>

#include <wx/aui/aui.h>
#include <wx/bmpbuttn.h>
#include <wx/colordlg.h>
#include <wx/image.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include "app/control_ids.h"
#include "app/frame.h"

wxBEGIN_EVENT_TABLE(SettingsPanel, wxPanel)
    EVT_SPINCTRL(ID_PaneBorderSize, SettingsPanel::OnBorderSizeSpin)
    EVT_SPINCTRL(ID_SashSize, SettingsPanel::OnSashSizeSpin)
    EVT_SPINCTRL(ID_CaptionSize, SettingsPanel::OnCaptionSizeSpin)
    EVT_COMMAND_RANGE(ID_BackgroundColour, ID_GripperColour, wxEVT_BUTTON, SettingsPanel::OnPickColour)
wxEND_EVENT_TABLE()

namespace {

// One editable dock-art value: the control's id, its label and the dock-art metric or colour id.
struct Setting {
    int id;
    const char* label;
    int artId;
};

// In control id order, which is also the order in which the controls are created.
const Setting sizeSettings[] = {
    {ID_PaneBorderSize, "Pane Border Size:", wxAUI_DOCKART_PANE_BORDER_SIZE},
    {ID_SashSize, "Sash Size:", wxAUI_DOCKART_SASH_SIZE},
    {ID_CaptionSize, "Caption Size:", wxAUI_DOCKART_CAPTION_SIZE},
};

const Setting colourSettings[] = {
    {ID_BackgroundColour, "Background Color:", wxAUI_DOCKART_BACKGROUND_COLOUR},
    {ID_SashColour, "Sash Color:", wxAUI_DOCKART_SASH_COLOUR},
    {ID_InactiveCaptionColour, "Normal Caption:", wxAUI_DOCKART_INACTIVE_CAPTION_COLOUR},
    {ID_InactiveCaptionGradientColour, "Normal Caption Gradient:",
     wxAUI_DOCKART_INACTIVE_CAPTION_GRADIENT_COLOUR},
    {ID_InactiveCaptionTextColour, "Normal Caption Text:",
     wxAUI_DOCKART_INACTIVE_CAPTION_TEXT_COLOUR},
    {ID_ActiveCaptionColour, "Active Caption:", wxAUI_DOCKART_ACTIVE_CAPTION_COLOUR},
    {ID_ActiveCaptionGradientColour, "Active Caption Gradient:",
     wxAUI_DOCKART_ACTIVE_CAPTION_GRADIENT_COLOUR},
    {ID_ActiveCaptionTextColour, "Active Caption Text:", wxAUI_DOCKART_ACTIVE_CAPTION_TEXT_COLOUR},
    {ID_BorderColour, "Border Color:", wxAUI_DOCKART_BORDER_COLOUR},
    {ID_GripperColour, "Gripper Color:", wxAUI_DOCKART_GRIPPER_COLOUR},
};

// The two columns of the panel, by control id; NoRow leaves a cell empty.
constexpr int NoRow = 0;
const std::pair<int, int> gridLayout[] = {
    {ID_PaneBorderSize, ID_BackgroundColour},
    {ID_SashSize, ID_SashColour},
    {ID_CaptionSize, ID_GripperColour},
    {NoRow, ID_BorderColour},
    {ID_InactiveCaptionColour, ID_ActiveCaptionColour},
    {ID_InactiveCaptionGradientColour, ID_ActiveCaptionGradientColour},
    {ID_InactiveCaptionTextColour, ID_ActiveCaptionTextColour},
};

constexpr int SwatchWidth = 25;
constexpr int SwatchHeight = 14;

} // namespace

SettingsPanel::SettingsPanel(wxWindow* parent, MyFrame* frame)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER, "panel"),
      m_frame(frame)
{
    std::map<int, wxSizer*> rows;
    for (int i = 0; i < SizeCount; ++i)
        rows[sizeSettings[i].id] = MakeSizeRow(i);
    const wxBitmap black = MakeColourSwatch(*wxBLACK);
    for (int i = 0; i < ColourCount; ++i)
        rows[colourSettings[i].id] = MakeColourRow(i, black);

    auto* grid = new wxGridSizer(2, 0, 5);
    for (const auto& [left, right] : gridLayout) {
        if (left == NoRow)
            grid->Add(1, 1, 0, 0, 0);
        else
            grid->Add(rows[left], 0, 0, 0);
        grid->Add(rows[right], 0, 0, 0);
    }
    auto* panelSizer = new wxBoxSizer(wxVERTICAL);
    panelSizer->Add(grid, 1, wxEXPAND | wxALL, 5);
    SetSizer(panelSizer);
    panelSizer->SetSizeHints(this);

    RefreshColourButtons();
}

wxBitmap SettingsPanel::MakeColourSwatch(const wxColour& colour)
{
    wxImage image(SwatchWidth, SwatchHeight);
    for (int x = 0; x < SwatchWidth; ++x) {
        for (int y = 0; y < SwatchHeight; ++y) {
            const bool frame = x == 0 || x == SwatchWidth - 1 || y == 0 || y == SwatchHeight - 1;
            if (frame)
                image.SetRGB(x, y, 0, 0, 0);
            else
                image.SetRGB(x, y, colour.Red(), colour.Green(), colour.Blue());
        }
    }
    return wxBitmap(image, -1);
}

void SettingsPanel::RefreshColourButtons()
{
    wxAuiDockArt* art = m_frame->GetArtProvider();
    for (int i = 0; i < ColourCount; ++i)
        m_colourButtons[i]->SetBitmapLabel(MakeColourSwatch(art->GetColour(colourSettings[i].artId)));
}

wxSizer* SettingsPanel::MakeSizeRow(int index)
{
    const Setting& setting = sizeSettings[index];
    const int value = m_frame->GetArtProvider()->GetMetric(setting.artId);
    auto* spin = new wxSpinCtrl(this, setting.id, wxString::Format("%d", value), wxDefaultPosition, wxSize(50, 20),
                                wxSP_ARROW_KEYS, 0, 100, value);
    return MakeRow(setting.label, spin);
}

wxSizer* SettingsPanel::MakeColourRow(int index, const wxBitmap& swatch)
{
    const Setting& setting = colourSettings[index];
    m_colourButtons[index] =
        new wxBitmapButton(this, setting.id, swatch, wxDefaultPosition, wxSize(50, 25), wxBU_AUTODRAW);
    return MakeRow(setting.label, m_colourButtons[index]);
}

// Label and control centred between two stretching spacers; the labels share one width
// so that the controls line up.
wxSizer* SettingsPanel::MakeRow(const wxString& label, wxWindow* control)
{
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(1, 1, 1, wxEXPAND);
    row->Add(new wxStaticText(this, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, 0));
    row->Add(control);
    row->Add(1, 1, 1, wxEXPAND);
    row->SetItemMinSize(static_cast<size_t>(1), 180, 20);
    return row;
}

void SettingsPanel::SetSizeMetric(int id, const wxSpinEvent& event)
{
    m_frame->GetArtProvider()->SetMetric(sizeSettings[id - ID_PaneBorderSize].artId, event.GetPosition());
    m_frame->RefreshLayout();
}

void SettingsPanel::OnBorderSizeSpin(wxSpinEvent& event)
{
    SetSizeMetric(ID_PaneBorderSize, event);
}

void SettingsPanel::OnSashSizeSpin(wxSpinEvent& event)
{
    SetSizeMetric(ID_SashSize, event);
}

void SettingsPanel::OnCaptionSizeSpin(wxSpinEvent& event)
{
    SetSizeMetric(ID_CaptionSize, event);
}

// The dialog starts from its own default colour, not from the dock art's current one.
void SettingsPanel::OnPickColour(wxCommandEvent& event)
{
    wxColourDialog dialog(m_frame);
    dialog.SetTitle(wxGetTranslation("Color Picker"));
    if (dialog.ShowModal() != wxID_OK)
        return;
    const int index = event.GetId() - ID_BackgroundColour;
    m_frame->GetArtProvider()->SetColour(colourSettings[index].artId, dialog.GetColourData().GetColour());
    m_frame->RefreshLayout();
    RefreshColourButtons();
}
