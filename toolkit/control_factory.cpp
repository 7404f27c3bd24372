#include "toolkit/control_factory.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/generic/statbmpg.h>
#include <wx/html/htmlwin.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/simplebook.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include "toolkit/gbk_text.h"
#include "toolkit/group_box.h"
#include "toolkit/hypertext_box.h"
#include "toolkit/layout_pixels.h"
#include "toolkit/native_toolkit.h"
#include "toolkit/picture_box.h"

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

// The row's place and size in the pixels of the window the control goes into.
wxPoint Position(const ControlRow& row, const wxWindow& parent) {
    return WindowPixels(parent, wxPoint(row.left, row.top));
}
wxSize Size(const ControlRow& row, const wxWindow& parent) {
    return WindowPixels(parent, wxSize(row.width, row.height));
}
wxString Name(const ControlRow& row) {
    return GbkToWx(row.name);
}

// The window icon in every size of the row, which the system picks from for its scale.
wxIconBundle Icons(const ControlRow& row) {
    wxIconBundle icons;
    const auto add = [&icons](std::span<const unsigned char> bytes) {
        const wxBitmap picture = DecodePicture(bytes.data(), bytes.size());
        if (picture.IsOk()) {
            wxIcon icon;
            icon.CopyFromBitmap(picture);
            icons.AddIcon(icon);
        }
    };
    add(row.picture);
    for (const std::span<const unsigned char> bytes : row.larger_pictures) {
        add(bytes);
    }
    return icons;
}

wxWindow* MakePage(const ControlRow& row, wxWindow& parent) {
    auto* book = dynamic_cast<wxSimplebook*>(&parent);
    if (book == nullptr) {
        return nullptr;
    }
    auto* page =
        Made<wxPanel>(book, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, Name(row));
    if (page != nullptr) {
        // Painted, not see-through: a page placed over other controls hides them.
        page->SetBackgroundColour(wxGetTopLevelParent(book)->GetBackgroundColour());
        book->AddPage(page, wxString());
    }
    return page;
}

wxWindow* MakeHypertext(const ControlRow& row, wxWindow& parent) {
    // Takes Tab itself, to move from link to link (hypertext_box.h).
    auto* box = Made<wxHtmlWindow>(&parent, wxID_ANY, Position(row, parent), Size(row, parent),
                                   wxHW_SCROLLBAR_NEVER | wxBORDER_NONE | wxWANTS_CHARS, Name(row));
    if (box != nullptr) {
        ShowHypertext(*box, row.text);
    }
    return box;
}

// Option buttons of one parent form one group. Its first member stays hidden and holds the
// check mark until the first click, so that no option shows a mark at start (a group of the
// toolkit always has one member checked). A click checks the clicked option.
wxWindow* MakeOption(const ControlRow& row, wxWindow& parent) {
    const bool first_of_group = std::none_of(
        parent.GetChildren().begin(), parent.GetChildren().end(),
        [](const wxWindow* sibling) { return dynamic_cast<const wxRadioButton*>(sibling); });
    if (first_of_group) {
        wxRadioButton* keeper = MakeOptionButton(parent, wxString(), wxPoint(0, 0), wxSize(0, 0),
                                                 wxRB_GROUP, wxString());
        if (keeper == nullptr) {
            return nullptr;
        }
        keeper->Hide();
        keeper->SetValue(true);
    }
    return MakeOptionButton(parent, GbkToWx(row.text), Position(row, parent), Size(row, parent), 0,
                            Name(row));
}

wxWindow* MakeTransparentLabel(const ControlRow& row, wxWindow& parent) {
    auto* label = new wxWindow;
    label->SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!label->Create(&parent, wxID_ANY, Position(row, parent), Size(row, parent),
                       wxTRANSPARENT_WINDOW | wxBORDER_NONE, Name(row))) {
        delete label;
        return nullptr;
    }
    // The caption below stays visible.
    label->Bind(wxEVT_PAINT, [label](wxPaintEvent&) {
        const auto* box = dynamic_cast<const GroupBoxPanel*>(label->GetParent());
        PaintSeeThroughLabel(*label, box != nullptr ? &box->Frame() : nullptr);
    });
    return label;
}

wxWindow* MakeList(const ControlRow& row, wxWindow& parent, const WindowLayout& layout) {
    auto* list = Made<wxListCtrl>(&parent, wxID_ANY, Position(row, parent), Size(row, parent),
                                  wxLC_REPORT, wxDefaultValidator, Name(row));
    if (list == nullptr) {
        return nullptr;
    }
    for (const ColumnRow& column : layout.columns) {
        if (column.list == row.name) {
            list->AppendColumn(
                GbkToWx(column.caption),
                column.align == ColumnAlign::Centre ? wxLIST_FORMAT_CENTRE : wxLIST_FORMAT_LEFT,
                WindowPixels(parent, column.width));
        }
    }
    return list;
}

wxWindow* MakeComboBox(const ControlRow& row, wxWindow& parent, const WindowLayout& layout) {
    auto* box = Made<wxChoice>(&parent, wxID_ANY, Position(row, parent), Size(row, parent),
                               wxArrayString(), 0, wxDefaultValidator, Name(row));
    if (box == nullptr) {
        return nullptr;
    }
    for (const ItemRow& item : layout.items) {
        if (item.control == row.name) {
            box->Append(GbkToWx(item.text));
        }
    }
    // Kept, never shown: a drop-down list shows only its selected item.
    box->SetLabel(GbkToWx(row.text));
    return box;
}

// Enter in a multi-line box starts a new line with CR LF, the line end the number lists use;
// GTK's own Enter would insert a lone LF, which does not end a line.
void OnMultiLineKey(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && event.GetModifiers() == wxMOD_NONE) {
        static_cast<wxTextCtrl*>(event.GetEventObject())->WriteText(wxS("\r\n"));
        return;
    }
    event.Skip();
}

wxWindow* MakeEditBox(const ControlRow& row, wxWindow& parent) {
    const bool multi_line = (row.style & kMultiLine) != 0;
    const long style = multi_line ? wxTE_MULTILINE | wxTE_NO_VSCROLL | wxTE_BESTWRAP : 0;
    auto* box = Made<wxTextCtrl>(&parent, wxID_ANY, GbkToWx(row.text), Position(row, parent),
                                 Size(row, parent), style, wxDefaultValidator, Name(row));
    if (box != nullptr && multi_line) {
        box->Bind(wxEVT_KEY_DOWN, OnMultiLineKey);
    }
    return box;
}

wxWindow* MakeGroupBox(const ControlRow& row, wxWindow& parent) {
    return Made<GroupBoxPanel>(&parent, GbkToWx(row.text), Position(row, parent), Size(row, parent),
                               (row.style & kCentredCaption) != 0, Name(row));
}

wxWindow* MakePicture(const ControlRow& row, wxWindow& parent) {
    auto* box = Made<wxGenericStaticBitmap>(&parent, wxID_ANY,
                                            PictureForEveryScale(row.picture, row.larger_pictures),
                                            Position(row, parent), Size(row, parent), 0, Name(row));
    if (box != nullptr) {
        box->SetSize(Size(row, parent));
    }
    return box;
}

}  // namespace

wxColour RgbColour(int rgb) {
    return wxColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

wxWindow* CreateControl(const ControlRow& row, wxWindow& parent, const WindowLayout& layout) {
    switch (row.kind) {
        case ControlKind::PageControl:
            return Made<wxSimplebook>(&parent, wxID_ANY, Position(row, parent), Size(row, parent),
                                      0, Name(row));
        case ControlKind::Page:
            return MakePage(row, parent);
        case ControlKind::Label:
            return Made<wxStaticText>(&parent, wxID_ANY, GbkToWx(row.text), Position(row, parent),
                                      Size(row, parent), wxST_NO_AUTORESIZE, Name(row));
        case ControlKind::PicBox:
            return MakePicture(row, parent);
        case ControlKind::Button:
            return Made<wxButton>(&parent, wxID_ANY, GbkToWx(row.text), Position(row, parent),
                                  Size(row, parent), 0, wxDefaultValidator, Name(row));
        case ControlKind::SimpleHtml:
            return MakeHypertext(row, parent);
        case ControlKind::GroupBox:
            return MakeGroupBox(row, parent);
        case ControlKind::ComboBox:
            return MakeComboBox(row, parent, layout);
        case ControlKind::EditBox:
            return MakeEditBox(row, parent);
        case ControlKind::RadioBox:
            return MakeOption(row, parent);
        case ControlKind::TransLabel:
            return MakeTransparentLabel(row, parent);
        case ControlKind::ListView:
            return MakeList(row, parent, layout);
        case ControlKind::Window:
        case ControlKind::StatusBar:
        case ControlKind::CommonDlg:
            break;
    }
    return nullptr;
}

wxFrame* CreateFrame(const ControlRow& row) {
    // On the primary monitor, whose scale the outer size takes; centred later.
    auto* frame =
        Made<wxFrame>(nullptr, wxID_ANY, GbkToWx(row.text), wxPoint(row.left, row.top),
                      wxWindow::FromDIP(wxSize(row.width, row.height), nullptr),
                      wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX, Name(row));
    if (frame != nullptr) {
        FitFrameColour(*frame);
        const wxIconBundle icons = Icons(row);
        if (!icons.IsEmpty()) {
            frame->SetIcons(icons);
        }
    }
    return frame;
}

wxWindow* CreateStatusBar(const ControlRow& row, wxFrame& frame) {
    // Without the tooltip style: the bar's tooltip follows the part under the pointer. The parts
    // are drawn by status_bar.cpp.
    auto* bar = Made<wxStatusBar>(&frame, wxID_ANY, wxFULL_REPAINT_ON_RESIZE, Name(row));
    if (bar == nullptr) {
        return nullptr;
    }
    frame.SetStatusBar(bar);
    const int height = WindowPixels(frame, row.height);
    bar->SetMinHeight(height);
    bar->SetMinSize(wxSize(-1, height));
    bar->SetSize(wxSize(frame.GetClientSize().x, height));
    frame.SendSizeEvent();
    return bar;
}
