#pragma once

#include <string>

#include <wx/dialog.h>

class wxBoxSizer;
class wxButton;
class wxComboBox;
class wxFlexGridSizer;
class wxSpinCtrl;
class wxStaticText;

// The dialog's style: caption, system menu, close and minimise boxes, not
// owned by its parent.
constexpr long PrintDialogStyle = 0x20001c01;

// Return codes of the dialog's modal run.
constexpr int PrintAccepted = 0;
constexpr int PrintCancelled = -1;

// Asks for the printer to print on and the number of copies. "Accept" makes the
// chosen printer the system's default before the dialog closes.
class PrintDialog : public wxDialog {
public:
    PrintDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, long style = PrintDialogStyle);

    // Empty when no printer is selected.
    std::string SelectedPrinter() const;
    int Copies() const;
    // False when the printer list is empty.
    bool HasPrinters() const;

private:
    void CreateControls();
    void OnAccept(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnCancel(wxCloseEvent& event);
    void Finish(int returnCode);

    wxButton* m_cancelButton = nullptr;
    wxButton* m_acceptButton = nullptr;
    wxBoxSizer* m_buttonRow = nullptr;
    wxBoxSizer* m_spareRow = nullptr;
    wxSpinCtrl* m_copies = nullptr;
    wxStaticText* m_copiesLabel = nullptr;
    wxComboBox* m_printers = nullptr;
    wxStaticText* m_printersLabel = nullptr;
    wxFlexGridSizer* m_gridSizer = nullptr;

    wxDECLARE_EVENT_TABLE();
};
