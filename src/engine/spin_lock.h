#pragma once

#include <atomic>

namespace varnel {

// A lock for short work that in practice is never contended (the emitter is used on the main
// thread): taking it free costs one atomic exchange, where a mutex costs a call into the
// thread library each way. A second taker would spin. Usable with std::lock_guard.
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
