#include "platform/webbrowser/print_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// WebKit lays a page out for print 1.25 to 2 times as wide as the sheet's
// printable width, a CSS pixel to the point, and shrinks it onto the sheet;
// what lies beyond twice the width is cut off. A smaller print scale widens
// both bounds alike.
constexpr double NarrowestLayout = 1.25;
constexpr double WidestLayout = 2;

// WebKit rounds the widest layout down to a whole pixel and cuts off what lies
// beyond; a page's right edge is drawn on the nearest whole pixel, so a page
// fitted to the unrounded width loses its right border.
double WidestWholeLayout(const SheetArea& sheet)
{
    return std::floor(WidestLayout * sheet.width);
}

// Zoomed out, a border stays a whole pixel wide: a grid of bordered cells (a
// crossword sheet) comes out up to a pixel wider than its zoomed width, so a
// wide page is fitted to a pixel less than the widest layout.
constexpr double BorderRoom = 1;

// A piece shares its sheet with the page's margin and the break after it.
constexpr double BreakRoom = 64;

// A page of sheets holds nothing but tables and the line breaks between them.
constexpr char Script[] = R"((function (width) {
  var root = document.documentElement, body = document.body;
  if (!body) return [0, 0];
  var kept = root.style.width;
  root.style.width = width + 'px';
  var first = body.firstElementChild;
  var holder = body.children.length == 1 && first.tagName == 'CENTER' ? first : body;
  var pieces = Array.prototype.slice.call(holder.children);
  var sheets = pieces.length > 0 && pieces.every(function (e) { return e.tagName == 'TABLE' || e.tagName == 'BR'; });
  var tallest = 0;
  if (sheets)
    pieces.forEach(function (e) { if (e.tagName == 'TABLE') tallest = Math.max(tallest, e.getBoundingClientRect().height); });
  var wide = root.scrollWidth;
  root.style.width = kept;
  return [wide, tallest];
})(%.2f))";

}  // namespace

std::string PageExtentScript(const SheetArea& sheet)
{
    char script[sizeof Script + 32];
    std::snprintf(script, sizeof script, Script, NarrowestLayout * sheet.width);
    return script;
}

double PrintScale(const PageExtent& page, const SheetArea& sheet)
{
    if (sheet.width <= 0 || sheet.height <= 0)
        return 1;
    double scale = 1;
    const double widest = WidestWholeLayout(sheet);
    if (page.width > widest)
        scale = (widest - BorderRoom) / page.width;
    // A sheet holds as much of the page's height, in layout pixels, as its
    // shape allows at the width the page is laid out.
    const double layoutWidth = std::max(page.width, NarrowestLayout * sheet.width);
    const double piece = page.tallestPiece + BreakRoom;
    if (page.tallestPiece > 0 && piece > layoutWidth * sheet.height / sheet.width)
        scale = std::min(scale, NarrowestLayout * sheet.height / piece);
    return scale;
}
