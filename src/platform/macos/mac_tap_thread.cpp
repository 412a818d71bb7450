#include "platform/macos/mac_tap_thread.h"

namespace varnel {

MacTapThread::MacTapThread() {
    thread_ = std::thread([this] { main(); });
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return runLoop_ != nullptr; });
}

// The work source keeps the run loop running while nothing else is on it; CFRunLoopStop ends
// one run, so the loop goes round until the thread is told to end.
void MacTapThread::main() {
    CFRunLoopSourceContext context{};
    context.info = this;
    context.perform = &MacTapThread::perform;
    CFRunLoopSourceRef source = CFRunLoopSourceCreate(kCFAllocatorDefault, 0, &context);
    CFRunLoopRef loop = CFRunLoopGetCurrent();
    CFRunLoopAddSource(loop, source, kCFRunLoopCommonModes);
    {
        std::lock_guard lock(mutex_);
        workSource_ = source;
        runLoop_ = loop;
    }
    changed_.notify_all();
    while (true) {
        {
            std::lock_guard lock(mutex_);
            if (ending_) {
                break;
            }
        }
        CFRunLoopRunInMode(kCFRunLoopDefaultMode, 1e10, false);
    }
    CFRunLoopRemoveSource(loop, source, kCFRunLoopCommonModes);
    CFRelease(source);
}

void MacTapThread::perform(void* self) {
    auto& thread = *static_cast<MacTapThread*>(self);
    while (true) {
        Work* work = nullptr;
        {
            std::lock_guard lock(thread.mutex_);
            if (thread.pending_.empty()) {
                return;
            }
            work = thread.pending_.front();
            thread.pending_.pop_front();
        }
        work->function(work->context);
        {
            std::lock_guard lock(thread.mutex_);
            work->done = true;
        }
        thread.changed_.notify_all();
    }
}

void MacTapThread::run(void (*function)(void*), void* context) {
    Work work{function, context};
    std::unique_lock lock(mutex_);
    pending_.push_back(&work);
    CFRunLoopSourceSignal(workSource_);
    CFRunLoopWakeUp(runLoop_);
    changed_.wait(lock, [&work] { return work.done; });
}

// Stopped from inside its own run loop, by work of its own: a stop from here could come between
// the loop's look at ending_ and its next run, and be lost.
MacTapThread::~MacTapThread() {
    run(
        [](void* self) {
            auto& thread = *static_cast<MacTapThread*>(self);
            {
                std::lock_guard lock(thread.mutex_);
                thread.ending_ = true;
            }
            CFRunLoopStop(CFRunLoopGetCurrent());
        },
        this);
    thread_.join();
}

}  // namespace varnel
