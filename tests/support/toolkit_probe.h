// What the toolkit itself knows about a control that wx does not report. One implementation per
// toolkit (toolkit_probe_gtk.cpp).
#pragma once

#include <wx/gdicmn.h>

class wxChoice;
class wxWindow;

// The size the control would take to show all of its content (text with its padding, borders
// and indicators), whatever size it has been given.
wxSize NaturalSize(wxWindow& control);
// The height the control would take to show all of its content at width.
int NaturalHeightForWidth(wxWindow& control, int width);

// Whether the drop-down list of box is open.
bool DropDownIsOpen(wxChoice& box);

// Turns off what the toolkit redraws by itself (animated state changes, the blinking caret), so
// that a settled window shows the same pixels from one moment to the next.
void StopToolkitAnimations();
