// Printed sheets as pictures: the first sheet of a PDF as pdftoppm draws it,
// and the border of the table drawn on a picture.
#pragma once

#include <wx/image.h>

#include <filesystem>

// Drawn through a PNG file beside the PDF.
wxImage FirstSheetPicture(const std::filesystem::path& pdf, int dotsPerInch);

bool Dark(const wxImage& picture, int x, int y);

// The outermost pixels of a table's border line, and the line's thickness;
// all 0 where nothing dark crosses the picture.
struct DrawnBorder {
    int left = 0, top = 0, right = 0, bottom = 0;
    int thickness = 0;
};

// The longest dark line across the picture is the table's top, the last one
// nearly as long its bottom.
DrawnBorder TableBorder(const wxImage& picture);
