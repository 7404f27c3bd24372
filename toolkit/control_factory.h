// Makes the wx control for one row of the control table.
#pragma once

#include <wx/colour.h>
#include <wx/string.h>

#include "toolkit/layout_table.h"

class wxFont;
class wxFrame;
class wxWindow;

// The control a table row describes, inside parent, at its place and size with its initial
// content; nullptr when the toolkit cannot create it. Not for Window, StatusBar and CommonDlg
// rows.
wxWindow* CreateControl(const ControlRow& row, wxWindow& parent, const WindowLayout& layout);

// The main window a Window row describes: fixed frame, centred later by the caller.
wxFrame* CreateFrame(const ControlRow& row);

// The status bar a StatusBar row describes, docked along the bottom edge of frame, without
// parts.
wxWindow* CreateStatusBar(const ControlRow& row, wxFrame& frame);

wxFont MakeFont(FontChoice font);

// The Song (Ming) face the layout's pixel sizes were made for: 12 pixels high at 9 point,
// Chinese characters 12 pixels wide and ASCII characters 6. "SimSun" where it is installed
// (Windows), otherwise AR PL UMing, which has the same metrics.
wxString SongFaceName();

// A colour as the layout writes it, 0xRRGGBB.
wxColour RgbColour(int rgb);
