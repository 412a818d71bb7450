#pragma once

#include <concepts>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace varnel {

// A callable whose bytes may be copied to another place, the old bytes then forgotten
// without a destructor: any trivially copyable one, and one that says so (a handle of one
// pointer, say). Tasks move such a callable with a plain copy instead of an indirect call.
template <class F>
concept TriviallyRelocatable = std::is_trivially_copyable_v<F> || requires {
    requires F::triviallyRelocatable;
};

// A piece of work for the main queue: any callable without arguments, moved, never copied.
// A callable of up to 64 bytes (the engine's and the controller's reports) is kept inline,
// so that queuing it costs no allocation; a larger one goes to the heap.
class Task {
  public:
    static constexpr std::size_t inlineSize = 64;

    Task() = default;

    template <class F>
    requires(!std::same_as<std::decay_t<F>, Task> && std::invocable<std::decay_t<F>&>)
        Task(F&& function) {
        using Fn = std::decay_t<F>;
        if constexpr (sizeof(Fn) <= inlineSize && alignof(Fn) <= alignof(std::max_align_t) &&
                      std::is_nothrow_move_constructible_v<Fn>) {
            ::new (static_cast<void*>(storage_)) Fn(std::forward<F>(function));
            ops_ = &inlineOps<Fn>;
        } else {
            ::new (static_cast<void*>(storage_)) Fn*(new Fn(std::forward<F>(function)));
            ops_ = &heapOps<Fn>;
        }
    }

    Task(Task&& other) noexcept : ops_(other.ops_) {
        if (ops_ != nullptr) {
            relocate(other);
        }
    }
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            reset();
            take(other);
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { reset(); }

    explicit operator bool() const { return ops_ != nullptr; }
    void operator()() { ops_->invoke(storage_); }
    // Runs the callable and destroys it, in one indirect call; the task is empty from the
    // start of the run, so that whatever the callable does to its own slot (a queue that
    // forgets every task) cannot destroy it twice. The task's storage must stay where it is
    // until the call returns.
    void runOnce() { std::exchange(ops_, nullptr)->runOnce(storage_); }

  private:
    struct Ops {
        void (*invoke)(void* storage);
        void (*runOnce)(void* storage);
        void (*move)(void* from, void* to) noexcept;  // null: the bytes are copied
        void (*destroy)(void* storage) noexcept;
        bool oneWord;  // copied as bytes, and only its first word matters
    };

    template <class Fn>
    static Fn* inlined(void* storage) {
        return std::launder(static_cast<Fn*>(storage));
    }
    template <class Fn>
    static Fn*& pointer(void* storage) {
        return *std::launder(static_cast<Fn**>(storage));
    }

    template <class Fn>
    static constexpr Ops inlineOps{
        [](void* storage) { (*inlined<Fn>(storage))(); },
        [](void* storage) {
            // std::destroy_at: clang 14 rejects `fn->~Fn()` in a local struct of a variable
            // template.
            struct Destroy {
                Fn* fn;
                ~Destroy() { std::destroy_at(fn); }
            } destroy{inlined<Fn>(storage)};
            (*destroy.fn)();
        },
        TriviallyRelocatable<Fn> ? nullptr : +[](void* from, void* to) noexcept {
            ::new (to) Fn(std::move(*inlined<Fn>(from)));
            std::destroy_at(inlined<Fn>(from));
        },
        [](void* storage) noexcept { std::destroy_at(inlined<Fn>(storage)); },
        TriviallyRelocatable<Fn> && sizeof(Fn) <= sizeof(void*),
    };
    // The storage holds a pointer, which moves as bytes.
    template <class Fn>
    static constexpr Ops heapOps{
        [](void* storage) { (*pointer<Fn>(storage))(); },
        [](void* storage) { (*std::unique_ptr<Fn>(pointer<Fn>(storage)))(); },
        nullptr,
        [](void* storage) noexcept { delete pointer<Fn>(storage); },
        true,
    };

    void take(Task& other) noexcept {
        if (other.ops_ != nullptr) {
            ops_ = other.ops_;
            relocate(other);
        }
    }
    // The callable of `other`, whose ops this task has taken, moves here; `other` is empty.
    void relocate(Task& other) noexcept {
        if (ops_->move != nullptr) {
            ops_->move(other.storage_, storage_);
        } else if (ops_->oneWord) {
            // A handle, the commonest, was just written as one word: read back as one, it
            // comes straight from the store (a wider read across it would wait for it).
            std::memcpy(storage_, other.storage_, sizeof(void*));
        } else {
            std::memcpy(storage_, other.storage_, inlineSize);
        }
        other.ops_ = nullptr;
    }
    void reset() noexcept {
        if (ops_ != nullptr) {
            std::exchange(ops_, nullptr)->destroy(storage_);
        }
    }

    alignas(std::max_align_t) unsigned char storage_[inlineSize];
    const Ops* ops_ = nullptr;
};

}  // namespace varnel
