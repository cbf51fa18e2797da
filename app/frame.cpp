#include "app/frame.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/toolbar.h>

#include "app/bingo_dlg.h"
#include "app/command_edge.h"
#include "app/control_ids.h"
#include "app/engine_start_up.h"
#include "app/menu_item_without_shortcut.h"
#include "app/puzzle.h"
#include "app/settings_panel.h"
#include "app/text_encoding.h"
#include "app/word_list_dlg.h"
#include "app/word_search_dlg.h"
#include "browser/IEHtmlWin.h"
#include "data/quillory.xpm"

MyFrame* theFrame = nullptr;

namespace {

constexpr unsigned AuiManagerFlags = wxAUI_MGR_DEFAULT;
constexpr long NotebookStyle = wxAUI_NB_TOP | wxAUI_NB_TAB_MOVE | wxAUI_NB_SCROLL_BUTTONS |
                               wxAUI_NB_CLOSE_ON_ACTIVE_TAB | wxNO_BORDER;

wxBitmap ArtImage(const wxArtID& id, const wxSize& size = wxDefaultSize)
{
    return wxArtProvider::GetBitmap(id, wxART_OTHER, size);
}

// A missing bitmap file still gives its tool a picture.
wxBitmap FileImage(const char* name)
{
    wxLogNull quiet;
    wxBitmap image(name, wxBITMAP_TYPE_BMP);
    return image.IsOk() ? image : ArtImage(wxART_MISSING_IMAGE, wxSize(16, 16));
}

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(MyFrame, wxFrame)
    EVT_MENU(wxID_EXIT, MyFrame::OnFileExit)
    EVT_MENU(wxID_ABOUT, MyFrame::OnHelpAbout)
    EVT_UPDATE_UI(ID_AllowFloating, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_TransparentHint, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_VenetianBlindsHint, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_RectangleHint, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NoHint, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_HintFade, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NoVenetianFade, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_TransparentDrag, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NoGradient, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_VerticalGradient, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_HorizontalGradient, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NotebookNoCloseButton, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NotebookCloseButton, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NotebookCloseButtonAll, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NotebookCloseButtonActive, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NotebookAllowTabMove, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NotebookAllowTabExternalMove, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NotebookAllowTabSplit, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NotebookWindowList, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NotebookScrollButtons, MyFrame::OnUpdateDemoItems)
    EVT_UPDATE_UI(ID_NotebookTabFixedWidth, MyFrame::OnUpdateDemoItems)
    EVT_MENU_RANGE(ID_FirstPerspective, ID_LastPerspective, MyFrame::OnLoadPerspective)
    EVT_AUI_PANE_CLOSE(MyFrame::OnPaneCloseRequest)
    EVT_AUINOTEBOOK_ALLOW_DND(wxID_ANY, MyFrame::OnNotebookAllowDrag)
    EVT_MENU(ID_Print, MyFrame::OnPrint)
    EVT_MENU(ID_Save, MyFrame::OnSave)
    EVT_MENU(ID_Open, MyFrame::OnOpen)
    EVT_MENU(ID_NewCrossword, MyFrame::OnNewCrossword)
    EVT_MENU(ID_NewBingo, MyFrame::OnNewBingo)
    EVT_MENU(ID_NewWordSearch, MyFrame::OnNewWordSearch)
    EVT_MENU(ID_NewWordScramble, MyFrame::OnNewWordScramble)
    EVT_MENU(ID_Documentation, MyFrame::OnDocumentation)
    EVT_AUINOTEBOOK_PAGE_CLOSE(wxID_ANY, MyFrame::OnDocumentTabClose)
    EVT_AUINOTEBOOK_PAGE_CHANGED(wxID_ANY, MyFrame::OnShowSolutions)
    EVT_BUTTON(ID_EditWordList, MyFrame::OnEditWordList)
    EVT_CHECKBOX(ID_ShowSolutions, MyFrame::OnShowSolutions)
wxEND_EVENT_TABLE()
// clang-format on

MyFrame::MyFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos, const wxSize& size,
                 long style)
    : wxFrame(parent, id, title, pos, size, style), m_mgr(nullptr, AuiManagerFlags)
{
    theFrame = this;
    m_mgr.SetManagedWindow(this);
    m_help.Initialize("help.chm");
    SetIcon(wxIcon(quillory_xpm));
    m_notebook_style = NotebookStyle;
    BuildMenuBar();
    CreateStatusBar(1);
    SetStatusText(_("Ready"));
    SetMinSize(wxSize(400, 300));
    wxToolBar* demoBar = nullptr;
    wxToolBar* mainBar = nullptr;
    BuildToolbars(demoBar, mainBar);
    AddPanes(demoBar, mainBar);
    SavePerspectives();
    m_mgr.Update();
}

MyFrame::~MyFrame()
{
    m_mgr.UnInit();
    m_pages.clear();
    // The pages' views are gone; whatever runs after the frame must not reach it.
    if (theFrame == this)
        theFrame = nullptr;
}

void MyFrame::BuildMenuBar()
{
    auto* newMenu = new wxMenu;
    newMenu->Append(ID_NewCrossword, _("Crossword puzzle"));
    newMenu->Append(ID_NewWordSearch, _("Word search puzzle"));
    newMenu->Append(ID_NewWordScramble, _("Word scramble puzzle"));
    newMenu->Append(ID_NewBingo, _("Bingo cards"));

    auto* fileMenu = new wxMenu;
    fileMenu->AppendSubMenu(newMenu, _("New..."));
    fileMenu->Append(ID_Open, _("Open..."));
    fileMenu->Append(ID_Save, _("Save..."));
    fileMenu->AppendSeparator();
    fileMenu->Append(ID_Print, _("Print..."));
    fileMenu->AppendSeparator();
    AppendWithoutShortcut(fileMenu, wxID_EXIT, _("Exit"));

    auto* helpMenu = new wxMenu;
    helpMenu->Append(ID_Documentation, _("Documentation"));
    helpMenu->Append(wxID_ABOUT, _("About..."));

    auto* bar = new wxMenuBar;
    bar->Append(fileMenu, _("File"));
    bar->Append(helpMenu, _("Help"));
    SetMenuBar(bar);
}

void MyFrame::BuildToolbars(wxToolBar*& demoBar, wxToolBar*& mainBar)
{
    demoBar = new wxToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTB_FLAT);
    demoBar->SetToolBitmapSize(wxSize(48, 48));
    demoBar->AddTool(ID_DemoToolError, "Test", ArtImage(wxART_ERROR));
    demoBar->AddSeparator();
    demoBar->AddTool(ID_DemoToolQuestion, "Test", ArtImage(wxART_QUESTION));
    demoBar->AddTool(ID_DemoToolInformation, "Test", ArtImage(wxART_INFORMATION));
    demoBar->AddTool(ID_DemoToolWarning, "Test", ArtImage(wxART_WARNING));
    demoBar->AddTool(ID_DemoToolMissingImage, "Test", ArtImage(wxART_MISSING_IMAGE));
    demoBar->Realize();

    const wxSize small(16, 16);
    mainBar = new wxToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                            wxTB_FLAT | wxTB_TEXT | wxTB_NODIVIDER);
    mainBar->SetToolBitmapSize(small);
    mainBar->AddTool(ID_Open, "Open", ArtImage(wxART_FILE_OPEN, small), "Toggle button 1");
    mainBar->AddTool(ID_Save, "Save", ArtImage(wxART_FILE_SAVE, small));
    mainBar->AddTool(ID_Print, "Print", ArtImage(wxART_PRINT, small));
    mainBar->AddTool(ID_NewCrossword, "Crossword", FileImage("cross.bmp"));
    mainBar->AddTool(ID_NewWordSearch, "Word search", FileImage("wordsearch.bmp"));
    mainBar->AddTool(ID_NewWordScramble, "Word scramble", FileImage("whirl.bmp"));
    mainBar->AddTool(ID_NewBingo, "Bingo cards", FileImage("bingo.bmp"));
    mainBar->AddTool(ID_Documentation, "Help", ArtImage(wxART_QUESTION, small));
    mainBar->Realize();
}

void MyFrame::AddPanes(wxToolBar* demoBar, wxToolBar* mainBar)
{
    m_mgr.AddPane(MakeSizeReportPane(80, 80), wxAuiPaneInfo()
                                            .Name("test9")
                                            .Caption("Min Size 200x100")
                                            .Bottom()
                                            .Layer(1)
                                            .BestSize(wxSize(200, 100))
                                            .MinSize(wxSize(200, 100))
                                            .CloseButton(true)
                                            .MaximizeButton(true));
    m_mgr.AddPane(MakeSizeReportPane(80, 80),
                  wxAuiPaneInfo().Name("test11").Caption("Fixed Pane").Bottom().Layer(1).Position(2).Fixed());
    m_mgr.AddPane(new SettingsPanel(this, this),
                  wxAuiPaneInfo().Name("settings").Caption("Dock Manager Settings").Dockable(false).Float());
    m_notebook = BuildDocumentNotebook();
    StartEngine();
    m_mgr.AddPane(m_notebook, wxAuiPaneInfo().Name("notebook_content").CenterPane().PaneBorder(false));
    m_mgr.AddPane(demoBar, wxAuiPaneInfo()
                               .Name("tb1")
                               .Caption("Big Toolbar")
                               .ToolbarPane()
                               .Top()
                               .LeftDockable(false)
                               .RightDockable(false));
    m_mgr.AddPane(mainBar, wxAuiPaneInfo()
                               .Name("tb2")
                               .Caption("Toolbar 2")
                               .ToolbarPane()
                               .Top()
                               .Row(1)
                               .LeftDockable(false)
                               .RightDockable(false)
                               .Floatable(false));
    m_mgr.AddPane(new wxButton(this, wxID_ANY, _("Test Button")),
                  wxAuiPaneInfo().Name("tb6").ToolbarPane().Top().Row(2).Position(1).LeftDockable(false).RightDockable(
                      false));
}

// The full layout, then the one the user starts with.
void MyFrame::SavePerspectives()
{
    wxString all = m_mgr.SavePerspective();
    wxAuiPaneInfoArray& panes = m_mgr.GetAllPanes();
    for (size_t i = 0; i < panes.GetCount(); ++i)
        if (!panes[i].IsToolbar())
            panes[i].Hide();
    m_mgr.GetPane("tb1").Hide();
    m_mgr.GetPane("tb6").Hide();
    m_mgr.GetPane("notebook_content").Show();
    m_perspectives.Add(m_mgr.SavePerspective());
    m_perspectives.Add(all);
}

wxAuiNotebook* MyFrame::BuildDocumentNotebook()
{
    wxSize client = GetClientSize();
    return new wxAuiNotebook(this, wxID_ANY, wxPoint(client.x, client.y), wxSize(430, 200), m_notebook_style);
}

Puzzle* MyFrame::CurrentPuzzle()
{
    int selection = m_notebook->GetSelection();
    if (selection == wxNOT_FOUND)
        return nullptr;
    auto found = m_pages.find(m_notebook->GetPage(selection));
    return found == m_pages.end() ? nullptr : found->second.get();
}

void MyFrame::AddPuzzlePage(std::unique_ptr<Puzzle> puzzle, const std::string& caption)
{
    size_t index = m_notebook->GetPageCount();
    wxWindow* view = puzzle->ReleaseViewToTab();
    m_notebook->AddPage(view, FromWindows1252(caption), false, ArtImage(wxART_NORMAL_FILE, wxSize(16, 16)));
    m_pages[view] = std::move(puzzle);
    if (m_notebook->GetPageCount() == 1)
        ShowSidePanel();
    m_notebook->SetSelection(index);
}

void MyFrame::SetPageCaption(Puzzle* puzzle, const std::string& caption)
{
    int index = m_notebook->GetPageIndex(puzzle->view);
    if (index != wxNOT_FOUND)
        m_notebook->SetPageText(index, FromWindows1252(caption));
}

// The closing tab's puzzle goes with it; the notebook then deletes the view.
void MyFrame::OnDocumentTabClose(wxAuiNotebookEvent& event)
{
    if (m_notebook->GetPageCount() == 1 && m_sidePanel)
        RemoveSidePanel();
    if (event.GetSelection() != wxNOT_FOUND)
        m_pages.erase(m_notebook->GetPage(event.GetSelection()));
}

template <typename Dialog>
Dialog* MyFrame::NewListDialog(const wxString& title)
{
    auto* dialog = new Dialog(this, WordListDialogId, "", wxDefaultPosition, wxDefaultSize, WordListDialogStyle);
    dialog->SetTitle(title);
    return dialog;
}

void MyFrame::OnNewCrossword(wxCommandEvent&)
{
    auto* dialog = NewListDialog<WordListDlg>("Create crossword puzzle");
    dialog->puzzleType = FreeformPuzzle;
    dialog->ShowModal();
}

void MyFrame::OnNewWordSearch(wxCommandEvent&)
{
    auto* dialog = NewListDialog<WordSearchDlg>("Create word search puzzle");
    dialog->puzzleType = WordSearchPuzzle;
    dialog->ShowModal();
}

void MyFrame::OnNewWordScramble(wxCommandEvent&)
{
    auto* dialog = NewListDialog<WordSearchDlg>("Create word scramble puzzle");
    dialog->puzzleType = ScramblePuzzle;
    dialog->ShowModal();
}

void MyFrame::OnNewBingo(wxCommandEvent&) { NewListDialog<BingoDlg>("Create bingo cards")->ShowModal(); }

void MyFrame::OnFileExit(wxCommandEvent&) { Close(true); }

void MyFrame::OnHelpAbout(wxCommandEvent&)
{
    wxMessageBox(_("Quillory 1.0.4\nCrosswords, word searches, word scrambles and bingo cards for the classroom."),
                 _("About Quillory"), wxOK, this);
}

void MyFrame::OnDocumentation(wxCommandEvent&) { m_help.DisplayContents(); }
