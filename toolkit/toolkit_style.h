// Fits the toolkit's drawing to the window's fixed pixel layout (toolkit_style_gtk.cpp,
// toolkit_style_msw.cpp).
#pragma once

class wxStaticText;

// Call once after the toolkit has started and before any window is made.
void FitToolkitStyleToLayout();

// A label whose lines are taller than its box gets the line spacing of the classic controls
// the layout was made for: each line as high as the font's characters, an empty line half
// that. Labels that fit are left as they are.
void FitLabelLinesToBox(wxStaticText& label);
