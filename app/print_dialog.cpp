#include "app/print_dialog.h"

#include <cstdint>
#include <vector>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "app/control_ids.h"
#include "app/printer/set_default_printer_by_name.h"
#include "app/text_encoding.h"
#include "app/word_grid.h"
#include "platform/spooler/default_printer.h"
#include "platform/spooler/printer_info.h"
#include "platform/spooler/printers.h"

wxBEGIN_EVENT_TABLE(PrintDialog, wxDialog)
    EVT_BUTTON(ID_PrintAccept, PrintDialog::OnAccept)
    EVT_BUTTON(ID_PrintCancel, PrintDialog::OnCancel)
    EVT_CLOSE(PrintDialog::OnCancel)
wxEND_EVENT_TABLE()

namespace {

struct PrinterChoices {
    wxArrayString names;
    int selected = wxNOT_FOUND;
};

// Empty when there is no default printer or it cannot be learnt.
std::string DefaultPrinterName()
{
    char name[1024] = {};
    std::uint32_t capacity = sizeof name;
    if (!GetDefaultPrinterA(name, &capacity))
        return "";
    return name;
}

// The local printers in the spooler's order, the default one selected.
PrinterChoices GatherPrinterChoices()
{
    const std::string defaultName = DefaultPrinterName();
    std::uint32_t needed = 0;
    std::uint32_t count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 1, nullptr, 0, &needed, &count);
    std::vector<unsigned char> buffer(needed + 4, 0);
    count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 1, buffer.data(), needed, &needed, &count);

    PrinterChoices choices;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_1A*>(buffer.data());
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::string name = printers[i].pName ? printers[i].pName : "";
        if (!defaultName.empty() && name == defaultName)
            choices.selected = int(i);
        choices.names.Add(FromWindows1252(name));
    }
    return choices;
}

template <typename Control>
Control* Placed(Control* control, wxSizer* sizer)
{
    control->SetFont(TahomaFont());
    sizer->Add(control, 0, wxALIGN_CENTER | wxALL, 5);
    return control;
}

}  // namespace

PrintDialog::PrintDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                         const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style, "dialog")
{
    CreateControls();
}

void PrintDialog::CreateControls()
{
    m_gridSizer = new wxFlexGridSizer(0, 2, 0, 0);
    SetSizer(m_gridSizer);
    SetAutoLayout(true);

    m_printersLabel = Placed(new wxStaticText(this, ID_PrinterLabel, "Choose printer", wxDefaultPosition,
                                              wxDefaultSize, 0, "WxStaticText1"),
                             m_gridSizer);
    const PrinterChoices choices = GatherPrinterChoices();
    m_printers = Placed(new wxComboBox(this, ID_Printers, "", wxDefaultPosition, wxSize(171, 21), choices.names,
                                       wxCB_READONLY, wxDefaultValidator, "WxComboBox1"),
                        m_gridSizer);
    if (choices.selected != wxNOT_FOUND)
        m_printers->SetSelection(choices.selected);
    m_copiesLabel = Placed(new wxStaticText(this, ID_CopiesLabel, "Number of copies", wxDefaultPosition,
                                            wxDefaultSize, 0, "WxStaticText2"),
                           m_gridSizer);
    m_copies = Placed(new wxSpinCtrl(this, ID_Copies, "1", wxDefaultPosition, wxSize(170, 22), wxSP_ARROW_KEYS, 1,
                                     100, 1, "wxSpinCtrl"),
                      m_gridSizer);

    m_spareRow = new wxBoxSizer(wxHORIZONTAL);
    m_gridSizer->Add(m_spareRow, 0, wxALIGN_CENTER | wxALL, 5);
    // The row fills its cell. Centring it as well would override that here and
    // trip the toolkit's check of the sizer flags.
    m_buttonRow = new wxBoxSizer(wxHORIZONTAL);
    m_gridSizer->Add(m_buttonRow, 0, wxALL | wxEXPAND, 5);
    m_acceptButton = Placed(new wxButton(this, ID_PrintAccept, "Accept", wxDefaultPosition, wxSize(75, 25), 0,
                                         wxDefaultValidator, "WxButton1"),
                            m_buttonRow);
    m_cancelButton = Placed(new wxButton(this, ID_PrintCancel, "Cancel", wxDefaultPosition, wxSize(75, 25), 0,
                                         wxDefaultValidator, "WxButton2"),
                            m_buttonRow);

    SetTitle("Print Document");
    SetIcon(wxNullIcon);
    m_gridSizer->Layout();
    m_gridSizer->Fit(this);
    m_gridSizer->SetSizeHints(this);
    Center(wxBOTH);
}

std::string PrintDialog::SelectedPrinter() const
{
    // The names came from 8-bit text, so they always go back to it.
    return ToWindows1252(m_printers->GetValue()).value_or("");
}

int PrintDialog::Copies() const { return m_copies->GetValue(); }

bool PrintDialog::HasPrinters() const { return m_printers->GetCount() > 0; }

void PrintDialog::OnAccept(wxCommandEvent&)
{
    // A printer found on the network may take seconds to answer.
    wxBusyCursor busy;
    SetDefaultPrinterByName(SelectedPrinter().c_str());
    Finish(PrintAccepted);
}

void PrintDialog::OnCancel(wxCommandEvent&) { Finish(PrintCancelled); }

void PrintDialog::OnCancel(wxCloseEvent&) { Finish(PrintCancelled); }

void PrintDialog::Finish(int returnCode)
{
    SetReturnCode(returnCode);
    EndDialog(returnCode);
}
