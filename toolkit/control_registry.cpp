#include "toolkit/control_registry.h"

#include <map>
#include <stdexcept>
#include <string>

#include "text/text_ops.h"

namespace {

std::map<std::string, wxWindow*, std::less<>>& ControlsByName() {
    static std::map<std::string, wxWindow*, std::less<>> controls;
    return controls;
}

std::map<std::string, std::unique_ptr<wxMenu>, std::less<>>& MenusByName() {
    static std::map<std::string, std::unique_ptr<wxMenu>, std::less<>> menus;
    return menus;
}

}  // namespace

wxWindow* FindControl(std::string_view name) {
    const auto found = ControlsByName().find(name);
    return found == ControlsByName().end() ? nullptr : found->second;
}

void ReportWrongControl(std::string_view name, std::string_view wanted_kind) {
    throw std::logic_error(
        JoinTexts("no control \"", name, "\" of kind ", wanted_kind, " in the main window"));
}

wxMenu* FindMenu(std::string_view name) {
    const auto found = MenusByName().find(name);
    return found == MenusByName().end() ? nullptr : found->second.get();
}

wxMenu& Menu(std::string_view name) {
    wxMenu* menu = FindMenu(name);
    if (menu == nullptr) {
        throw std::logic_error(JoinTexts("no menu \"", name, "\" in the main window"));
    }
    return *menu;
}

void RegisterControl(std::string_view name, wxWindow& control) {
    ControlsByName().insert_or_assign(std::string(name), &control);
}

void RegisterMenu(std::string_view name, std::unique_ptr<wxMenu> menu) {
    MenusByName().insert_or_assign(std::string(name), std::move(menu));
}

void ForgetControls() {
    ControlsByName().clear();
    MenusByName().clear();
}
