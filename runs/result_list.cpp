#include "runs/result_list.h"

void ShowResultMenu(std::string_view, std::string_view) {}

void CopySelectedRow(std::string_view) {}

void DeleteSelectedRow(std::string_view) {}

void ClearResultList(std::string_view) {}
