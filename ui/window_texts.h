// The longer texts of the main window: help and about texts, the hypertext of the link boxes,
// and the addresses on the instant-messaging service's web host that it loads or opens. GBK
// bytes.
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

// The program's name as the chat page's Site value and the message box caption show it.
inline constexpr char kProgramName[] = "Parcelio";

// "http://" host "/pa?p=2:" account ":53": the author's presence picture.
Text PresencePictureAddress();

// "http://" host "/msgrd?V=1&Uin=" account "&Exe=QQ&Site=" program name "&Menu=yes": the chat
// page opened in the browser.
Text ChatPageAddress();
