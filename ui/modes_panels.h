// Switching between single mode, batch mode and the help page, and folding the panel of
// common couriers. The mode is the caption of ModeButton and the page shown by ResultPages;
// the fold state is the height of CommonCourierPanel.
#pragma once

#include <string_view>

void ToggleQueryMode();
void ToggleCommonPanel();
// event_name: the event name of the FooterLinkBox link that was clicked (GBK).
void OnFooterLink(std::string_view event_name);
void ReturnFromHelp();
void OpenChatPage();
