// The engine on two real threads: the platform's tap thread types at full speed while the main
// thread changes everything the owner can change, starts and stops. Built with the tsan preset,
// ThreadSanitizer watches every value that crosses; in any build, what the application holds
// at the end must match the keyboard, and the engine may touch the tap from its own thread
// only.

#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "engine/keyboard_engine.h"
#include "model/flags.h"
#include "platform/sim/manual_main_queue.h"
#include "platform/sim/sim_clock.h"
#include "threaded_platform.h"

namespace varnel {
namespace {

constexpr auto stressTime = std::chrono::seconds(3);

KeyContext randomContext(std::mt19937_64& random) {
    KeyContext context;
    context.application.profile = allProfiles[random() % allProfiles.size()];
    context.textFocused = random() % 2 == 0;
    context.windowTiling = random() % 2 == 0;
    return context;
}

TEST(EngineThreads, OwnerAndTapShareOnlyWhatIsHandedOver) {
    ThreadedPlatform platform;
    SimClock clock;
    ManualMainQueue queue(clock);
    std::mt19937_64 random(1);
    std::uint64_t states = 0, snapshots = 0;
    {
        auto engine = KeyboardEngine::make(platform, queue);
        KeyboardEngine* raw = engine.get();
        engine->onStateChange = [&states](const EngineState&) { ++states; };
        engine->onDiagnosticChange = [&snapshots](const DiagnosticSnapshot&) { ++snapshots; };
        // As the owner does: the stop after an emergency chord or safe mode, on the main queue.
        engine->onEmergencyStop = [&queue, raw] { queue.async([raw] { raw->stop(); }); };
        ASSERT_TRUE(engine->start());

        const auto until = std::chrono::steady_clock::now() + stressTime;
        while (std::chrono::steady_clock::now() < until) {
            switch (random() % 9) {
                case 0: {
                    KeyboardOptions options;
                    for (const auto& field : KeyboardOptions::fields) {
                        options.*field.member = random() % 4 != 0;
                    }
                    engine->setOptions(options);
                    break;
                }
                case 1:
                    engine->setTypingLanguage(random() % 2 ? WindowsTypingLanguage::russian
                                                           : WindowsTypingLanguage::english);
                    break;
                case 2: engine->setPaused(random() % 3 == 0); break;
                case 3: engine->setKeyContext(randomContext(random)); break;
                case 5: engine->stop(); break;
                case 6: engine->start(); break;
                default:
                    while (queue.runOne()) {  // the main thread's turn: reports, diagnostics
                    }
            }
        }
        platform.releaseEverything();
        engine->setPaused(false);
        engine->stop();
        while (queue.runOne()) {
        }
        EXPECT_FALSE(engine->holdsSyntheticModifier());
        EXPECT_EQ(platform.applicationKeysDown(), 0u);
        EXPECT_EQ(platform.applicationFlags(), 0u);
    }
    EXPECT_EQ(platform.wrongThreadCalls(), 0u);
    EXPECT_EQ(platform.liveEvents(), 0);
    EXPECT_GT(platform.physicalEvents(), 10000u);
    EXPECT_GT(states, 0u);
    EXPECT_GT(snapshots, 0u);
}

}  // namespace
}  // namespace varnel
