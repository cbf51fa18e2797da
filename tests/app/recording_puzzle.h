#pragma once

#include <string>
#include <vector>

#include "app/puzzle_content.h"

// A puzzle whose window is a list of the pages it was asked to show.
class RecordingPuzzle : public PuzzleContent {
public:
    using PuzzleContent::PuzzleContent;
    std::vector<std::string> shown;

protected:
    void Show(const std::string& page) override { shown.push_back(page); }
};
