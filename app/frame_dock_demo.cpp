// The main frame's docking handlers and the panes that show off the pane manager.
#include "app/frame.h"

#include <wx/msgdlg.h>

#include "app/control_ids.h"
#include "app/size_report_ctrl.h"

namespace {

constexpr long NotebookCloseStyles = wxAUI_NB_CLOSE_BUTTON | wxAUI_NB_CLOSE_ON_ACTIVE_TAB | wxAUI_NB_CLOSE_ON_ALL_TABS;
constexpr unsigned HintStyles = wxAUI_MGR_TRANSPARENT_HINT | wxAUI_MGR_VENETIAN_BLINDS_HINT | wxAUI_MGR_RECTANGLE_HINT;

bool HasAny(long value, long bits)
{
    return (value & bits) != 0;
}

// Whether the docking item with this id is marked; false for an id without a mark.
bool DemoItemMarked(int id, unsigned flags, int gradient, long notebookStyle)
{
    switch (id) {
    case ID_AllowFloating: return HasAny(flags, wxAUI_MGR_ALLOW_FLOATING);
    case ID_TransparentHint: return HasAny(flags, wxAUI_MGR_TRANSPARENT_HINT);
    case ID_VenetianBlindsHint: return HasAny(flags, wxAUI_MGR_VENETIAN_BLINDS_HINT);
    case ID_RectangleHint: return HasAny(flags, wxAUI_MGR_RECTANGLE_HINT);
    case ID_NoHint: return !HasAny(flags, HintStyles);
    case ID_HintFade: return HasAny(flags, wxAUI_MGR_HINT_FADE);
    case ID_NoVenetianFade: return HasAny(flags, wxAUI_MGR_NO_VENETIAN_BLINDS_FADE);
    case ID_TransparentDrag: return HasAny(flags, wxAUI_MGR_TRANSPARENT_DRAG);
    case ID_NoGradient: return gradient == wxAUI_GRADIENT_NONE;
    case ID_VerticalGradient: return gradient == wxAUI_GRADIENT_VERTICAL;
    case ID_HorizontalGradient: return gradient == wxAUI_GRADIENT_HORIZONTAL;
    case ID_NotebookNoCloseButton: return HasAny(notebookStyle, NotebookCloseStyles);
    case ID_NotebookCloseButton: return HasAny(notebookStyle, wxAUI_NB_CLOSE_BUTTON);
    case ID_NotebookCloseButtonAll: return HasAny(notebookStyle, wxAUI_NB_CLOSE_ON_ALL_TABS);
    case ID_NotebookCloseButtonActive: return HasAny(notebookStyle, wxAUI_NB_CLOSE_ON_ACTIVE_TAB);
    case ID_NotebookAllowTabMove: return HasAny(notebookStyle, wxAUI_NB_TAB_MOVE);
    case ID_NotebookAllowTabExternalMove: return HasAny(notebookStyle, wxAUI_NB_TAB_EXTERNAL_MOVE);
    case ID_NotebookAllowTabSplit: return HasAny(notebookStyle, wxAUI_NB_TAB_SPLIT);
    case ID_NotebookWindowList: return HasAny(notebookStyle, wxAUI_NB_WINDOWLIST_BUTTON);
    case ID_NotebookScrollButtons: return HasAny(notebookStyle, wxAUI_NB_SCROLL_BUTTONS);
    case ID_NotebookTabFixedWidth: return HasAny(notebookStyle, wxAUI_NB_TAB_FIXED_WIDTH);
    default: return false;
    }
}

} // namespace

wxWindow* MyFrame::MakeSizeReportPane(int width, int height)
{
    return new wxSizeReportCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(width, height), &m_mgr);
}

wxAuiDockArt* MyFrame::GetArtProvider()
{
    return m_mgr.GetArtProvider();
}

void MyFrame::RefreshLayout()
{
    m_mgr.Update();
}

// The notebook style is the one the frame asked for, not one read back from the notebook.
void MyFrame::OnUpdateDemoItems(wxUpdateUIEvent& event)
{
    const int gradient = GetArtProvider()->GetMetric(wxAUI_DOCKART_GRADIENT_TYPE);
    event.Check(DemoItemMarked(event.GetId(), m_mgr.GetFlags(), gradient, m_notebook_style));
}

// The command range is wider than the list of saved layouts; ids past its end do nothing.
void MyFrame::OnLoadPerspective(wxCommandEvent& event)
{
    const int index = event.GetId() - ID_FirstPerspective;
    if (index < 0 || index >= static_cast<int>(m_perspectives.GetCount()))
        return;
    m_mgr.LoadPerspective(m_perspectives[index], true);
}

void MyFrame::OnPaneCloseRequest(wxAuiManagerEvent& event)
{
    const wxAuiPaneInfo* pane = event.GetPane();
    if (!pane || pane->name != "test10")
        return;
    if (wxMessageBox("Are you sure you want to close/hide this pane?", "wxAUI", wxYES_NO, this) != wxYES)
        event.Veto();
}

void MyFrame::OnNotebookAllowDrag(wxAuiNotebookEvent& event)
{
    event.Allow();
}
