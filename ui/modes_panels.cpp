#include "ui/modes_panels.h"

void ToggleQueryMode() {}

void ToggleCommonPanel() {}

void OnFooterLink(std::string_view) {}

void ReturnFromHelp() {}

void OpenChatPage() {}
