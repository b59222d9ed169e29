#include "ui/log_extent.h"

#include <algorithm>

namespace ui {

void LogExtent::Widen() {
    const int count = form_.ItemCount(list_);
    // Fewer entries than were measured: emptied behind our back.
    if (count < measured_) Forget();
    for (; measured_ < count; ++measured_)
        widest_ = std::max(widest_, form_.TextWidth(form_.Item(list_, measured_)));
    form_.SetHorizontalExtent(list_, widest_);
}

void LogExtent::Forget() {
    measured_ = 0;
    widest_ = 0;
    form_.SetHorizontalExtent(list_, 0);
}

}  // namespace ui
