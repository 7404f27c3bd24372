// The parts of MainStatusBar, numbered from 0, each with a text and a tooltip text. The tooltip
// shown is the one of the part under the pointer. User-interface thread only.
#pragma once

#include <string_view>

#include "text/text_ops.h"

class wxStatusBar;

// Makes bar show the tooltip of the part under the pointer; the bar starts without parts.
void TrackStatusTips(wxStatusBar& bar);

// Adds a part at the right end with its text (also its tooltip) and width in pixels; width -1
// reaches to the right edge of the bar.
void AppendStatusPart(std::string_view text, int width);

int StatusPartCount();

// A part that does not exist is left alone (setting) or reads as the empty text.
void SetStatusPartText(int part, std::string_view text);
void SetStatusPartTip(int part, std::string_view tip);
Text StatusPartText(int part);
Text StatusPartTip(int part);
