// What the toolkit itself knows about a control that wx does not report. One implementation per
// toolkit (toolkit_probe_gtk.cpp).
#pragma once

#include <wx/gdicmn.h>

class wxChoice;
class wxMenu;
class wxMenuItem;
class wxWindow;

// The size the control would take to show all of its content (text with its padding, borders
// and indicators), whatever size it has been given.
wxSize NaturalSize(wxWindow& control);
// The height the control would take to show all of its content at width.
int NaturalHeightForWidth(wxWindow& control, int width);

// Whether the text of an item of an open pop-up menu is shown whole: the menu gave its label at
// least the size the text needs.
bool MenuItemTextFits(wxMenuItem& item);

// Whether the pop-up menu is on the screen.
bool MenuIsShown(wxMenu& menu);
// Where the item of an open pop-up menu is on the screen.
wxRect MenuItemScreenRect(wxMenuItem& item);

// Whether a file dialog is on the screen (the toolkit's own dialog, which wx does not list among
// its top-level windows).
bool FileDialogIsShown();
// Gives the file dialog on the screen the keyboard focus, as GiveWindowTheKeyboard does.
void GiveFileDialogTheKeyboard();

// Whether the drop-down list of box is open.
bool DropDownIsOpen(wxChoice& box);

// Turns off what the toolkit redraws by itself (animated state changes, the blinking caret), so
// that a settled window shows the same pixels from one moment to the next.
void StopToolkitAnimations();

// Gives the top-level window the keyboard focus itself (GiveKeyboardTo), as a window manager
// does; without one the keyboard follows the pointer and the window looks inactive whenever the
// pointer is elsewhere.
void GiveWindowTheKeyboard(wxWindow& window);
// Whether the top-level window is drawn in its active look.
bool LooksActive(wxWindow& window);
