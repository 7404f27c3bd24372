// SimpleHtml boxes: hypertext shown in a wxHtmlWindow whose links either open an address in
// the default browser or raise the box's link event. Links are blue and not underlined, and
// underlined while the pointer is over them. A focused box shows which of its links is current
// (a light background); Tab and Shift+Tab move from link to link before leaving the box, and
// Enter or Space follows the current link as a click does.
#pragma once

#include <functional>
#include <string_view>

class wxHtmlWindow;

using LinkEventHandler = std::function<void(std::string_view event_name)>;

// Shows markup (hypertext_markup.h) in box, 9 point on the background of the box's parent.
void ShowHypertext(wxHtmlWindow& box, std::string_view markup);

// Address links open in the default browser; event links call on_event with the event name
// (GBK). A box without a handler ignores its event links. Also makes the links follow the
// pointer and the keyboard as said above.
void HandleHypertextLinks(wxHtmlWindow& box, LinkEventHandler on_event);
