#include "app/edit_crossword_panel.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/control_ids.h"
#include "app/word_grid.h"

wxBEGIN_EVENT_TABLE(EditCrosswordPanel, wxPanel)
    EVT_CLOSE(EditCrosswordPanel::OnClose)
wxEND_EVENT_TABLE()

EditCrosswordPanel::EditCrosswordPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                                       long style)
    : wxPanel(parent, id, pos, size, style, "panel")
{
    CreateControls();
}

void EditCrosswordPanel::CreateControls()
{
    m_sizer = new wxBoxSizer(wxHORIZONTAL);
    SetSizer(m_sizer);
    SetAutoLayout(true);

    // The sizes were chosen for Tahoma; where this desktop's substitute font
    // is wider, a control grows so that its label is not cut off.
    auto add = [this](wxWindow* control) {
        control->SetFont(TahomaFont());
        wxSize size = control->GetSize();
        size.IncTo(control->GetBestSize());
        control->SetMinSize(size);
        m_sizer->Add(control, 0, wxALIGN_CENTER | wxALL, 5);
    };
    m_editWordList = new wxButton(this, ID_EditWordList, "Edit word list", wxDefaultPosition, wxSize(75, 25), 0,
                                  wxDefaultValidator, "WxButton1");
    add(m_editWordList);
    m_titleLabel =
        new wxStaticText(this, ID_SidePanelTitle, "Title:", wxDefaultPosition, wxDefaultSize, 0, "WxStaticText1");
    add(m_titleLabel);
    m_showSolutions = new wxCheckBox(this, ID_ShowSolutions, "Show solutions", wxDefaultPosition, wxSize(97, 17), 0,
                                     wxDefaultValidator, "WxCheckBox1");
    add(m_showSolutions);

    m_sizer->Layout();
    m_sizer->Fit(this);
    m_sizer->SetSizeHints(this);
    Center();
}

bool EditCrosswordPanel::ShowSolutions() { return m_showSolutions->GetValue(); }

void EditCrosswordPanel::OnClose(wxCloseEvent&) { Destroy(); }
