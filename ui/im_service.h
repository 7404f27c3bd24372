// Addresses on the instant-messaging service's web host: the author's presence picture and
// the chat page opened in the browser.
#pragma once

#include "text/text_ops.h"

// "http://" host "/pa?p=2:" account ":53"
Text PresencePictureAddress();

// "http://" host "/msgrd?V=1&Uin=" account "&Exe=QQ&Site=" program name "&Menu=yes"
Text ChatPageAddress();

// The program's name as the chat page's Site value shows it.
inline constexpr char kProgramName[] = "Parcelio";
