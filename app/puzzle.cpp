#include "app/puzzle.h"

#include "app/control_ids.h"
#include "app/frame.h"
#include "app/text_encoding.h"
#include "browser/IEHtmlWin.h"

Puzzle::Puzzle(PuzzleType type)
    : PuzzleContent(type),
      view(new wxIEHtmlWin(theFrame, ID_PuzzleView, wxPoint(5, 5), wxSize(185, 89), 0, "panel")),
      m_untabbedView(view)
{
}

wxIEHtmlWin* Puzzle::ReleaseViewToTab() { return m_untabbedView.release(); }

void Puzzle::ViewDestroyer::operator()(wxIEHtmlWin* view) const { view->Destroy(); }

void Puzzle::Show(const std::string& page) { view->LoadString(FromWindows1252(page)); }
