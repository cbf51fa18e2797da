#pragma once

#include "platform/help/chm_contents.h"

#include <wx/frame.h>
#include <wx/treectrl.h>

#include <memory>
#include <string>

class ChmFile;
class wxWebView;
class wxWebViewEvent;

// The help window: the contents tree of an open help file beside a web view that shows
// the chosen page, served from the file itself.
class ChmHelpFrame : public wxFrame {
public:
    ChmHelpFrame(wxWindow* parent, std::shared_ptr<const ChmFile> file);

    // False when no web view could be made, so no page can be shown.
    bool CanShowPages() const { return view_ != nullptr; }

    // Shows the window: the first time with the file's default page (or its first entry)
    // chosen, later as the user left it.
    void ShowContents();

    wxTreeCtrl* GetContentsTree() const { return tree_; }
    wxWebView* GetPageView() const { return view_; }

private:
    void ShowStartPage();
    void BuildTree(const std::vector<ChmTopic>& topics);
    void AddTopics(const wxTreeItemId& parent, const std::vector<ChmTopic>& topics);
    wxTreeItemId FindTopic(const wxTreeItemId& start, const std::string& path) const;
    wxString PageUrl(const std::string& local) const;
    void ShowPage(const std::string& local);

    void OnTopicChosen(wxTreeEvent& event);
    void OnPageShown(wxWebViewEvent& event);
    void OnClose(wxCloseEvent& event);

    std::shared_ptr<const ChmFile> file_;
    wxString scheme_;
    wxTreeCtrl* tree_ = nullptr;
    wxWebView* view_ = nullptr;
    bool started_ = false;
    bool followingView_ = false;
};
