// Operations on the main window's controls by name, with GBK texts: place and size, caption
// or text, state and stacking, the page shown, and the items of drop-down lists.
// User-interface thread only.
#pragma once

#include <string_view>

#include "text/text_ops.h"

// Pixels relative to the parent's client area.
struct Placement {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const Placement&) const = default;
};

Placement ControlPlacement(std::string_view name);
void PlaceControl(std::string_view name, const Placement& placement);

// The title of the window, the caption of a button, option, label or group box, the text of an
// edit box, or the stored text of a drop-down list (which it never shows).
Text ControlText(std::string_view name);
void SetControlText(std::string_view name, std::string_view text);

// Puts an edit box's caret at the end of its text and scrolls the end into view.
void ShowTextEnd(std::string_view edit_box);

// A disabled control takes no input and is drawn greyed.
void EnableControl(std::string_view name, bool enabled);

// Puts a control above its siblings, so that it covers those it overlaps.
void RaiseControl(std::string_view name);

// The background colour, 0xRRGGBB; the control is drawn again.
void SetControlBackground(std::string_view name, int rgb);

// Pages of a PageControl, from 0. Showing a page raises no event; a page that does not exist
// changes nothing.
void ShowPage(std::string_view page_control, int page);
int ShownPage(std::string_view page_control);

// Once the events under way are done (the window shown), gives the keyboard focus to the control.
void FocusControl(std::string_view name);

// Once the events under way are done (a menu closing), gives the keyboard focus to the control
// when the window has none or it lies on a hidden control: GTK leaves the window without focus
// when the focused control is hidden with its page, and then no key reaches the window (Esc
// does not close it).
void RecoverKeyboardFocus(std::string_view name);

// Items of a ComboBox, from 0.
void ClearItems(std::string_view combo);
void AppendItem(std::string_view combo, std::string_view text);
int ItemCount(std::string_view combo);
// The empty text for an index outside the items, -1 included.
Text ItemText(std::string_view combo, int index);
// -1 when no item is selected.
int SelectedItem(std::string_view combo);
// The index is first clamped to -1 .. count - 1; -1 selects nothing. Raises no event.
void SelectItem(std::string_view combo, int index);
