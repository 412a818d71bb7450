#pragma once

#include <atomic>

namespace varnel {

// A lock for work of a few stores that is rarely contended (the tap's thread and the main
// thread each hold it only to copy a few bytes): taking it free costs one atomic exchange,
// where a mutex costs a call into the thread library each way. A second taker spins, never
// long. Usable with std::lock_guard.
class SpinLock {
  public:
    void lock() noexcept {
        while (held_.test_and_set(std::memory_order_acquire)) {
            while (held_.test(std::memory_order_relaxed)) {
            }
        }
    }
    void unlock() noexcept { held_.clear(std::memory_order_release); }

  private:
    std::atomic_flag held_;
};

}  // namespace varnel
