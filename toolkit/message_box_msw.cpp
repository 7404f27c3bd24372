// Message boxes on Windows: the system's message box itself. The toolkit's message dialog takes
// a box that could not be shown (MessageBox or TaskDialogIndirect giving 0, as when no window
// can be made) for a failed internal check.
#include <wx/msw/wrapwin.h>
#include <wx/window.h>

#include "toolkit/message_box.h"

namespace {

UINT BoxStyle(MessageBoxKind kind, HWND owner) {
    const UINT buttons = kind == MessageBoxKind::Error ? MB_OK | MB_ICONERROR
                                                       : MB_YESNO | MB_DEFBUTTON2 | MB_ICONWARNING;
    return buttons | (owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL);
}

}  // namespace

MessageBoxAnswer ShowMessageBox(MessageBoxKind kind, const wxString& text, const wxString& title,
                                wxWindow* parent) {
    const HWND owner = parent != nullptr ? static_cast<HWND>(parent->GetHWND()) : nullptr;
    switch (::MessageBoxW(owner, text.wc_str(), title.wc_str(), BoxStyle(kind, owner))) {
        case IDOK:
            return MessageBoxAnswer::Ok;
        case IDYES:
            return MessageBoxAnswer::Yes;
        case IDNO:
            return MessageBoxAnswer::No;
        default:
            return MessageBoxAnswer::NoAnswer;
    }
}
