// A second connection to the display, to find a program's windows and see
// what they show, as a person looking at the screen would.
#pragma once

#include <string>

#include <wx/gdicmn.h>

typedef struct _XDisplay Display;

class DisplayProbe {
public:
    DisplayProbe();
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

    bool Open() const { return display_ != nullptr; }

    // The window with the title, if it is viewable: mapped, and every window
    // it lies in mapped too, as `xdotool search --onlyvisible` finds it.
    bool Find(const std::string& title, wxRect& rect);

    // Pixels of the area darker than mid grey: the ink of text and lines.
    int DarkPixels(const wxRect& area) { return PixelsOfLuma(area, 0, 99); }
    // Pixels of the area as light as a window's background.
    int LightPixels(const wxRect& area) { return PixelsOfLuma(area, 201, 255); }

private:
    // Pixels whose luma (0 to 255) lies from `lowest` to `highest`.
    int PixelsOfLuma(const wxRect& area, int lowest, int highest);
    bool FindUnder(unsigned long window, const std::string& title, wxRect& rect);
    bool Titled(unsigned long window, const std::string& title);
    bool Viewable(unsigned long window, wxRect& rect);

    Display* display_;
};
