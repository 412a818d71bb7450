#include "engine/task.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <utility>
#include <vector>

namespace varnel {
namespace {

struct Counts {
    int ran = 0;
    int destroyed = 0;
};

// Counts its runs and the destruction of the one live copy; `Padding` bytes make it large
// enough for the heap, `Relocatable` lets tasks move it as bytes. Otherwise it knows its own
// address, as a string keeping its text inside does, and must be moved by its constructor.
template <std::size_t Padding, bool Relocatable>
struct Counted {
    static constexpr bool triviallyRelocatable = Relocatable;
    Counts* counts;
    const Counted* self = this;
    std::array<char, Padding> padding{};

    explicit Counted(Counts* c) : counts(c) {}
    Counted(Counted&& other) noexcept : counts(std::exchange(other.counts, nullptr)) {}
    Counted& operator=(Counted&&) = delete;
    ~Counted() {
        if (counts != nullptr) {
            ++counts->destroyed;
        }
    }
    void operator()() {
        ++counts->ran;
        if (!Relocatable) {
            EXPECT_EQ(self, this);
        }
    }
};

// One word, as a handle to an owner: tasks move it by copying that word alone.
struct Handle {
    static constexpr bool triviallyRelocatable = true;
    Counts* counts;

    explicit Handle(Counts* c) : counts(c) {}
    Handle(Handle&& other) noexcept : counts(std::exchange(other.counts, nullptr)) {}
    Handle& operator=(Handle&&) = delete;
    ~Handle() {
        if (counts != nullptr) {
            ++counts->destroyed;
        }
    }
    void operator()() { ++counts->ran; }
};

template <class Callable>
Counts moveAroundAndRunOnce() {
    Counts counts;
    {
        Task first{Callable(&counts)};
        Task second(std::move(first));
        std::vector<Task> tasks;
        tasks.push_back(std::move(second));
        tasks.reserve(tasks.capacity() + 8);  // moves it once more
        Task last;
        last = std::move(tasks.front());
        EXPECT_FALSE(first);
        last.runOnce();
        EXPECT_FALSE(last);
    }
    return counts;
}

// However a task moves (by bytes or through the callable's own move, inline or on the heap),
// its callable runs once and is destroyed once.
TEST(Task, ACallableRunsOnceAndIsDestroyedOnceWhereverItMoved) {
    const Counts inlineMoved = moveAroundAndRunOnce<Counted<8, false>>();
    const Counts inlineRelocated = moveAroundAndRunOnce<Counted<8, true>>();
    const Counts onTheHeap = moveAroundAndRunOnce<Counted<200, false>>();
    const Counts oneWord = moveAroundAndRunOnce<Handle>();
    for (const Counts& counts : {inlineMoved, inlineRelocated, onTheHeap, oneWord}) {
        EXPECT_EQ(counts.ran, 1);
        EXPECT_EQ(counts.destroyed, 1);
    }
}

TEST(Task, ACallableThatThrowsIsDestroyedAllTheSame) {
    Counts counts;
    struct Throwing : Counted<8, false> {
        using Counted::Counted;
        void operator()() { throw std::runtime_error("task failed"); }
    };
    Task task{Throwing(&counts)};
    EXPECT_THROW(task.runOnce(), std::runtime_error);
    EXPECT_FALSE(task);
    EXPECT_EQ(counts.destroyed, 1);
}

}  // namespace
}  // namespace varnel
