// The hypertext of SimpleHtml boxes. The program's markup is a small HTML: <a href=ADDRESS>
// links open ADDRESS in the browser, <a event=NAME> links raise the box's link event with NAME.
// The HTML view knows only href links, so an event link travels as the address "event:NAME".
#pragma once

#include <optional>
#include <string_view>

#include "text/text_ops.h"

inline constexpr std::string_view kEventLinkPrefix = "event:";

// The text with & < > " written as entities, so that it shows as itself inside markup.
Text EscapeMarkup(std::string_view text);

// How the links of a box are drawn beyond the shared style, by their place among the box's
// links (from 0; -1: none): the one under the pointer is underlined, the one the keyboard is on
// has a light background.
struct LinkMarks {
    int underlined = -1;
    int current = -1;
};

inline constexpr std::string_view kCurrentLinkBackground = "#CCE4FF";

// The markup as the HTML view takes it: event links turned into "event:" addresses, the marks'
// styles on their links, wrapped in the style shared by every box (black text, blue links that
// are not underlined, face "宋体" or Verdana).
Text DisplayMarkup(std::string_view markup, LinkMarks marks = {});

// The address of every link of the markup, in order, as the HTML view reads it from
// DisplayMarkup's result (entities read).
TextList LinkAddresses(std::string_view markup);

// The event name of an "event:" address; nothing for any other address.
std::optional<Text> LinkEventName(std::string_view address);
