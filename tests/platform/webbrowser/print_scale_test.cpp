#include "platform/webbrowser/print_scale.h"

#include <gtest/gtest.h>

namespace {

struct WidthCase {
    const char* name;
    double sheetWidth;  // printable, in points
    double pageWidth;   // in CSS pixels
    double printed;     // the page's width once scaled
};

// WebKit lays a print out at most twice the sheet's width, rounded down to
// whole pixels; a page wider than that is scaled to a pixel less, which a
// border kept a whole pixel wide may take.
TEST(PrintScaleTest, APageWiderThanTheWidestLayoutIsFittedWithinItsWholePixels)
{
    const WidthCase cases[] = {
        {"A4 at the widest layout", 559.2756, 1118, 1118},
        {"A4 a pixel wider", 559.2756, 1119, 1117},
        {"a 60-column grid on A4", 559.2756, 1808, 1117},
        {"Letter, whole to the pixel", 576, 1808, 1151},
        {"a sheet just short of a whole pixel", 559.49, 1808, 1117},
    };
    for (const WidthCase& c : cases) {
        SCOPED_TRACE(c.name);
        const double scale = PrintScale({c.pageWidth, 0}, {c.sheetWidth, 800});
        EXPECT_NEAR(scale * c.pageWidth, c.printed, 1e-9);
    }
}

}  // namespace
