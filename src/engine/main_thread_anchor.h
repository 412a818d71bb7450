#pragma once

#include <cstdint>
#include <utility>

namespace varnel {

// A weak reference to an object for work that is made, run and dropped on the main thread
// only (the main queue's tasks): like std::weak_ptr, but its count is a plain integer, so
// that handing one to a task costs no atomic operation. The object owns the anchor; once the
// object is gone, every reference reads null.
template <class T>
class MainThreadAnchor {
    struct Block {
        T* target;
        std::uint32_t references;
    };

  public:
    class Ref {
      public:
        // One pointer, and none once moved from: its bytes may be moved (task.h).
        static constexpr bool triviallyRelocatable = true;

        Ref(const Ref& other) noexcept : block_(other.block_) { ++block_->references; }
        Ref(Ref&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
        Ref& operator=(const Ref&) = delete;
        Ref& operator=(Ref&&) = delete;
        ~Ref() { release(block_); }

        // The object, or null once it is gone.
        T* get() const { return block_->target; }

      private:
        friend class MainThreadAnchor;
        explicit Ref(Block* block) noexcept : block_(block) { ++block_->references; }
        Block* block_;
    };

    explicit MainThreadAnchor(T& target) : block_(new Block{&target, 1}) {}
    ~MainThreadAnchor() {
        block_->target = nullptr;
        release(block_);
    }
    MainThreadAnchor(const MainThreadAnchor&) = delete;
    MainThreadAnchor& operator=(const MainThreadAnchor&) = delete;

    Ref ref() const { return Ref(block_); }

  private:
    static void release(Block* block) noexcept {
        if (block != nullptr && --block->references == 0) {
            delete block;
        }
    }

    Block* block_;
};

}  // namespace varnel
