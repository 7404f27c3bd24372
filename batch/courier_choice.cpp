#include "batch/courier_choice.h"

#include "catalogue/letter_groups.h"
#include "runs/courier_resolution.h"

std::optional<Text> ChooseTypeCode(const CourierTable& catalogue, std::string_view name_or_code) {
    if (name_or_code.empty()) {
        return std::nullopt;
    }
    Text code = ResolveTypeCode(catalogue, name_or_code, "");
    if (!code.empty()) {
        return code;
    }
    for (const CourierEntry& entry : catalogue) {
        if (TextsEqual(entry.code, name_or_code)) {
            return entry.code;
        }
    }
    return std::nullopt;
}

Text CourierListing(const CourierTable& catalogue, std::string_view group) {
    Text listing;
    for (const CourierEntry& entry : catalogue) {
        if (GroupAdmits(group, entry.letter)) {
            listing.append(JoinTexts(entry.code, " ", entry.name, "\r\n"));
        }
    }
    return listing;
}
