#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace varnel {

// A thread with a CFRunLoop of its own, for the keyboard tap's source: the callback runs there,
// whatever the main thread is doing. Work handed to it runs from a run-loop source of its own,
// between two callbacks, while the caller waits. Made and ended on the main thread.
class MacTapThread {
  public:
    // Starts the thread and returns once its run loop is there.
    MacTapThread();
    // Stops the run loop and waits for the thread to end.
    ~MacTapThread();
    MacTapThread(const MacTapThread&) = delete;
    MacTapThread& operator=(const MacTapThread&) = delete;

    CFRunLoopRef runLoop() const { return runLoop_; }
    // Runs `work(context)` on the thread and returns once it has run.
    void run(void (*work)(void*), void* context);

  private:
    struct Work {
        void (*function)(void*);
        void* context;
        bool done = false;
    };
    void main();
    // The work source's perform callback, on the thread: everything handed over so far.
    static void perform(void* self);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Work*> pending_;
    CFRunLoopRef runLoop_ = nullptr;
    CFRunLoopSourceRef workSource_ = nullptr;
    bool ending_ = false;
    std::thread thread_;
};

}  // namespace varnel
