#pragma once

#include <wx/panel.h>

class wxBoxSizer;
class wxButton;
class wxCheckBox;
class wxStaticText;

// The panel docked below the tabs while a puzzle is open. Its button and check
// box send their commands up to the frame, which acts on the current puzzle.
class EditCrosswordPanel : public wxPanel {
public:
    EditCrosswordPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                       const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL);

    // Whether "Show solutions" is ticked.
    bool ShowSolutions();

private:
    void CreateControls();
    void OnClose(wxCloseEvent& event);

    wxCheckBox* m_showSolutions = nullptr;
    wxStaticText* m_titleLabel = nullptr;
    wxButton* m_editWordList = nullptr;
    wxBoxSizer* m_sizer = nullptr;

    wxDECLARE_EVENT_TABLE();
};
