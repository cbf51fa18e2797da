#pragma once

#include <array>

#include <wx/bitmap.h>

#include <wx/panel.h>

class MyFrame;
class wxBitmapButton;
class wxSpinEvent;

// Edits the main frame's dock art while the program runs: three sizes and ten colours.
// Changes act at once and last until the program ends.
class SettingsPanel : public wxPanel {
public:
    SettingsPanel(wxWindow* parent, MyFrame* frame);

    // The 25 x 14 swatch shown on a colour button: the colour inside a one-pixel black frame.
    static wxBitmap MakeColourSwatch(const wxColour& colour);

    // Shows each colour button's current dock-art colour; the sizes are left as typed.
    void RefreshColourButtons();

private:
    static constexpr int SizeCount = 3;
    static constexpr int ColourCount = 10;

    wxSizer* MakeSizeRow(int index);
    wxSizer* MakeColourRow(int index, const wxBitmap& swatch);
    wxSizer* MakeRow(const wxString& label, wxWindow* control);
    void SetSizeMetric(int id, const wxSpinEvent& event);

    void OnBorderSizeSpin(wxSpinEvent& event);
    void OnSashSizeSpin(wxSpinEvent& event);
    void OnCaptionSizeSpin(wxSpinEvent& event);
    void OnPickColour(wxCommandEvent& event);

    MyFrame* m_frame;
    std::array<wxBitmapButton*, ColourCount> m_colourButtons{};

    wxDECLARE_EVENT_TABLE();
};
