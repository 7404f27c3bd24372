#include "ui/control_factory.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/generic/statbmpg.h>
#include <wx/html/htmlwin.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/simplebook.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include "ui/gbk_text.h"
#include "ui/hypertext_box.h"
#include "ui/picture_box.h"

namespace {

// A control that fails to create is deleted here, so the caller sees only nullptr.
template <class T, class... Arguments>
T* Made(Arguments&&... arguments) {
    auto* control = new T;
    if (!control->Create(std::forward<Arguments>(arguments)...)) {
        delete control;
        return nullptr;
    }
    return control;
}

wxPoint Position(const ControlSpec& spec) {
    return {spec.left, spec.top};
}
wxSize Size(const ControlSpec& spec) {
    return {spec.width, spec.height};
}
wxString Name(const ControlSpec& spec) {
    return GbkToWx(spec.name);
}

wxBitmap Picture(const ControlSpec& spec) {
    return DecodePicture(spec.picture.data(), spec.picture.size());
}

wxWindow* MakePage(const ControlSpec& spec, wxWindow& parent) {
    auto* book = dynamic_cast<wxSimplebook*>(&parent);
    if (book == nullptr) {
        return nullptr;
    }
    auto* page = Made<wxPanel>(book, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL,
                               Name(spec));
    if (page != nullptr) {
        // Painted, not see-through: a page placed over other controls hides them.
        page->SetBackgroundColour(wxGetTopLevelParent(book)->GetBackgroundColour());
        book->AddPage(page, wxString());
    }
    return page;
}

wxWindow* MakeHypertext(const ControlSpec& spec, wxWindow& parent) {
    auto* box = Made<wxHtmlWindow>(&parent, wxID_ANY, Position(spec), Size(spec),
                                   wxHW_SCROLLBAR_NEVER | wxBORDER_NONE, Name(spec));
    if (box != nullptr) {
        ShowHypertext(*box, spec.text);
    }
    return box;
}

// Option buttons of one parent form one group. Its first member stays hidden and takes the
// check mark back after every click, so that a click on any option, even the one clicked
// last, is a click again (a checked option raises no event of its own).
wxWindow* MakeOption(const ControlSpec& spec, wxWindow& parent) {
    const bool first_of_group = std::none_of(
        parent.GetChildren().begin(), parent.GetChildren().end(),
        [](const wxWindow* sibling) { return dynamic_cast<const wxRadioButton*>(sibling); });
    if (first_of_group) {
        auto* keeper = Made<wxRadioButton>(&parent, wxID_ANY, wxString(), wxPoint(0, 0),
                                           wxSize(0, 0), wxRB_GROUP);
        if (keeper == nullptr) {
            return nullptr;
        }
        keeper->Hide();
        keeper->SetValue(true);
    }
    return Made<wxRadioButton>(&parent, wxID_ANY, GbkToWx(spec.text), Position(spec), Size(spec), 0,
                               wxDefaultValidator, Name(spec));
}

wxWindow* MakeTransparentLabel(const ControlSpec& spec, wxWindow& parent) {
    auto* label = new wxWindow;
    label->SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!label->Create(&parent, wxID_ANY, Position(spec), Size(spec),
                       wxTRANSPARENT_WINDOW | wxBORDER_NONE, Name(spec))) {
        delete label;
        return nullptr;
    }
    // Paints nothing: the caption below stays visible.
    label->Bind(wxEVT_PAINT, [label](wxPaintEvent&) { const wxPaintDC validated(label); });
    return label;
}

wxWindow* MakeList(const ControlSpec& spec, wxWindow& parent, const WindowLayout& layout) {
    auto* list = Made<wxListCtrl>(&parent, wxID_ANY, Position(spec), Size(spec), wxLC_REPORT,
                                  wxDefaultValidator, Name(spec));
    if (list == nullptr) {
        return nullptr;
    }
    for (const ColumnSpec& column : layout.columns) {
        if (column.list == spec.name) {
            list->AppendColumn(
                GbkToWx(column.caption),
                column.align == ColumnAlign::Centre ? wxLIST_FORMAT_CENTRE : wxLIST_FORMAT_LEFT,
                column.width);
        }
    }
    return list;
}

wxWindow* MakeComboBox(const ControlSpec& spec, wxWindow& parent, const WindowLayout& layout) {
    auto* box = Made<wxChoice>(&parent, wxID_ANY, Position(spec), Size(spec), wxArrayString(), 0,
                               wxDefaultValidator, Name(spec));
    if (box == nullptr) {
        return nullptr;
    }
    for (const ItemSpec& item : layout.items) {
        if (item.control == spec.name) {
            box->Append(GbkToWx(item.text));
        }
    }
    // Kept, never shown: a drop-down list shows only its selected item.
    box->SetLabel(GbkToWx(spec.text));
    return box;
}

wxWindow* MakeEditBox(const ControlSpec& spec, wxWindow& parent) {
    const long style =
        (spec.style & kMultiLine) != 0 ? wxTE_MULTILINE | wxTE_NO_VSCROLL | wxTE_BESTWRAP : 0;
    return Made<wxTextCtrl>(&parent, wxID_ANY, GbkToWx(spec.text), Position(spec), Size(spec),
                            style, wxDefaultValidator, Name(spec));
}

wxWindow* MakeGroupBox(const ControlSpec& spec, wxWindow& parent) {
    const long style = (spec.style & kCentredCaption) != 0 ? wxALIGN_CENTRE_HORIZONTAL : 0;
    return Made<wxStaticBox>(&parent, wxID_ANY, GbkToWx(spec.text), Position(spec), Size(spec),
                             style, Name(spec));
}

wxWindow* MakePicture(const ControlSpec& spec, wxWindow& parent) {
    auto* box = Made<wxGenericStaticBitmap>(&parent, wxID_ANY, Picture(spec), Position(spec),
                                            Size(spec), 0, Name(spec));
    if (box != nullptr) {
        box->SetSize(Size(spec));
    }
    return box;
}

}  // namespace

wxWindow* CreateControl(const ControlSpec& spec, wxWindow& parent, const WindowLayout& layout) {
    switch (spec.kind) {
        case ControlKind::PageControl:
            return Made<wxSimplebook>(&parent, wxID_ANY, Position(spec), Size(spec), 0, Name(spec));
        case ControlKind::Page:
            return MakePage(spec, parent);
        case ControlKind::Label:
            return Made<wxStaticText>(&parent, wxID_ANY, GbkToWx(spec.text), Position(spec),
                                      Size(spec), wxST_NO_AUTORESIZE, Name(spec));
        case ControlKind::PicBox:
            return MakePicture(spec, parent);
        case ControlKind::Button:
            return Made<wxButton>(&parent, wxID_ANY, GbkToWx(spec.text), Position(spec), Size(spec),
                                  0, wxDefaultValidator, Name(spec));
        case ControlKind::SimpleHtml:
            return MakeHypertext(spec, parent);
        case ControlKind::GroupBox:
            return MakeGroupBox(spec, parent);
        case ControlKind::ComboBox:
            return MakeComboBox(spec, parent, layout);
        case ControlKind::EditBox:
            return MakeEditBox(spec, parent);
        case ControlKind::RadioBox:
            return MakeOption(spec, parent);
        case ControlKind::TransLabel:
            return MakeTransparentLabel(spec, parent);
        case ControlKind::ListView:
            return MakeList(spec, parent, layout);
        case ControlKind::Window:
        case ControlKind::StatusBar:
        case ControlKind::CommonDlg:
            break;
    }
    return nullptr;
}

wxFrame* CreateFrame(const ControlSpec& spec) {
    auto* frame =
        Made<wxFrame>(nullptr, wxID_ANY, GbkToWx(spec.text), Position(spec), Size(spec),
                      wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX, Name(spec));
    if (frame != nullptr) {
        const wxBitmap icon = Picture(spec);
        if (icon.IsOk()) {
            wxIcon frame_icon;
            frame_icon.CopyFromBitmap(icon);
            frame->SetIcon(frame_icon);
        }
    }
    return frame;
}

wxWindow* CreateStatusBar(const ControlSpec& spec, wxFrame& frame) {
    // Without the tooltip style: the bar's tooltip follows the part under the pointer.
    auto* bar = Made<wxStatusBar>(&frame, wxID_ANY, wxSTB_ELLIPSIZE_END | wxFULL_REPAINT_ON_RESIZE,
                                  Name(spec));
    if (bar == nullptr) {
        return nullptr;
    }
    frame.SetStatusBar(bar);
    bar->SetMinHeight(spec.height);
    bar->SetMinSize(wxSize(-1, spec.height));
    bar->SetSize(wxSize(frame.GetClientSize().x, spec.height));
    frame.SendSizeEvent();
    return bar;
}

wxFont MakeFont(FontChoice font) {
    // Character heights in pixels at 96 dots per inch, as points: 12 pixels are 9 points.
    constexpr double kPointsPerPixel = 72.0 / 96.0;
    switch (font) {
        case FontChoice::SimSunHeight12:
            return wxFont(wxFontInfo(12 * kPointsPerPixel)
                              .FaceName(GbkToWx("SimSun"))
                              .Encoding(wxFONTENCODING_CP936));
        case FontChoice::Gb2312Height21:
            return wxFont(wxFontInfo(21 * kPointsPerPixel).Encoding(wxFONTENCODING_CP936));
        case FontChoice::Default:
            break;
    }
    return wxNullFont;
}
