// SimpleHtml boxes: hypertext shown in a wxHtmlWindow whose links either open an address in
// the default browser or raise the box's link event.
#pragma once

#include <functional>
#include <string_view>

class wxHtmlWindow;

using LinkEventHandler = std::function<void(std::string_view event_name)>;

// Shows markup (hypertext_markup.h) in box, 9 point on the background of the box's parent.
void ShowHypertext(wxHtmlWindow& box, std::string_view markup);

// Address links open in the default browser; event links call on_event with the event name
// (GBK). A box without a handler ignores its event links.
void HandleHypertextLinks(wxHtmlWindow& box, LinkEventHandler on_event);
