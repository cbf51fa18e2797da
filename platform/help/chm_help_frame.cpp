#include "platform/help/chm_help_frame.h"

#include "platform/com/code_page.h"
#include "platform/help/chm_file.h"
#include "platform/help/chm_scheme_handler.h"
#include "platform/help/chm_url.h"

#include <wx/splitter.h>
#include <wx/webview.h>

namespace {

const int TreeWidth = 230;

// WebKitGTK binds a URL scheme once per process, to the view that registered it first,
// and keeps it after that view is gone; so every help view gets a scheme of its own.
wxString NextSchemeName()
{
    static int views = 0;
    return ++views == 1 ? wxString("chm") : wxString::Format("chm%d", views);
}

// Help files are written in the Windows code page, as the program's other 8-bit text.
wxString FromHelpText(const std::string& text)
{
    return wxString(WideFromWindows1252(text));
}

class TopicData : public wxTreeItemData {
public:
    explicit TopicData(const std::string& local) : local(local) {}
    std::string local;
};

std::string TopicOf(const wxTreeCtrl* tree, const wxTreeItemId& item)
{
    auto* data = item.IsOk() ? static_cast<TopicData*>(tree->GetItemData(item)) : nullptr;
    return data ? data->local : std::string();
}

std::string ContentsText(const ChmFile& file)
{
    std::string text;
    if (!file.ContentsFile().empty())
        file.Read(file.ContentsFile(), text);
    return text;
}

} // namespace

ChmHelpFrame::ChmHelpFrame(wxWindow* parent, std::shared_ptr<const ChmFile> file)
    : wxFrame(parent, wxID_ANY, file->Title().empty() ? wxString("Help") : FromHelpText(file->Title()),
              wxDefaultPosition, wxSize(820, 600)),
      file_(std::move(file)), scheme_(NextSchemeName())
{
    auto* splitter = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                          wxSP_LIVE_UPDATE | wxSP_3D);
    tree_ = new wxTreeCtrl(splitter, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                           wxTR_HAS_BUTTONS | wxTR_HIDE_ROOT | wxTR_LINES_AT_ROOT | wxTR_SINGLE);
    view_ = wxWebView::New(splitter, wxID_ANY);
    if (view_) {
        view_->RegisterHandler(wxSharedPtr<wxWebViewHandler>(new ChmSchemeHandler(scheme_, file_)));
        splitter->SplitVertically(tree_, view_, TreeWidth);
    } else
        splitter->Initialize(tree_);
    splitter->SetMinimumPaneSize(80);
    BuildTree(ParseSitemap(ContentsText(*file_)));

    tree_->Bind(wxEVT_TREE_SEL_CHANGED, &ChmHelpFrame::OnTopicChosen, this);
    if (view_)
        view_->Bind(wxEVT_WEBVIEW_NAVIGATED, &ChmHelpFrame::OnPageShown, this);
    Bind(wxEVT_CLOSE_WINDOW, &ChmHelpFrame::OnClose, this);
}

void ChmHelpFrame::ShowContents()
{
    Show();
    Raise();
    if (!started_)
        ShowStartPage();
    started_ = true;
}

void ChmHelpFrame::ShowStartPage()
{
    wxTreeItemId root = tree_->GetRootItem();
    wxTreeItemId start = FindTopic(root, ChmPathFromUrl(PageUrl(file_->DefaultTopic())));
    if (!start.IsOk()) {
        wxTreeItemIdValue cookie;
        start = tree_->GetFirstChild(root, cookie);
    }
    if (start.IsOk())
        tree_->SelectItem(start);
    else
        ShowPage(file_->DefaultTopic());
}

void ChmHelpFrame::BuildTree(const std::vector<ChmTopic>& topics)
{
    AddTopics(tree_->AddRoot(wxString()), topics);
    tree_->ExpandAll();
}

void ChmHelpFrame::AddTopics(const wxTreeItemId& parent, const std::vector<ChmTopic>& topics)
{
    for (const ChmTopic& topic : topics) {
        wxTreeItemId item = tree_->AppendItem(parent, FromHelpText(topic.name), -1, -1, new TopicData(topic.local));
        AddTopics(item, topic.children);
    }
}

// The first entry, in tree order, whose page is the object at path.
wxTreeItemId ChmHelpFrame::FindTopic(const wxTreeItemId& start, const std::string& path) const
{
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = tree_->GetFirstChild(start, cookie); item.IsOk();
         item = tree_->GetNextChild(start, cookie)) {
        std::string local = TopicOf(tree_, item);
        if (!local.empty() && ChmPathFromUrl(PageUrl(local)) == path)
            return item;
        wxTreeItemId below = FindTopic(item, path);
        if (below.IsOk())
            return below;
    }
    return wxTreeItemId();
}

wxString ChmHelpFrame::PageUrl(const std::string& local) const
{
    return ChmUrl(scheme_, local);
}

void ChmHelpFrame::ShowPage(const std::string& local)
{
    if (view_ && !local.empty())
        view_->LoadURL(PageUrl(local));
}

void ChmHelpFrame::OnTopicChosen(wxTreeEvent& event)
{
    if (!followingView_)
        ShowPage(TopicOf(tree_, event.GetItem()));
}

// A link followed inside a page moves the tree's selection along, without loading again.
void ChmHelpFrame::OnPageShown(wxWebViewEvent& event)
{
    wxTreeItemId item = FindTopic(tree_->GetRootItem(), ChmPathFromUrl(event.GetURL()));
    if (!item.IsOk() || item == tree_->GetSelection())
        return;
    followingView_ = true;
    tree_->SelectItem(item);
    followingView_ = false;
}

// Closing only hides the window, so that the next request shows it as it was left.
void ChmHelpFrame::OnClose(wxCloseEvent& event)
{
    if (!event.CanVeto()) {
        event.Skip();
        return;
    }
    event.Veto();
    Hide();
}
