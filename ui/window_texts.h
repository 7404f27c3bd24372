// The longer texts of the main window: help and about texts and the hypertext of the link
// boxes. GBK bytes.
#pragma once

#include <string_view>

#include "text/text_ops.h"

// Thirteen lines joined by CR LF, no line break after the last.
std::string_view HelpText();

// Three paragraphs about the studio, separated by an empty line.
std::string_view AboutText();

// Hypertext: <a href=ADDRESS> opens ADDRESS in the browser, <a event=NAME> raises the box's
// link event with NAME.
std::string_view FooterMarkup();
std::string_view BatchLinkMarkup();
