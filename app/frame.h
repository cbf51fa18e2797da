#pragma once

#include <map>
#include <memory>
#include <string>

#include <wx/aui/aui.h>
#include <wx/frame.h>

#include "platform/help/chm_help_controller.h"

class EditCrosswordPanel;
class Puzzle;

// The main window: the toolbar, the notebook of puzzle tabs, the side panel,
// and the commands of the menus.
class MyFrame : public wxFrame {
public:
    MyFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos = wxDefaultPosition,
            const wxSize& size = wxDefaultSize, long style = wxDEFAULT_FRAME_STYLE | wxSUNKEN_BORDER);
    ~MyFrame() override;

    // The puzzle lives as long as its tab; the notebook adopts its view.
    void AddPuzzlePage(std::unique_ptr<Puzzle> puzzle, const std::string& caption);
    void SetPageCaption(Puzzle* puzzle, const std::string& caption);
    wxAuiDockArt* GetArtProvider();
    void RefreshLayout();

    // The puzzle of the current tab, or null when no tab is open.
    Puzzle* CurrentPuzzle();

    wxAuiManager m_mgr;
    wxArrayString m_perspectives;
    ChmHelpController m_help;
    long m_notebook_style;
    wxAuiNotebook* m_notebook = nullptr;
    std::map<wxWindow*, std::unique_ptr<Puzzle>> m_pages;
    EditCrosswordPanel* m_sidePanel = nullptr;

    // Handlers; public so that tests can drive the commands as the menus do.
    void OnFileExit(wxCommandEvent& event);
    void OnHelpAbout(wxCommandEvent& event);
    void OnUpdateDemoItems(wxUpdateUIEvent& event);
    void OnLoadPerspective(wxCommandEvent& event);
    void OnPaneCloseRequest(wxAuiManagerEvent& event);
    void OnNotebookAllowDrag(wxAuiNotebookEvent& event);
    void OnPrint(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnNewCrossword(wxCommandEvent& event);
    void OnNewBingo(wxCommandEvent& event);
    void OnNewWordSearch(wxCommandEvent& event);
    void OnNewWordScramble(wxCommandEvent& event);
    void OnDocumentation(wxCommandEvent& event);
    void OnDocumentTabClose(wxAuiNotebookEvent& event);
    void OnShowSolutions(wxAuiNotebookEvent& event);
    void OnShowSolutions(wxCommandEvent& event);
    void OnEditWordList(wxCommandEvent& event);

private:
    wxAuiNotebook* BuildDocumentNotebook();
    wxWindow* MakeSizeReportPane(int width, int height);
    void BuildMenuBar();
    void BuildToolbars(wxToolBar*& demoBar, wxToolBar*& mainBar);
    void AddPanes(wxToolBar* demoBar, wxToolBar* mainBar);
    void SavePerspectives();
    void ShowSidePanel();
    void RemoveSidePanel();
    void ApplyShowSolutions();
    template <typename Dialog>
    Dialog* NewListDialog(const wxString& title);

    wxDECLARE_EVENT_TABLE();
};

// The main frame, set first thing by its constructor; the parent of every new puzzle view.
extern MyFrame* theFrame;

// Style of every word list dialog.
constexpr long WordListDialogStyle = 0x20001c01;
