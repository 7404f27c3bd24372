// Makes the wx control for one row of the control table.
#pragma once

#include "ui/window_layout.h"

class wxFont;
class wxFrame;
class wxWindow;

// The control of spec inside parent, at its place and size with its initial content, or nullptr
// when the toolkit cannot create it. Not for Window, StatusBar and CommonDlg rows.
wxWindow* CreateControl(const ControlSpec& spec, wxWindow& parent, const WindowLayout& layout);

// The main window of spec (a Window row): fixed frame, centred later by the caller.
wxFrame* CreateFrame(const ControlSpec& spec);

// The status bar of spec docked along the bottom edge of frame, without parts.
wxWindow* CreateStatusBar(const ControlSpec& spec, wxFrame& frame);

wxFont MakeFont(FontChoice font);
