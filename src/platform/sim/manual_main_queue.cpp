#include "platform/sim/manual_main_queue.h"

#include <algorithm>
#include <utility>

namespace varnel {

namespace {

struct Depth {
    explicit Depth(int& depth) : depth_(depth) { ++depth_; }
    ~Depth() { --depth_; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;
    int& depth_;
};

}  // namespace

void ManualMainQueue::Row::grow() {
    const std::size_t larger = std::max<std::size_t>(8, capacity * 2);
    auto moved = std::make_unique<Task[]>(larger);
    std::move(tasks.get(), tasks.get() + size, moved.get());
    tasks = std::move(moved);
    capacity = larger;
}

void ManualMainQueue::async(Task task) {
    queued_->push(std::move(task));
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
        queued_->push(std::move(it->task));
    }
    delayed_.erase(delayed_.begin(), firstLater);
}

bool ManualMainQueue::runOne() {
    if (!delayed_.empty()) {  // most turns have none: no call
        releaseDue();
    }
    if (runningHead_ == running_->size) {
        if (depth_ != 0) {
            return runQueuedFromInsideATask();
        }
        running_->size = 0;  // every task in it ran: its slots are empty
        runningHead_ = 0;
        if (queued_->size == 0) {
            return runBeforeWaiting();
        }
        std::swap(running_, queued_);
    }
    Depth depth(depth_);
    running_->tasks[runningHead_++].runOnce();
    return true;
}

bool ManualMainQueue::runQueuedFromInsideATask() {
    Row& queued = *queued_;
    if (queued.size == 0) {
        return false;
    }
    Task task = std::move(queued.tasks[0]);
    std::move(queued.tasks.get() + 1, queued.tasks.get() + queued.size, queued.tasks.get());
    --queued.size;
    Depth depth(depth_);
    task.runOnce();
    return true;
}

void ManualMainQueue::addBeforeWaiting(BeforeWaiting work, void* context) {
    removeBeforeWaiting(context);
    beforeWaiting_.push_back({work, context});
}

void ManualMainQueue::removeBeforeWaiting(void* context) {
    for (WorkBeforeWaiting& entry : beforeWaiting_) {
        if (entry.context == context) {
            entry.context = nullptr;
            emptiedBeforeWaiting_ = true;
        }
    }
    dropEmptiedBeforeWaiting();
}

// Entries emptied while the work runs stay in place until it has run.
void ManualMainQueue::dropEmptiedBeforeWaiting() {
    if (emptiedBeforeWaiting_ && !runningBeforeWaiting_) {
        std::erase_if(beforeWaiting_, [](const WorkBeforeWaiting& e) { return !e.context; });
        emptiedBeforeWaiting_ = false;
    }
}

// Each piece of work once, in the order added; what it queues runs before it runs again.
bool ManualMainQueue::runBeforeWaiting() {
    if (beforeWaiting_.empty() || runningBeforeWaiting_) {
        return false;
    }
    runningBeforeWaiting_ = true;
    // Work added meanwhile waits for the next turn; the row may move as it grows.
    const std::size_t count = beforeWaiting_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const WorkBeforeWaiting entry = beforeWaiting_[i];
        if (entry.context != nullptr) {
            entry.work(entry.context);
        }
    }
    runningBeforeWaiting_ = false;
    dropEmptiedBeforeWaiting();
    return queued_->size != 0 || (!delayed_.empty() && nextDueTime() <= clock_.now());
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
    // A task running now (one that cleared the queue) keeps its slot until it returns.
    for (std::size_t i = runningHead_; i < running_->size; ++i) {
        running_->tasks[i] = Task();
    }
    runningHead_ = running_->size;
    for (std::size_t i = 0; i < queued_->size; ++i) {
        queued_->tasks[i] = Task();
    }
    queued_->size = 0;
    delayed_.clear();
    for (WorkBeforeWaiting& entry : beforeWaiting_) {
        entry.context = nullptr;
    }
    emptiedBeforeWaiting_ = !beforeWaiting_.empty();
    dropEmptiedBeforeWaiting();
}

}  // namespace varnel
