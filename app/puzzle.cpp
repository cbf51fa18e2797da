#include "app/puzzle.h"

#include "app/control_ids.h"
#include "app/frame.h"
#include "app/text_encoding.h"
#include "browser/IEHtmlWin.h"

Puzzle::Puzzle(PuzzleType type)
    : PuzzleContent(type), view(new wxIEHtmlWin(theFrame, ID_PuzzleView, wxPoint(5, 5), wxSize(185, 89), 0, "panel"))
{
}

Puzzle::~Puzzle()
{
    if (view->GetParent() == theFrame)
        view->Destroy();
}

void Puzzle::Show(const std::string& page) { view->LoadString(FromWindows1252(page)); }
