// Edit box texts on Windows: a multi-line box is read and written as the native control's raw
// text, so that CR LF and a lone LF stay as they are.
#include <wx/msw/wrapwin.h>

#include "toolkit/gbk_text.h"

Text EditBoxText(const wxTextCtrl& box) {
    if (!box.IsMultiLine()) {
        return WxToGbk(box.GetValue());
    }
    const HWND control = static_cast<HWND>(box.GetHWND());
    const int length = ::GetWindowTextLengthW(control);
    if (length <= 0) {
        return {};
    }
    std::wstring raw(static_cast<std::size_t>(length) + 1, L'\0');
    raw.resize(static_cast<std::size_t>(::GetWindowTextW(control, raw.data(), length + 1)));
    return WxToGbk(wxString(raw));
}

void SetEditBoxText(wxTextCtrl& box, std::string_view text) {
    if (!box.IsMultiLine()) {
        box.SetValue(GbkToWx(text));
        return;
    }
    ::SetWindowTextW(static_cast<HWND>(box.GetHWND()), GbkToWx(text).wc_str());
}
