// Connects the rows of the event binding table to the events of the built controls.
#pragma once

#include "toolkit/layout_table.h"

// Connects binding to its control, which must be registered already (control_registry.h).
// False when the control does not exist or cannot raise that event. Link events are
// handed to their box when it is made and Created bindings are run by the builder, so for
// these only the control is checked.
bool WireBinding(const EventBinding& binding);

// The handler bound to the link events of the SimpleHtml box named box, or nullptr.
EventHandler LinkHandlerOf(const WindowLayout& layout, std::string_view box);
