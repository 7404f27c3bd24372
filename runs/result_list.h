// The two result lists, SingleResultList and BatchResultList, and the actions of their
// pop-up menus. Lists and menus are named as in the window's layout.
#pragma once

#include <string_view>

void ShowResultMenu(std::string_view list, std::string_view menu);
void CopySelectedRow(std::string_view list);
void DeleteSelectedRow(std::string_view list);
void ClearResultList(std::string_view list);
