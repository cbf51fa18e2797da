#include "support/display_probe.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

DisplayProbe::DisplayProbe() : display_(XOpenDisplay(nullptr)) {}

DisplayProbe::~DisplayProbe()
{
    if (display_)
        XCloseDisplay(display_);
}

bool DisplayProbe::Find(const std::string& title, wxRect& rect)
{
    return FindUnder(DefaultRootWindow(display_), title, rect);
}

// A window manager puts each top-level window into a frame of its own, so
// the window may lie deeper than the root's children.
bool DisplayProbe::FindUnder(unsigned long window, const std::string& title, wxRect& rect)
{
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    XQueryTree(display_, window, &root, &parent, &children, &count);
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i)
        found = (Titled(children[i], title) && Viewable(children[i], rect)) || FindUnder(children[i], title, rect);
    if (children)
        XFree(children);
    return found;
}

int DisplayProbe::PixelsOfLuma(const wxRect& area, int lowest, int highest)
{
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.x, area.y, area.width, area.height,
                              AllPlanes, ZPixmap);
    if (!image)
        return -1;
    int matching = 0;
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) {
            unsigned long pixel = XGetPixel(image, x, y);
            const int luma = int(((pixel >> 16 & 0xFF) * 3 + (pixel >> 8 & 0xFF) * 6 + (pixel & 0xFF)) / 10);
            matching += luma >= lowest && luma <= highest;
        }
    XDestroyImage(image);
    return matching;
}

bool DisplayProbe::Titled(unsigned long window, const std::string& title)
{
    char* name = nullptr;
    bool same = XFetchName(display_, window, &name) && name && title == name;
    if (name)
        XFree(name);
    return same;
}

bool DisplayProbe::Viewable(unsigned long window, wxRect& rect)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    Window child;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &rect.x, &rect.y, &child);
    rect.width = attributes.width;
    rect.height = attributes.height;
    return true;
}
