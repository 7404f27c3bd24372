// Turns a WindowLayout into the real window: every control at its place with its content,
// registered under its name (control_registry.h), the menus, the event bindings, Esc closing the
// window. The Created handlers run before BuildWindow returns; the window is not shown yet.
#pragma once

#include "toolkit/layout_table.h"

class wxFrame;

// nullptr when a control cannot be made or the tables do not fit together (a parent or a bound
// control that does not exist, an event the control cannot raise); nothing is left registered.
wxFrame* BuildWindow(const WindowLayout& layout);
