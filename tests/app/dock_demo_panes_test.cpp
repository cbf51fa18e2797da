// The settings panel's swatches and the size report, in a plain frame with a pane manager
// of its own.
#include <cmath>
#include <functional>
#include <vector>

#include <gtest/gtest.h>
#include <wx/aui/aui.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "app/settings_panel.h"
#include "app/size_report_ctrl.h"

namespace {

bool IsDark(const wxImage& image, int x, int y)
{
    return image.GetRed(x, y) < 128 && image.GetGreen(x, y) < 128 && image.GetBlue(x, y) < 128;
}

// Whether a pixel lies on or beside one of the report's grey diagonals across a control of
// this client size, where the grey changes how dark the edges of the letters look.
bool NearDiagonal(int x, int y, wxSize client)
{
    if (x < -1 || x > client.x + 1)
        return false;
    const double length = std::hypot(client.x, client.y);
    const double falling = std::abs(client.y * x - client.x * y) / length;
    const double rising = std::abs(client.y * x + client.x * y - client.x * client.y) / length;
    return falling < 2 || rising < 2;
}

// The text-dark pixels inside area, away from the diagonals of a control at `origin`:
// comparing them shows both where a text was drawn and what it says.
std::vector<wxPoint> Ink(const wxImage& image, const wxRect& area, wxSize client, int origin = 0)
{
    std::vector<wxPoint> ink;
    for (int y = area.GetTop(); y <= area.GetBottom(); ++y)
        for (int x = area.GetLeft(); x <= area.GetRight(); ++x)
            if (IsDark(image, x, y) && !NearDiagonal(x - origin, y, client))
                ink.emplace_back(x, y);
    return ink;
}

// Draws on a white canvas whose origin lies `origin` pixels in, so that drawing left of
// x = 0 stays visible.
wxImage Render(wxSize canvas, int origin, const std::function<void(wxDC&)>& draw)
{
    wxBitmap bitmap(canvas);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dc.SetDeviceOrigin(origin, 0);
        draw(dc);
    }
    return bitmap.ConvertToImage();
}

wxSize MeasureNormalText(const wxString& text)
{
    wxBitmap bitmap(1, 1);
    wxMemoryDC dc(bitmap);
    dc.SetFont(*wxNORMAL_FONT);
    return dc.GetTextExtent(text);
}

// Where the text ink of one line lands when the line is drawn alone at (x, y).
std::vector<wxPoint> ExpectedInk(wxSize canvas, int origin, wxSize client, const wxString& text, int x, int y)
{
    const wxImage alone = Render(canvas, origin, [&](wxDC& dc) {
        dc.SetFont(*wxNORMAL_FONT);
        dc.DrawText(text, x, y);
    });
    const std::vector<wxPoint> ink = Ink(alone, wxRect(canvas), client, origin);
    EXPECT_FALSE(ink.empty()) << "no ink for " << text;
    return ink;
}

class SizeReport : public testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "report");
        manager.SetManagedWindow(frame);
    }

    void TearDown() override
    {
        manager.UnInit();
        frame->Destroy();
    }

    wxSizeReportCtrl* MakeReport(wxSize size, wxAuiManager* reportManager)
    {
        return new wxSizeReportCtrl(frame, wxID_ANY, wxDefaultPosition, size, reportManager);
    }

    wxFrame* frame = nullptr;
    wxAuiManager manager;
};

} // namespace

TEST(ColourSwatch, WhiteSitsInsideAOnePixelBlackFrame)
{
    const wxImage swatch = SettingsPanel::MakeColourSwatch(*wxWHITE).ConvertToImage();
    ASSERT_EQ(swatch.GetSize(), wxSize(25, 14));
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 25; ++x) {
            const bool ring = x == 0 || x == 24 || y == 0 || y == 13;
            const unsigned char expected = ring ? 0 : 255;
            EXPECT_EQ(swatch.GetRed(x, y), expected) << x << "," << y;
            EXPECT_EQ(swatch.GetGreen(x, y), expected) << x << "," << y;
            EXPECT_EQ(swatch.GetBlue(x, y), expected) << x << "," << y;
        }
    }
}

TEST(ColourSwatch, BlackIsBlackThroughout)
{
    const wxImage swatch = SettingsPanel::MakeColourSwatch(*wxBLACK).ConvertToImage();
    ASSERT_EQ(swatch.GetSize(), wxSize(25, 14));
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 25; ++x)
            EXPECT_TRUE(swatch.GetRed(x, y) == 0 && swatch.GetGreen(x, y) == 0 && swatch.GetBlue(x, y) == 0)
                << x << "," << y;
}

TEST(ColourSwatch, KeepsEachChannelInItsPlace)
{
    const wxImage swatch = SettingsPanel::MakeColourSwatch(wxColour(200, 120, 40)).ConvertToImage();
    EXPECT_EQ(swatch.GetRed(12, 7), 200);
    EXPECT_EQ(swatch.GetGreen(12, 7), 120);
    EXPECT_EQ(swatch.GetBlue(12, 7), 40);
}

TEST_F(SizeReport, FiveLinesCentredInA200By100Area)
{
    wxSizeReportCtrl* report = MakeReport(wxSize(200, 100), &manager);
    wxAuiPaneInfo pane = wxAuiPaneInfo().Name("report").Bottom().Layer(1).Row(2).Position(3);
    pane.dock_proportion = 4;
    manager.AddPane(report, pane);
    ASSERT_EQ(report->GetClientSize(), wxSize(200, 100));

    const wxString lines[] = {"Size: 200 x 100", "Layer: 1", "Dock: 3 Row: 2", "Position: 3", "Proportion: 4"};
    const int step = MeasureNormalText(lines[0]).y + 3;
    const int top = (100 - 5 * step) / 2;
    const wxSize canvas(200, 100);
    const wxImage drawn = Render(canvas, 0, [&](wxDC& dc) { report->DrawReport(dc); });

    for (int k = 0; k < 5; ++k) {
        const int x = (200 - MeasureNormalText(lines[k]).x) / 2;
        const int y = top + k * step;
        const wxRect band(0, y, 200, step);
        EXPECT_EQ(Ink(drawn, band, canvas), ExpectedInk(canvas, 0, canvas, lines[k], x, y)) << lines[k];
    }
    EXPECT_TRUE(Ink(drawn, wxRect(0, 0, 200, top), canvas).empty());
    EXPECT_TRUE(Ink(drawn, wxRect(0, top + 5 * step, 200, 100 - top - 5 * step), canvas).empty());
}

TEST_F(SizeReport, WithoutAManagerOnlyTheSizeLineAtItsPlaceInTheBlock)
{
    wxSizeReportCtrl* report = MakeReport(wxSize(200, 100), nullptr);
    const wxString line = "Size: 200 x 100";
    const wxSize text = MeasureNormalText(line);
    const int top = (100 - 5 * (text.y + 3)) / 2;
    const wxSize canvas(200, 100);
    const wxImage drawn = Render(canvas, 0, [&](wxDC& dc) { report->DrawReport(dc); });

    EXPECT_EQ(Ink(drawn, wxRect(canvas), canvas), ExpectedInk(canvas, 0, canvas, line, (200 - text.x) / 2, top));
}

// A text wider than the control starts left of it, half the overhang truncated toward zero.
TEST_F(SizeReport, TextWiderThanTheControlStartsLeftOfIt)
{
    const int height = 100;
    int width = 1;
    for (; width < 200; ++width) {
        const int overhang = width - MeasureNormalText(wxString::Format("Size: %d x %d", width, height)).x;
        if (overhang < 0 && overhang % 2 != 0)
            break;
    }
    ASSERT_LT(width, 200);
    wxSizeReportCtrl* report = MakeReport(wxSize(width, height), nullptr);
    const wxString line = wxString::Format("Size: %d x %d", width, height);
    const wxSize text = MeasureNormalText(line);
    const int origin = 300;
    const wxSize canvas(2 * origin, height);
    const wxImage drawn = Render(canvas, origin, [&](wxDC& dc) { report->DrawReport(dc); });

    const int x = (width - text.x) / 2;
    const int y = (height - 5 * (text.y + 3)) / 2;
    const wxSize client(width, height);
    EXPECT_EQ(Ink(drawn, wxRect(canvas), client, origin), ExpectedInk(canvas, origin, client, line, x, y));
}
