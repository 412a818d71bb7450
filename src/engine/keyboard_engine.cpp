#include "engine/keyboard_engine.h"

#include "engine/modifier_handover.h"
#include "mapping/windows_mapping.h"
#include "model/flags.h"
#include "model/translatable.h"

namespace varnel {

namespace {

constexpr std::string_view tapRefusedMessage = VARNEL_TRANSLATE_NOOP(
    "Messages",
    "macOS не разрешила создать перехват клавиатуры. Проверьте Accessibility и Input Monitoring.");
constexpr std::string_view noRunLoopSourceMessage = VARNEL_TRANSLATE_NOOP(
    "Messages", "Не удалось подключить обработчик к системному циклу событий.");

}  // namespace

std::shared_ptr<KeyboardEngine> KeyboardEngine::make(EventPlatform& platform,
                                                     MainQueue& mainQueue) {
    return std::make_shared<KeyboardEngine>(platform, mainQueue);
}

KeyboardEngine::KeyboardEngine(EventPlatform& platform, MainQueue& mainQueue)
    : platform_(platform),
      mainQueue_(mainQueue),
      emitter_(platform),
      diagnostics_(mainQueue),
      rateWindowStarted_(platform.monotonicTime()) {
    mainQueue_.addBeforeWaiting(&KeyboardEngine::beforeWaiting, this);
}

KeyboardEngine::~KeyboardEngine() {
    mainQueue_.removeBeforeWaiting(this);
    std::lock_guard guard(lock_);
    onTapThread([this] { stopLocked(/*insideCallback=*/false); });
    reportState(EngineState::stopped());
    if (tapThread_ != nullptr) {
        platform_.endTapThread(tapThread_);
        tapThread_ = nullptr;
    }
}

void KeyboardEngine::reportState(const EngineState& state) {
    if (onStateChange) {
        onStateChange(state);
    }
}

bool KeyboardEngine::start() {
    std::lock_guard guard(lock_);
    bool running = false;
    onTapThread([this, &running] { running = enabled_ && eventTap_ != nullptr; });
    if (running) {
        return true;
    }
    reportState(EngineState::starting());
    if (tapThread_ == nullptr) {
        tapThread_ = platform_.startTapThread();  // none: the tap goes on the main run loop
    }
    std::optional<EngineState> failure;
    onTapThread([this, &failure] { failure = install(); });
    if (failure) {
        reportState(*failure);
        return false;
    }
    reportState(EngineState::running());
    return true;
}

std::optional<EngineState> KeyboardEngine::install() {
    removeTap();  // one retired inside its callback whose removal has not run yet
    TapRef tap = createTap(wantedEventMask());
    if (tap == nullptr) {
        return EngineState::failed(std::string(tapRefusedMessage));
    }
    RunLoopSourceRef source = platform_.createRunLoopSource(tap);
    if (source == nullptr) {
        platform_.invalidateTap(tap);
        platform_.releaseTap(tap);
        return EngineState::failed(std::string(noRunLoopSourceMessage));
    }
    eventTap_ = tap;
    runLoopSource_ = source;
    tapEventMask_ = wantedEventMask();
    platform_.addToRunLoop(tapThread_, source);
    platform_.enableTap(tap, true);
    enabled_ = true;
    keyPathChanged();
    languageChordLatched_ = false;
    // Until now every key reached the application as it is; paused, it goes on so.
    const std::uint64_t physical = platform_.physicalModifierFlags();
    const std::uint64_t asTheyAre = ModifierHandover::controlAndCommandKeys(physical);
    handOverControlAndCommand(asTheyAre, asTheyAre, physical, /*exchanged=*/!paused_);
    diagnostic_.eventTapActive = true;
    diagnostic_.typingLanguage = typingLanguage_;
    publishDiagnostic();
    return std::nullopt;
}

TapRef KeyboardEngine::createTap(std::uint64_t eventMask) {
    // Without Accessibility the system clears the key events from a tap's mask and refuses
    // only a tap left with nothing: one that also asks for modifier changes or mouse buttons
    // would be made, and remap no key.
    if (!platform_.isProcessTrusted()) {
        return nullptr;
    }
    return platform_.createTap(TapLocation::session, TapPlacement::headInsert,
                               TapOptions::activeFilter, eventMask, &KeyboardEngine::callback,
                               this);
}

void KeyboardEngine::stop() {
    std::lock_guard guard(lock_);
    onTapThread([this] { stopLocked(/*insideCallback=*/false); });
    reportState(EngineState::stopped());
}

void KeyboardEngine::stopLocked(bool insideCallback) {
    if (enabled_) {
        // Synthetic modifiers up, then the user's Control and Command keys back as they are.
        const std::uint64_t physical = platform_.physicalModifierFlags();
        emitter_.releaseAll(heldByUser(physical));
        altTabSessionActive_ = false;
        handOverControlAndCommand(applicationKeys(), applicationKeys(), physical,
                                  /*exchanged=*/false);
    }
    enabled_ = false;
    keyPathChanged();
    altTabSessionActive_ = false;
    languageChordLatched_ = false;
    languageToggleJustMade_ = false;
    forgetPendingGestures();
    suppressedKeyCodes_.reset();
    // Disabled first: an enabled tap that nobody services holds the keyboard up.
    if (eventTap_ != nullptr && !tapRetired_) {
        platform_.enableTap(eventTap_, false);
    }
    if (!insideCallback) {
        removeTap();
    } else if (eventTap_ != nullptr && !tapRetired_) {
        // Ending a tap inside its own callback is not something the system promises to
        // survive: the rest waits until the callback has returned, and the main thread asks
        // the tap thread for it.
        tapRetired_ = true;
        later([](KeyboardEngine& self) {
            std::lock_guard guard(self.lock_);
            self.onTapThread([&self] {
                if (self.tapRetired_) {
                    self.removeTap();
                }
            });
        });
    }
    diagnostic_.eventTapActive = false;
    publishDiagnostic();
}

void KeyboardEngine::removeTap() {
    if (runLoopSource_ != nullptr) {
        platform_.removeFromRunLoop(tapThread_, runLoopSource_);
    }
    if (eventTap_ != nullptr) {
        platform_.invalidateTap(eventTap_);
    }
    if (runLoopSource_ != nullptr) {
        platform_.releaseRunLoopSource(runLoopSource_);
        runLoopSource_ = nullptr;
    }
    if (eventTap_ != nullptr) {
        platform_.releaseTap(eventTap_);
        eventTap_ = nullptr;
    }
    tapRetired_ = false;
}

// Only the rate guard, inside the tap's callback, enters it.
void KeyboardEngine::enterSafeMode(std::string_view message) {
    stopLocked(/*insideCallback=*/true);
    report([message = std::string(message)](KeyboardEngine& self) {
        if (self.onStateChange) {
            self.onStateChange(EngineState::safeMode(message));
        }
        if (self.onEmergencyStop) {
            self.onEmergencyStop();
        }
    });
}

void KeyboardEngine::setTypingLanguage(WindowsTypingLanguage language) {
    onTapThread([this, language] {
        typingLanguage_ = language;
        diagnostic_.typingLanguage = language;
        publishDiagnostic();
    });
}

void KeyboardEngine::setOptions(const KeyboardOptions& options) {
    ownerOptions_ = options;
    onTapThread([this, &options] {
        options_ = options;
        refreshEventMask();
    });
}

bool KeyboardEngine::isPaused() {
    bool paused = false;
    onTapThread([this, &paused] { paused = paused_; });
    return paused;
}

KeyContext KeyboardEngine::keyContext() {
    KeyContext context;
    onTapThread([this, &context] { context = keyContext_; });
    return context;
}

// Inlined into the delivery before waiting, which runs after nearly every key.
[[gnu::always_inline]] inline void KeyboardEngine::deliverDiagnostic(const DiagnosticFacts& facts) {
    if (onDiagnosticChange) {  // with no owner listening, no text is put together
        onDiagnosticChange(diagnostics_.render(facts));
    }
}

// Added in the constructor and removed in the destructor, both on the main thread, so the
// engine is alive whenever this runs. Most turns have only the live facts to deliver.
void KeyboardEngine::beforeWaiting(void* engine) {
    auto& self = *static_cast<KeyboardEngine*>(engine);
    if (!self.diagnostics_.awake()) {
        return;
    }
    DiagnosticFacts facts;
    DiagnosticMailbox::Due due = self.diagnostics_.takeDue(facts);
    if (due == DiagnosticMailbox::Due::posted) [[unlikely]] {
        if (!self.runPosted()) {
            return;  // the owner let the engine go
        }
        due = self.diagnostics_.takeDue(facts);
    }
    if (due == DiagnosticMailbox::Due::live) {
        self.deliverDiagnostic(facts);
    }
}

// Posted work in order, each report after the facts held back for it. A report reaches the
// owner, which may let the engine go; false then. Rare enough for a std::weak_ptr.
bool KeyboardEngine::runPosted() {
    const std::weak_ptr<KeyboardEngine> alive = weak_from_this();
    while (diagnostics_.hasPosted()) {
        DiagnosticMailbox::Posted posted = diagnostics_.takePosted();
        if (posted.deliverFirst) {
            deliverDiagnostic(posted.facts);
            if (alive.expired()) {
                return false;
            }
        }
        posted.work();
        if (alive.expired()) {
            return false;
        }
    }
    return true;
}

}  // namespace varnel
