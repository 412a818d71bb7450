#include <gtest/gtest.h>

#include "invariant_run.h"

namespace varnel {
namespace {

TEST(Invariants, HoldOverRandomStreams) {
    for (std::uint64_t seed : {1u, 2u, 3u, 20261210u}) {
        InvariantRun run(seed);
        const auto broken = run.run(40000);
        ASSERT_FALSE(broken.has_value()) << "seed " << seed << ": " << *broken;
        EXPECT_GT(run.counts().quietChecks, 100u);
        EXPECT_GT(run.counts().emergencyChords, 0u);
    }
}

}  // namespace
}  // namespace varnel
