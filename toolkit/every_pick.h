// Every choice the user makes in a drop-down list, as the layout's item-chosen event means it:
// each pick from the list, also of the item already selected. A selection made by the program
// raises nothing. One implementation per toolkit (every_pick_gtk.cpp, every_pick_msw.cpp).
#pragma once

#include <functional>

class wxChoice;

// Calls on_pick after each item the user chooses in box, once the box shows it.
void BindEveryPick(wxChoice& box, std::function<void()> on_pick);
