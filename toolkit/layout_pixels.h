// The layout's pixels are those of the window at 96 dots per inch. Where the toolkit counts in
// the screen's own pixels (Windows, aware of each monitor's scale) a window at another scale
// needs more of them; these conversions are the one place where the toolkit turns the layout's
// pixels into the window's and back, so that the code above it keeps the layout's numbers. On
// GTK the toolkit's pixels are the layout's already (it scales the whole window itself) and
// they change nothing.
#pragma once

#include <wx/gdicmn.h>

class wxWindow;

// The layout's pixels in the pixels of window, which gives the scale (its monitor's). A value of
// -1 ("as it is") stays -1.
int WindowPixels(const wxWindow& window, int layout);
wxPoint WindowPixels(const wxWindow& window, const wxPoint& layout);
wxSize WindowPixels(const wxWindow& window, const wxSize& layout);

// The pixels of window in the layout's.
wxRect LayoutPixels(const wxWindow& window, const wxRect& pixels);
