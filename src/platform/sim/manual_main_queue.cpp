#include "platform/sim/manual_main_queue.h"

#include <algorithm>

namespace varnel {

void ManualMainQueue::async(Task task) {
    ready_.push_back(std::move(task));
}

void ManualMainQueue::asyncAfter(double seconds, Task task) {
    delayed_.push_back({clock_.now() + std::max(seconds, 0.0), nextOrder_++, std::move(task)});
}

void ManualMainQueue::releaseDue() {
    // Due tasks join the ready ones in the order of their times, ties in queued order.
    std::stable_sort(delayed_.begin(), delayed_.end(), [](const Delayed& a, const Delayed& b) {
        return a.due < b.due || (a.due == b.due && a.order < b.order);
    });
    auto firstLater = std::find_if(delayed_.begin(), delayed_.end(),
                                   [&](const Delayed& d) { return d.due > clock_.now(); });
    for (auto it = delayed_.begin(); it != firstLater; ++it) {
        ready_.push_back(std::move(it->task));
    }
    delayed_.erase(delayed_.begin(), firstLater);
}

bool ManualMainQueue::runOne() {
    if (!delayed_.empty()) {  // most turns have none: no call
        releaseDue();
    }
    if (readyHead_ == ready_.size()) {
        ready_.clear();
        readyHead_ = 0;
        return false;
    }
    Task task = std::move(ready_[readyHead_++]);
    task();
    return true;
}

std::optional<double> ManualMainQueue::nextDueTime() const {
    if (delayed_.empty()) {
        return std::nullopt;
    }
    return std::min_element(delayed_.begin(), delayed_.end(),
                            [](const Delayed& a, const Delayed& b) { return a.due < b.due; })
        ->due;
}

void ManualMainQueue::clear() {
    ready_.clear();
    readyHead_ = 0;
    delayed_.clear();
}

}  // namespace varnel
