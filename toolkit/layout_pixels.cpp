#include "toolkit/layout_pixels.h"

#include <wx/window.h>

int WindowPixels(const wxWindow& window, int layout) {
    return layout == wxDefaultCoord ? layout : window.FromDIP(layout);
}

wxPoint WindowPixels(const wxWindow& window, const wxPoint& layout) {
    return {WindowPixels(window, layout.x), WindowPixels(window, layout.y)};
}

wxSize WindowPixels(const wxWindow& window, const wxSize& layout) {
    return {WindowPixels(window, layout.x), WindowPixels(window, layout.y)};
}

wxRect LayoutPixels(const wxWindow& window, const wxRect& pixels) {
    return {window.ToDIP(pixels.GetPosition()), window.ToDIP(pixels.GetSize())};
}
