#pragma once

#include <memory>

#include "app/puzzle_content.h"

class wxIEHtmlWin;

// One open puzzle document: its content and the browser view that shows it.
// The view is made as a child of the main frame and belongs to the puzzle until
// the notebook adopts it as a tab.
class Puzzle : public PuzzleContent {
public:
    explicit Puzzle(PuzzleType type);

    // Hands the view over to the notebook, which deletes it when its tab goes.
    wxIEHtmlWin* ReleaseViewToTab();

    wxIEHtmlWin* const view;

protected:
    void Show(const std::string& page) override;

private:
    struct ViewDestroyer {
        void operator()(wxIEHtmlWin* view) const;
    };
    // Set while no tab has the view: a view whose generation failed goes with the puzzle.
    std::unique_ptr<wxIEHtmlWin, ViewDestroyer> m_untabbedView;
};
