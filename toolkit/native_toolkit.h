// What each window toolkit needs beyond wxWidgets' common interface for the layout's behaviour
// and look. One implementation per toolkit (native_toolkit_gtk.cpp, native_toolkit_msw.cpp).
#pragma once

#include <functional>

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxChoice;
class wxFrame;
class wxListCtrl;
class wxRadioButton;
class wxStaticBox;
class wxStaticText;
class wxWindow;

// Fits the toolkit's drawing to the window's fixed pixel layout. Call once after the toolkit
// has started and before any window is made.
void FitToolkitStyleToLayout();

// A label whose lines are taller than its box gets the line spacing of the classic controls
// the layout was made for: each line as high as the font's characters, an empty line half
// that. Labels that fit are left as they are.
void FitLabelLinesToBox(wxStaticText& label);

// Every choice the user makes in a drop-down list, as the layout's item-chosen event means it:
// calls on_pick after each item the user chooses in box, also the item already selected, once
// the box shows it. A selection made by the program raises nothing.
void BindEveryPick(wxChoice& box, std::function<void()> on_pick);

// The right click of a report list as the layout's right-click event means it: a click that
// ends with the right button released over the list, as the Windows list reports it (NM_RCLICK
// comes with the release), so that a menu opened then stays open. Calls on_click after each
// right click on list, once its button is up, and after each press of the menu key or Shift+F10
// while the list has the keyboard focus; by_keyboard tells which.
void BindListRightClick(wxListCtrl& list, std::function<void(bool by_keyboard)> on_click);

// An option button (RadioBox) as the layout means it: a click checks the clicked option, and
// every click raises the option's click event, also a click on the option already checked.
// nullptr when the toolkit cannot create it.
wxRadioButton* MakeOptionButton(wxWindow& parent, const wxString& caption, const wxPoint& position,
                                const wxSize& size, long style, const wxString& name);

// Gives the frame the colour it shows, so that pages and hypertext boxes taking its colour
// blend into it. GTK reports the theme's colour already; the Windows toolkit reports the MDI
// workspace colour, which a frame with controls on it does not show.
void FitFrameColour(wxFrame& frame);

// Makes a drop-down list's closed box height pixels high. GTK takes the size it is given; the
// Windows box takes the height of its font and its edges, which at a larger scale of the screen
// is less than the layout's height times the scale: its selection field is made higher or lower
// by the difference.
void FitDropDownHeight(wxChoice& box, int height);

// Centres the caption of a group box's frame. GTK's frame takes the toolkit's centring style;
// the Windows group box needs its own.
void CentreFrameCaption(wxStaticBox& frame);

// Paints a see-through label, lying on the group box whose frame is group_frame (nullptr when
// it lies on no group box): nothing where its parent's drawing shows through (GTK). On Windows
// a group box leaves the controls lying on it to paint themselves, except where its own border
// strips pass: there the label shows the box's background.
void PaintSeeThroughLabel(wxWindow& label, const wxStaticBox* group_frame);
