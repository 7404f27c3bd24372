// Fits the toolkit's drawing to the window's fixed pixel layout: the layout's font face and
// colours, and the platform's adjustments (toolkit_style_gtk.cpp, toolkit_style_msw.cpp).
#pragma once

#include <wx/colour.h>
#include <wx/string.h>

class wxStaticText;

// The Song (Ming) face the layout's pixel sizes were made for: 12 pixels high at 9 point,
// Chinese characters 12 pixels wide and ASCII characters 6. "SimSun" where it is installed
// (Windows), otherwise AR PL UMing, which has the same metrics.
wxString SongFaceName();

// A colour as the layout writes it, 0xRRGGBB.
wxColour RgbColour(int rgb);

// Call once after the toolkit has started and before any window is made.
void FitToolkitStyleToLayout();

// A label whose lines are taller than its box gets the line spacing of the classic controls
// the layout was made for: each line as high as the font's characters, an empty line half
// that. Labels that fit are left as they are.
void FitLabelLinesToBox(wxStaticText& label);
