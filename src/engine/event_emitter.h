#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <string_view>

#include "engine/event_platform.h"
#include "model/key_chord.h"

namespace varnel {

// The only producer of synthetic keyboard events. It keeps track of the modifiers it holds
// down, so that every posted event carries consistent flags and every modifier it pressed
// is released again. Every event it posts carries the engine's marker.
class EventEmitter {
  public:
    enum class Modifier : std::uint8_t { command, control, option, shift };
    static constexpr std::array<Modifier, 4> allModifiers{Modifier::command, Modifier::control,
                                                          Modifier::option, Modifier::shift};

    explicit EventEmitter(EventPlatform& platform);
    // Posts nothing and releases no held modifier: the engine releases them on every stop.
    ~EventEmitter();
    EventEmitter(const EventEmitter&) = delete;
    EventEmitter& operator=(const EventEmitter&) = delete;

    // Posts the chord: its modifiers not already held go down, the key goes down and up,
    // and those modifiers come up again in reverse order.
    void tap(const KeyChord& chord);
    // Posts the key down and up under the held modifiers.
    void tapKey(std::uint16_t keyCode);
    // Presses a modifier and leaves it down; does nothing when it is already held.
    void hold(Modifier modifier);
    // Releases a held modifier; does nothing when it is not held.
    void release(Modifier modifier);
    // Releases every held modifier, Shift first and Command last.
    void releaseAll();
    // Posts one key-down and key-up pair (key code 0, no flags) carrying the whole text.
    void emitText(std::string_view text);

    bool isHolding(Modifier modifier) const;
    bool holdsAnyModifier() const;

    static std::uint64_t flag(Modifier modifier);
    static std::uint16_t keyCode(Modifier modifier);

  private:
    std::uint64_t activeFlags() const;
    void postModifier(Modifier modifier, bool keyDown);
    void post(std::uint16_t keyCode, bool keyDown, std::uint64_t flags,
              std::u16string_view text = {});

    EventPlatform& platform_;
    EventSourceRef source_;
    std::uint8_t heldModifiers_ = 0;  // one bit per Modifier
    mutable std::mutex lock_;
};

}  // namespace varnel
