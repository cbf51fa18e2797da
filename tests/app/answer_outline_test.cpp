// The answer outlines of a word search, found as red pixels on the page as the
// program's own web view paints it and on the sheet it prints.
#include <gtest/gtest.h>
#include <webkit2/webkit2.h>
#include <wx/image.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/edit_crossword_panel.h"
#include "app/frame.h"
#include "app/puzzle.h"
#include "browser/IEHtmlWin.h"
#include "dialog_script.h"
#include "engine/alphabet.h"
#include "engine/placement.h"
#include "support/private_cupsd.h"
#include "support/sheet_picture.h"

namespace {

constexpr int Columns = 25, Rows = 15, ShowSolutionsBox = 1006;

// One word in each direction, three of them against the grid's right or bottom edge.
const std::vector<Placement> Words = {{0, 0, 4, 0}, {24, 2, 20, 2},   {0, 3, 0, 7},   {24, 14, 24, 10},
                                      {3, 4, 7, 8}, {10, 14, 14, 10}, {20, 4, 16, 8}, {14, 8, 10, 4}};

bool Red(const wxImage& image, int x, int y)
{
    return image.GetRed(x, y) > 180 && image.GetGreen(x, y) < 110 && image.GetBlue(x, y) < 110;
}

struct CellArea {
    double left, top, cellWidth, cellHeight;
};

// The cells lie inside the table's border.
CellArea BorderedCells(const wxImage& image)
{
    const DrawnBorder border = TableBorder(image);
    const int inside = border.thickness;
    return {double(border.left + inside), double(border.top + inside),
            double(border.right - border.left + 1 - 2 * inside) / Columns,
            double(border.bottom - border.top + 1 - 2 * inside) / Rows};
}

// Red pixels off every placed word's cells, and words with too little red for
// their outline; empty when every outline sits on its word.
std::string MisplacedOutlines(const wxImage& image)
{
    if (!image.IsOk())
        return "no picture";
    const CellArea cells = BorderedCells(image);
    if (cells.cellWidth < 10)
        return "no letter table";
    // Line ends and smoothing reach a pixel or two past the corner points.
    const double slackX = 3 / cells.cellWidth, slackY = 3 / cells.cellHeight;
    std::vector<int> red(Words.size());
    int stray = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (!Red(image, x, y))
                continue;
            const double cx = (x + 0.5 - cells.left) / cells.cellWidth, cy = (y + 0.5 - cells.top) / cells.cellHeight;
            bool onAWord = false;
            for (std::size_t i = 0; i < Words.size(); ++i) {
                const Placement& w = Words[i];
                if (cx > std::min(w.x1, w.x2) - slackX && cx < std::max(w.x1, w.x2) + 1 + slackX &&
                    cy > std::min(w.y1, w.y2) - slackY && cy < std::max(w.y1, w.y2) + 1 + slackY) {
                    ++red[i];
                    onAWord = true;
                }
            }
            stray += !onAWord;
        }
    std::ostringstream faults;
    if (stray > 0)
        faults << stray << " red pixels off the words. ";
    for (std::size_t i = 0; i < Words.size(); ++i) {
        const int cellsLong = std::max(std::abs(Words[i].x2 - Words[i].x1), std::abs(Words[i].y2 - Words[i].y1));
        if (red[i] < (30 * cellsLong + 40) * cells.cellWidth / 30)
            faults << "word " << i << " has " << red[i] << " red pixels. ";
    }
    return faults.str();
}

Puzzle* OutlinedWordSearch()
{
    ResetAlphabet();
    auto owned = std::make_unique<Puzzle>(WordSearchPuzzle);
    Puzzle* puzzle = owned.get();
    puzzle->grid = Grid(Columns, Rows);
    for (int y = 0; y < Rows; ++y)
        for (int x = 0; x < Columns; ++x)
            puzzle->grid.CellAt(x, y).SetSymbol(Alphabet::SymbolOf(char('a' + (x + y) % 26)));
    for (const Placement& w : Words)
        puzzle->AddPlacement(w.x1, w.y1, w.x2, w.y2);
    puzzle->Render("Answers");
    TestFrame().AddPuzzlePage(std::move(owned), "Unnamed file");
    Tick(TestFrame().m_sidePanel, ShowSolutionsBox, true);
    WebKitWebView* web = WebViewIn(puzzle->view);
    PumpUntil([&] { return RunScript(web, "document.getElementsByTagName('svg').length") == "1"; }, 30000);
    return puzzle;
}

// The whole page as the web view paints it, through a file of the folder.
wxImage Snapshot(WebKitWebView* web, const std::string& file)
{
    cairo_surface_t* surface = nullptr;
    auto finish = [](GObject* view, GAsyncResult* result, gpointer data) {
        *static_cast<cairo_surface_t**>(data) = webkit_web_view_get_snapshot_finish(WEBKIT_WEB_VIEW(view), result, nullptr);
    };
    webkit_web_view_get_snapshot(web, WEBKIT_SNAPSHOT_REGION_FULL_DOCUMENT, WEBKIT_SNAPSHOT_OPTIONS_NONE, nullptr, finish,
                                 &surface);
    if (!PumpUntil([&] { return surface != nullptr; }, 30000))
        return wxImage();
    cairo_surface_write_to_png(surface, file.c_str());
    cairo_surface_destroy(surface);
    return wxImage(file);
}

class AnswerOutlineTest : public testing::Test {
protected:
    void SetUp() override
    {
        wxImage::AddHandler(new wxPNGHandler);
        CloseAllTabs();
    }
    void TearDown() override
    {
        CloseAllTabs();
        std::filesystem::remove_all(folder);
    }

    const std::string folder = mkdtemp(std::string("/tmp/quillory-outline-XXXXXX").data());
};

TEST_F(AnswerOutlineTest, OnScreenTheOutlinesSitOnTheWordsAtAnyWindowWidth)
{
    WebKitWebView* web = WebViewIn(OutlinedWordSearch()->view);
    for (int width : {1200, 850}) {
        SCOPED_TRACE(width);
        TestFrame().SetSize(width, 700);
        PumpUntil([] { return false; }, 500);
        EXPECT_EQ(MisplacedOutlines(Snapshot(web, folder + "/page.png")), "");
    }
}

TEST_F(AnswerOutlineTest, OnPaperTheOutlinesSitOnTheWords)
{
    PrivateCupsd cupsd;
    cupsd.AddPrinter("classroom");
    cupsd.SetServerDefault("classroom");
    TestFrame().SetSize(1200, 700);
    OutlinedWordSearch()->view->Print(" ", " ");
    ASSERT_TRUE(PumpUntil([&] { return cupsd.CompletedJobs("classroom") == 1; }, 60000));
    EXPECT_EQ(MisplacedOutlines(FirstSheetPicture(cupsd.OutputPath("classroom"), 96)), "");
}

}  // namespace
