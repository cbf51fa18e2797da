#include "support/sheet_picture.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

wxImage FirstSheetPicture(const std::filesystem::path& pdf, int dotsPerInch)
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    const std::string picture = pdf.string() + "-sheet";
    const std::string raster = "pdftoppm -png -r " + std::to_string(dotsPerInch) + " -f 1 -l 1 -singlefile '" +
                               pdf.string() + "' '" + picture + "'";
    return std::system(raster.c_str()) == 0 ? wxImage(picture + ".png") : wxImage();
}

bool Dark(const wxImage& picture, int x, int y)
{
    return picture.GetRed(x, y) + picture.GetGreen(x, y) + picture.GetBlue(x, y) < 3 * 160;
}

DrawnBorder TableBorder(const wxImage& picture)
{
    if (!picture.IsOk())
        return {};
    std::vector<std::pair<int, int>> longest(picture.GetHeight());  // length and end of each row's longest dark run
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0, run = 0; x < picture.GetWidth(); ++x)
            if ((run = Dark(picture, x, y) ? run + 1 : 0) > longest[y].first)
                longest[y] = {run, x};
    const int best = std::max_element(longest.begin(), longest.end())->first;
    if (best == 0)
        return {};
    std::vector<int> borderRows;
    for (int y = 0; y < picture.GetHeight(); ++y)
        if (longest[y].first >= best * 95 / 100)
            borderRows.push_back(y);
    int thickness = 1;
    while (thickness < int(borderRows.size()) && borderRows[thickness] == borderRows[0] + thickness)
        ++thickness;
    const int right = longest[borderRows[0]].second;
    return {right - best + 1, borderRows[0], right, borderRows.back(), thickness};
}
