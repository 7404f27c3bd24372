// The courier named on the command line, and the catalogue lines of --list-couriers.
#pragma once

#include <optional>
#include <string_view>

#include "catalogue/courier_catalogue.h"
#include "text/text_ops.h"

// The type code for a display name, resolved as the query button does (the last catalogue
// row with that name wins), or for a name that is itself a type code of the catalogue.
// Nothing when neither matches (GBK texts).
std::optional<Text> ChooseTypeCode(const CourierTable& catalogue, std::string_view name_or_code);

// One line "code name" and CR LF per catalogue row that group admits, in catalogue order, as
// the courier list is filled for that group.
Text CourierListing(const CourierTable& catalogue, std::string_view group);
