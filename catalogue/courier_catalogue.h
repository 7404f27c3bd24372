// The built-in courier catalogue: 148 rows of initial letter, service type code and display
// name, parsed once at start-up into the program-wide table CourierCatalogue.
#pragma once

#include <string_view>
#include <vector>

#include "text/text_ops.h"

struct CourierEntry {
    Text letter;
    Text code;
    Text name;
};

// Entry i of the catalogue is CourierCatalogue[i - 1].
using CourierTable = std::vector<CourierEntry>;

// The number of rows of the built-in text: a fixed constant, never counted from the text.
inline constexpr int kCourierCount = 148;

// The rows "letter|code|name" in stored order, joined by CR LF, GBK bytes.
std::string_view CatalogueText();

// Read-only after start-up; only the user-interface thread reads it.
extern CourierTable CourierCatalogue;

// Builds CourierCatalogue from the built-in text, replacing any previous table.
void LoadCatalogue();
