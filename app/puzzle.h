#pragma once

#include "app/puzzle_content.h"

class wxIEHtmlWin;

// One open puzzle document: its content and the browser view that shows it.
// The view is made as a child of the main frame and adopted by the notebook as a tab.
class Puzzle : public PuzzleContent {
public:
    explicit Puzzle(PuzzleType type);
    // A view that never became a tab (its generation failed) goes with the puzzle.
    ~Puzzle() override;

    wxIEHtmlWin* view;

protected:
    void Show(const std::string& page) override;
};
