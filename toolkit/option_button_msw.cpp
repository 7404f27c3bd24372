// Windows: the button reports every click (BN_CLICKED), but the toolkit raises its option event
// only for an option that was not checked; a click on the checked one raises it here.
#include <wx/msw/wrapwin.h>
#include <wx/radiobut.h>

#include "toolkit/option_button.h"

namespace {

class EveryClickOption : public wxRadioButton {
  public:
    bool MSWCommand(WXUINT param, WXWORD id) override {
        if (param != BN_CLICKED || !GetValue()) {
            return wxRadioButton::MSWCommand(param, id);
        }
        wxCommandEvent event(wxEVT_RADIOBUTTON, GetId());
        event.SetEventObject(this);
        event.SetInt(true);
        ProcessCommand(event);
        return true;
    }
};

}  // namespace

wxRadioButton* MakeOptionButton(wxWindow& parent, const wxString& caption, const wxPoint& position,
                                const wxSize& size, long style, const wxString& name) {
    auto* option = new EveryClickOption;
    if (!option->Create(&parent, wxID_ANY, caption, position, size, style, wxDefaultValidator,
                        name)) {
        delete option;
        return nullptr;
    }
    return option;
}
