#pragma once

#include "engine/event_platform.h"

namespace varnel {

// The keyboard event tap and synthetic events on CoreGraphics and CoreFoundation. Events
// are CGEventRefs handed through untouched; each call is the one platform call it names.
class MacEventPlatform : public EventPlatform {
  public:
    TapThreadRef startTapThread() override;
    void runOnTapThread(TapThreadRef thread, void (*work)(void* context), void* context) override;
    void endTapThread(TapThreadRef thread) override;
    TapRef createTap(TapLocation location, TapPlacement placement, TapOptions options,
                     std::uint64_t eventMask, TapCallback callback, void* userInfo) override;
    RunLoopSourceRef createRunLoopSource(TapRef tap) override;
    void addToRunLoop(TapThreadRef thread, RunLoopSourceRef source) override;
    void removeFromRunLoop(TapThreadRef thread, RunLoopSourceRef source) override;
    void enableTap(TapRef tap, bool enable) override;
    void invalidateTap(TapRef tap) override;
    void releaseTap(TapRef tap) override;
    void releaseRunLoopSource(RunLoopSourceRef source) override;
    bool isProcessTrusted() override;
    std::int64_t integerField(EventRef event, EventField field) override;
    void setIntegerField(EventRef event, EventField field, std::int64_t value) override;
    // KBGetLayoutType (HIToolbox).
    KeyboardType keyboardLayoutType(std::int64_t keyboardType) override;
    std::uint64_t flags(EventRef event) override;
    void setFlags(EventRef event, std::uint64_t flags) override;
    EventSourceRef createEventSource(EventSourceState state) override;
    void releaseEventSource(EventSourceRef source) override;
    EventRef createKeyboardEvent(EventSourceRef source, std::uint16_t keyCode,
                                 bool keyDown) override;
    void setUnicodeString(EventRef event, const char16_t* units, std::size_t count) override;
    void postEvent(TapLocation location, EventRef event) override;
    void releaseEvent(EventRef event) override;
    std::uint64_t physicalModifierFlags() override;
    double monotonicTime() override;
};

}  // namespace varnel
