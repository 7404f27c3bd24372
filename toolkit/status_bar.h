// The parts of MainStatusBar, numbered from 0, each with a text and a tooltip text. The tooltip
// shown is the one of the part under the pointer. User-interface thread only.
#pragma once

#include <string_view>

#include "text/text_ops.h"

#include <wx/gdicmn.h>

class wxStatusBar;

// Makes bar draw its parts edge to edge, each text after a one-pixel margin and clipped at the
// divider on the part's last column, without ellipsis, and show the tooltip of the part under
// the pointer; the bar starts without parts.
void TrackStatusTips(wxStatusBar& bar);

// Adds a part at the right end with its text and width in the layout's pixels, without a
// tooltip; width -1 reaches to the right edge of the bar.
void AppendStatusPart(std::string_view text, int width);

int StatusPartCount();

// Where part lies in the bar's client coordinates (the bar's pixels), the full height of the
// bar; its text is
// drawn after the margin and clipped at the divider. Empty for a part that does not exist.
wxRect StatusPartArea(int part);

// A part that does not exist is left alone (setting) or reads as the empty text.
void SetStatusPartText(int part, std::string_view text);
void SetStatusPartTip(int part, std::string_view tip);
Text StatusPartText(int part);
Text StatusPartTip(int part);
