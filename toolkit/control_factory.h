// Makes the wx control for one row of the control table.
#pragma once

#include <wx/colour.h>

#include "toolkit/layout_table.h"

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

// A colour as the layout writes it, 0xRRGGBB.
wxColour RgbColour(int rgb);
