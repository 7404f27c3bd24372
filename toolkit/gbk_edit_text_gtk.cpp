// Edit box texts where the toolkit's value is the control's text, line ends included (GTK).
#include "toolkit/gbk_text.h"

Text EditBoxText(const wxTextCtrl& box) {
    return WxToGbk(box.GetValue());
}

void SetEditBoxText(wxTextCtrl& box, std::string_view text) {
    box.SetValue(GbkToWx(text));
}
