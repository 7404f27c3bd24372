// The right click of a report list as the layout's right-click event means it: a click that
// ends with the right button released over the list, as the Windows list reports it (NM_RCLICK
// comes with the release). A menu opened then stays open. One implementation per toolkit
// (list_right_click_gtk.cpp, list_right_click_msw.cpp).
#pragma once

#include <functional>

class wxListCtrl;

// Calls on_click after each right click on list, once its button is up, and after each press of
// the menu key or Shift+F10 while the list has the keyboard focus; by_keyboard tells which.
void BindListRightClick(wxListCtrl& list, std::function<void(bool by_keyboard)> on_click);
