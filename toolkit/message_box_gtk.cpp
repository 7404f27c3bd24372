// Message boxes through the toolkit's message dialog (GTK).
#include "toolkit/message_box.h"

#include <wx/msgdlg.h>

namespace {

long DialogStyle(MessageBoxKind kind) {
    return kind == MessageBoxKind::Error ? wxOK | wxICON_ERROR
                                         : wxYES_NO | wxNO_DEFAULT | wxICON_WARNING;
}

}  // namespace

MessageBoxAnswer ShowMessageBox(MessageBoxKind kind, const wxString& text, const wxString& title,
                                wxWindow* parent) {
    wxMessageDialog dialog(parent, text, title, DialogStyle(kind));
    switch (dialog.ShowModal()) {
        case wxID_OK:
            return MessageBoxAnswer::Ok;
        case wxID_YES:
            return MessageBoxAnswer::Yes;
        case wxID_NO:
            return MessageBoxAnswer::No;
        default:
            return MessageBoxAnswer::NoAnswer;
    }
}
