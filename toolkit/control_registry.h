// The controls and pop-up menus of the main window, found by their layout names
// (window_layout.cpp). Behaviour code reaches every control through Control<T>(name); only the
// window builder registers them. User-interface thread only.
#pragma once

#include <memory>
#include <string_view>
#include <typeinfo>

#include <wx/menu.h>
#include <wx/window.h>

// The control named name, or nullptr when there is none: before the window is built, after it
// has closed, or for a name the layout does not have.
wxWindow* FindControl(std::string_view name);

[[noreturn]] void ReportWrongControl(std::string_view name, std::string_view wanted_kind);

// The control named name as the class it is built as: ComboBox wxChoice, PageControl
// wxSimplebook, ListView wxListCtrl, StatusBar wxStatusBar, SimpleHtml wxHtmlWindow, GroupBox
// GroupBoxPanel, RadioBox wxRadioButton, Label wxStaticText, EditBox wxTextCtrl, Button wxButton,
// PicBox wxGenericStaticBitmap, Page wxPanel, Window wxFrame. An unknown name or another class
// is a programming error and throws std::logic_error.
template <class T>
T& Control(std::string_view name) {
    T* control = dynamic_cast<T*>(FindControl(name));
    if (control == nullptr) {
        ReportWrongControl(name, typeid(T).name());
    }
    return *control;
}

// The pop-up menu named name, or nullptr when there is none.
wxMenu* FindMenu(std::string_view name);
// The pop-up menu named name; throws std::logic_error for an unknown name.
wxMenu& Menu(std::string_view name);

// For the window builder.
void RegisterControl(std::string_view name, wxWindow& control);
void RegisterMenu(std::string_view name, std::unique_ptr<wxMenu> menu);
// Forgets every control and deletes the menus: the window is going away.
void ForgetControls();
