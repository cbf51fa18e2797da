#pragma once
// How far a print is scaled down so that every column of a page reaches the
// paper and each piece of a page made of sheets (bingo cards) fits one sheet.
// A page that fits as it is prints at full size.

#include <string>

// The printable part of a sheet, in points.
struct SheetArea {
    double width = 0;
    double height = 0;
};

// In CSS pixels, as the page lays out at the narrowest width WebKit prints it.
// A page that is not made of sheet pieces has no tallest piece.
struct PageExtent {
    double width = 0;
    double tallestPiece = 0;
};

// A script that gives the page's extent as [width, tallest piece]; it lays the
// page out at that width and back again before anything is painted.
std::string PageExtentScript(const SheetArea& sheet);

// The print scale, 1 for full size.
double PrintScale(const PageExtent& page, const SheetArea& sheet);
