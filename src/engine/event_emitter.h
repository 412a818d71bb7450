#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <string_view>

#include "engine/event_platform.h"
#include "engine/spin_lock.h"
#include "model/flags.h"
#include "model/key_chord.h"

namespace varnel {

// The only producer of synthetic keyboard events. It keeps track of the modifiers it holds
// down, so that every posted event carries consistent flags and every modifier it pressed
// is released again. Every event it posts carries the engine's marker.
//
// `held`, where a call takes it: the modifier flags, device bits included, that the
// application already holds from keys the user is pressing, as the application sees them.
// Posted modifier events carry them, so that releasing a synthetic modifier never lifts a
// key the user still holds, and a chord neither presses nor releases a modifier that is
// already down.
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

    // Posts the chord: its modifiers not already down go down, the key goes down and up with
    // exactly the chord's modifiers (and the synthetic ones held, and Fn when the chord has
    // it), and those modifiers come up again in reverse order.
    void tap(const KeyChord& chord, std::uint64_t held = 0);
    // Posts the key down and up under the held synthetic modifiers and `extraFlags`.
    void tapKey(std::uint16_t keyCode, std::uint64_t extraFlags = 0);
    // Presses a modifier and leaves it down; does nothing when it is already held.
    void hold(Modifier modifier, std::uint64_t held = 0);
    // Releases a held modifier; does nothing when it is not held.
    void release(Modifier modifier, std::uint64_t held = 0);
    // Releases every held modifier, Shift first and Command last.
    void releaseAll(std::uint64_t held = 0);
    // Posts one key-down and key-up pair on `keyCode`, without flags, carrying the whole text.
    void emitText(std::string_view text, std::uint16_t keyCode);
    // Posts one modifier key event (flags-changed) with exactly these flags, which say
    // whether the key is down; for handing keys over from one mapping to another.
    void postModifierKey(std::uint16_t keyCode, bool down, std::uint64_t flags);

    bool isHolding(Modifier modifier) const;
    bool holdsAnyModifier() const;

    // The modifier bit and the device bit of the key the emitter posts for it.
    static constexpr std::uint64_t flag(Modifier modifier) {
        switch (modifier) {
            case Modifier::command: return Flags::command | Flags::leftCommand;
            case Modifier::control: return Flags::control | Flags::leftControl;
            case Modifier::option: return Flags::option | Flags::leftOption;
            case Modifier::shift: return Flags::shift | Flags::leftShift;
        }
        return 0;
    }
    static std::uint16_t keyCode(Modifier modifier);

  private:
    std::uint64_t activeFlags() const;
    void postModifier(Modifier modifier, bool keyDown, std::uint64_t held);
    void post(std::uint16_t keyCode, bool keyDown, std::uint64_t flags,
              std::u16string_view text = {});

    EventPlatform& platform_;
    EventSourceRef source_;
    std::uint8_t heldModifiers_ = 0;  // one bit per Modifier
    mutable SpinLock lock_;           // one posting operation at a time
};

}  // namespace varnel
