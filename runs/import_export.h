// Importing a list of numbers into BatchNumberBox and exporting a result list to a text file.
#pragma once

#include <string_view>

// event_name: the event name of the BatchLinkBox link that was clicked (GBK).
void OnBatchLink(std::string_view event_name);
// list: the name of the result list whose menu was used.
void ExportResultList(std::string_view list);
