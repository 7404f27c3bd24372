// Option buttons (RadioBox) as the layout means them: a click checks the clicked option, and
// every click raises the option's click event, also a click on the option already checked. One
// implementation per toolkit (option_button_gtk.cpp, option_button_msw.cpp).
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxRadioButton;
class wxWindow;

// nullptr when the toolkit cannot create it.
wxRadioButton* MakeOptionButton(wxWindow& parent, const wxString& caption, const wxPoint& position,
                                const wxSize& size, long style, const wxString& name);
