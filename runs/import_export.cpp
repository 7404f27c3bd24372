#include "runs/import_export.h"

void OnBatchLink(std::string_view) {}

void ExportResultList(std::string_view) {}
