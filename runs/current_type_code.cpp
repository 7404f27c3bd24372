#include "runs/current_type_code.h"

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
