#include "platform/qt/qt_main_queue.h"

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <string>
#include <vector>

#include "engine/keyboard_engine.h"
#include "heap_allocations.h"
#include "platform/sim/sim_event_system.h"
#include "platform/sim/sim_keyboard.h"

namespace varnel {
namespace {

// Runs Qt's event loop through one turn: it runs what was posted, is about to wait, and quits
// there. A zero timer would not do: whether it fires before the loop is about to wait is up to
// the event dispatcher (glib's or Qt's own, as on a Mac).
void runUntilTheLoopWaits() {
    // Connected after the engine's work before waiting, so that it runs first.
    const QMetaObject::Connection quit = QObject::connect(QAbstractEventDispatcher::instance(),
                                                          &QAbstractEventDispatcher::aboutToBlock,
                                                          [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    QObject::disconnect(quit);
}

// The engine on the application's own main queue, as on a Mac: a key, and a report to the
// owner, cost the tap no allocation and post nothing to Qt (a posted call allocates its event
// and takes Qt's lock); the owner hears of them when the loop is about to wait.
TEST(QtMainQueueTest, KeysQueueNothingAndTheDiagnosticsArriveBeforeTheLoopWaits) {
    constexpr std::uint16_t leftCtrl = 59, c = 8, leftShift = 56, leftAlt = 58;
    SimClock clock;
    SimEventSystem events{clock};
    SimKeyboard keyboard{events};
    QtMainQueue queue;
    auto engine = KeyboardEngine::make(events, queue);
    std::vector<DiagnosticSnapshot> heard;
    heard.reserve(4);
    engine->onDiagnosticChange = [&](const DiagnosticSnapshot& s) { heard.push_back(s); };
    ASSERT_TRUE(engine->start());
    const auto ctrlC = [&] {
        keyboard.press(leftCtrl);
        keyboard.press(c);  // passes as Command + C
        keyboard.release(c);
        keyboard.release(leftCtrl);
    };
    ctrlC();  // once, so that every buffer on the way has its size
    runUntilTheLoopWaits();
    heard.clear();

    const std::uint64_t before = heapAllocations();
    ctrlC();
    EXPECT_EQ(heapAllocations() - before, 0u);
    EXPECT_TRUE(heard.empty());

    runUntilTheLoopWaits();
    ASSERT_EQ(heard.size(), 1u);  // the four events share one delivery
    EXPECT_EQ(heard[0].lastPhysicalKey, "Left Ctrl");
    EXPECT_EQ(heard[0].processedEvents, 8);

    // A report from the tap (Shift + Alt switches the language) is posted nowhere either:
    // the owner hears it, after the diagnostics of its moment, before the loop waits.
    std::vector<std::string> order;
    order.reserve(8);
    engine->onLanguageToggle = [&](WindowsTypingLanguage) { order.push_back("language"); };
    engine->onDiagnosticChange = [&](const DiagnosticSnapshot& s) {
        order.emplace_back(s.lastTransformedAction);
    };
    const std::uint64_t beforeSwitch = heapAllocations();
    keyboard.press(leftShift);
    keyboard.press(leftAlt);
    keyboard.release(leftAlt);
    keyboard.release(leftShift);
    EXPECT_EQ(heapAllocations() - beforeSwitch, 0u);
    EXPECT_TRUE(order.empty());
    runUntilTheLoopWaits();
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0], "Shift + Alt → Русская · Windows");
    EXPECT_EQ(order[1], "language");

    // Gone with its engine: the loop turns without it.
    engine.reset();
    runUntilTheLoopWaits();
    EXPECT_EQ(heard.size(), 1u);
}

}  // namespace
}  // namespace varnel
