#include "catalogue/courier_picker.h"

#include "catalogue/courier_catalogue.h"
#include "catalogue/letter_groups.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"

namespace {

struct CaptionItem {
    std::string_view caption;
    std::string_view item;
};

// Tested in this order.
constexpr CaptionItem kCaptionItems[] = {
    {"DHL", "DHL-国际件-英文结果"},
    {"顺丰", "顺丰速递"},
    {"FedEx", "Fedex-国际件-中文结果"},
};

constexpr char kCourierPlaceholder[] = "-请选择-";

}  // namespace

Text CommonCourierItem(std::string_view caption) {
    for (const CaptionItem& mapped : kCaptionItems) {
        if (TextsEqual(caption, mapped.caption)) {
            return Text(mapped.item);
        }
    }
    return Text(caption);
}

void FillCourierBox() {
    ClearItems(kCourierBox);
    SetControlText(kCourierBox, kCourierPlaceholder);
    const Text group = ItemText(kLetterGroupBox, SelectedItem(kLetterGroupBox));
    for (const CourierEntry& entry : CourierCatalogue) {
        if (GroupAdmits(group, entry.letter)) {
            AppendItem(kCourierBox, entry.name);
        }
    }
    SelectItem(kCourierBox, 0);
}

void PickCommonCourier(std::string_view option) {
    ClearItems(kCourierBox);
    // Raises no event, so CourierBox is not refilled.
    SelectItem(kLetterGroupBox, 0);
    AppendItem(kCourierBox, CommonCourierItem(ControlText(option)));
    SelectItem(kCourierBox, 0);
}
