// GTK: the button's "clicked" signal, which the toolkit's option event follows, comes with every
// click, also on the checked option.
#include <wx/radiobut.h>

#include "toolkit/option_button.h"

wxRadioButton* MakeOptionButton(wxWindow& parent, const wxString& caption, const wxPoint& position,
                                const wxSize& size, long style, const wxString& name) {
    auto* option = new wxRadioButton;
    if (!option->Create(&parent, wxID_ANY, caption, position, size, style, wxDefaultValidator,
                        name)) {
        delete option;
        return nullptr;
    }
    return option;
}
