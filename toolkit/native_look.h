// What the window system needs beyond the toolkit's own drawing for the layout's look: the
// window's colour, a group box's centred caption, and a see-through label lying on a group box.
#pragma once

class wxChoice;
class wxFrame;
class wxStaticBox;
class wxWindow;

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

// Paints a see-through label: nothing where its parent's drawing shows through (GTK). On
// Windows a group box leaves the controls lying on it to paint themselves, except where its
// own border strips pass: there the label shows the box's background.
void PaintSeeThroughLabel(wxWindow& label);
