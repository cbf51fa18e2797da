// The settings panel's swatches and the size report, in a plain frame with a pane manager
// of its own.
#include <vector>

#include <gtest/gtest.h>
#include <wx/aui/aui.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "app/settings_panel.h"
#include "app/size_report_ctrl.h"

namespace {

struct DrawnText {
    wxString text;
    wxPoint at;
    bool operator==(const DrawnText& other) const { return text == other.text && at == other.at; }
};

void PrintTo(const DrawnText& drawn, std::ostream* out)
{
    *out << drawn.text << " at " << drawn.at.x << "," << drawn.at.y;
}

// Draws on a bitmap and keeps every text with the place it was drawn at.
class TextRecordingDC : public wxDC {
public:
    explicit TextRecordingDC(const wxMemoryDC& canvas) : wxDC(new Recorder(this, canvas, texts)) {}
    std::vector<DrawnText> texts;

private:
    class Recorder : public wxGCDCImpl {
    public:
        Recorder(wxDC* owner, const wxMemoryDC& canvas, std::vector<DrawnText>& texts)
            : wxGCDCImpl(owner, canvas), texts_(texts)
        {
        }
        void DoDrawText(const wxString& text, wxCoord x, wxCoord y) override
        {
            texts_.push_back({text, wxPoint(x, y)});
            wxGCDCImpl::DoDrawText(text, x, y);
        }

    private:
        std::vector<DrawnText>& texts_;
    };
};

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

    // What the report draws, and where the lines belong: each centred on its own width,
    // the block of five centred top to bottom, halves truncated toward zero.
    void ExpectReport(wxSizeReportCtrl* report, const std::vector<wxString>& lines)
    {
        wxBitmap bitmap(400, 200);
        wxMemoryDC canvas(bitmap);
        TextRecordingDC dc(canvas);
        report->DrawReport(dc);
        dc.SetFont(*wxNORMAL_FONT);

        const wxSize client = report->GetClientSize();
        std::vector<DrawnText> expected;
        const int step = dc.GetTextExtent(lines[0]).y + 3;
        for (size_t k = 0; k < lines.size(); ++k) {
            const int x = (client.x - dc.GetTextExtent(lines[k]).x) / 2;
            expected.push_back({lines[k], wxPoint(x, (client.y - 5 * step) / 2 + int(k) * step)});
        }
        EXPECT_EQ(dc.texts, expected);
    }

    wxFrame* frame = nullptr;
    wxAuiManager manager;
};

} // namespace

TEST(ColourSwatch, TheColourSitsInsideAOnePixelBlackFrame)
{
    for (const wxColour& colour : {*wxWHITE, *wxBLACK}) {
        const wxImage swatch = SettingsPanel::MakeColourSwatch(colour).ConvertToImage();
        ASSERT_EQ(swatch.GetSize(), wxSize(25, 14));
        for (int y = 0; y < 14; ++y) {
            for (int x = 0; x < 25; ++x) {
                const bool ring = x == 0 || x == 24 || y == 0 || y == 13;
                const wxColour expected = ring ? *wxBLACK : colour;
                EXPECT_EQ(wxColour(swatch.GetRed(x, y), swatch.GetGreen(x, y), swatch.GetBlue(x, y)), expected)
                    << x << "," << y;
            }
        }
    }
}

TEST_F(SizeReport, FiveLinesCentredInA200By100Area)
{
    auto* report = new wxSizeReportCtrl(frame, wxID_ANY, wxDefaultPosition, wxSize(200, 100), &manager);
    wxAuiPaneInfo pane = wxAuiPaneInfo().Name("report").Bottom().Layer(1).Row(2).Position(3);
    pane.dock_proportion = 4;
    manager.AddPane(report, pane);
    ASSERT_EQ(report->GetClientSize(), wxSize(200, 100));
    ExpectReport(report, {"Size: 200 x 100", "Layer: 1", "Dock: 3 Row: 2", "Position: 3", "Proportion: 4"});
}

// Without a manager only the size line is drawn. A text wider than the control starts
// left of it, half the overhang truncated toward zero: an odd overhang shows it.
TEST_F(SizeReport, TextWiderThanTheControlStartsLeftOfIt)
{
    wxBitmap bitmap(1, 1);
    wxMemoryDC measure(bitmap);
    measure.SetFont(*wxNORMAL_FONT);
    int width = 1;
    for (; width < 200; ++width) {
        const int overhang = width - measure.GetTextExtent(wxString::Format("Size: %d x 100", width)).x;
        if (overhang < 0 && overhang % 2 != 0)
            break;
    }
    ASSERT_LT(width, 200);
    auto* report = new wxSizeReportCtrl(frame, wxID_ANY, wxDefaultPosition, wxSize(width, 100), nullptr);
    ExpectReport(report, {wxString::Format("Size: %d x 100", width)});
}
