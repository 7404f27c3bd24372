#include "runs/courier_resolution.h"

#include <algorithm>
#include <cstddef>

Text ResolveTypeCode(const CourierTable& catalogue, std::string_view selected_name,
                     std::string_view previous_code) {
    std::string_view code = previous_code;
    const std::size_t rows = std::min(static_cast<std::size_t>(kCourierCount), catalogue.size());
    for (std::size_t row = 1; row <= rows; ++row) {
        const CourierEntry& entry = catalogue[row - 1];
        if (TextsEqual(entry.name, selected_name)) {
            code = entry.code;
        }
    }
    return Text(code);
}
