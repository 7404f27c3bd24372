#include "runs/current_type_code.h"

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <utility>

namespace {

struct GuardedText {
    std::mutex lock;
    Text text;
};

// Never destroyed: a detached worker may still read it while the program ends.
GuardedText& Holder() {
    static GuardedText* const holder = new GuardedText;
    return *holder;
}

}  // namespace

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

Text CurrentTypeCode() {
    GuardedText& holder = Holder();
    const std::lock_guard<std::mutex> guard(holder.lock);
    return holder.text;
}

void SetCurrentTypeCode(Text code) {
    GuardedText& holder = Holder();
    const std::lock_guard<std::mutex> guard(holder.lock);
    holder.text = std::move(code);
}

void ReleaseCurrentTypeCode() {
    Text released;
    GuardedText& holder = Holder();
    {
        const std::lock_guard<std::mutex> guard(holder.lock);
        released.swap(holder.text);
    }
}
