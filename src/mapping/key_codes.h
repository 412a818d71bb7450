#pragma once

#include <cstdint>
#include <initializer_list>

#include "model/flags.h"

namespace varnel::WindowsMapping {

// Key codes the rules use, named after the US ANSI key at that position.
namespace Key {
inline constexpr std::uint16_t a = 0, s = 1, d = 2, f = 3, h = 4, g = 5, z = 6, x = 7, c = 8, v = 9,
                               b = 11, q = 12, w = 13, e = 14, r = 15, y = 16, t = 17, o = 31,
                               u = 32, i = 34, p = 35, l = 37, j = 38, k = 40, n = 45, m = 46;
inline constexpr std::uint16_t four = 21;
inline constexpr std::uint16_t minus = 27;
inline constexpr std::uint16_t rightBracket = 30;
inline constexpr std::uint16_t leftBracket = 33;
inline constexpr std::uint16_t enter = 36;
inline constexpr std::uint16_t backslash = 42;
inline constexpr std::uint16_t period = 47;
inline constexpr std::uint16_t tab = 48;
inline constexpr std::uint16_t space = 49;
inline constexpr std::uint16_t grave = 50;
inline constexpr std::uint16_t backspace = 51;
inline constexpr std::uint16_t escape = 53;
inline constexpr std::uint16_t f1 = 122, f2 = 120, f3 = 99, f4 = 118, f5 = 96, f6 = 97, f7 = 98,
                               f8 = 100, f9 = 101, f10 = 109, f11 = 103, f12 = 111;
inline constexpr std::uint16_t printScreen = 105;
inline constexpr std::uint16_t insert = 114;
inline constexpr std::uint16_t home = 115;
inline constexpr std::uint16_t pageUp = 116;
inline constexpr std::uint16_t forwardDelete = 117;
inline constexpr std::uint16_t end = 119;
inline constexpr std::uint16_t pageDown = 121;
inline constexpr std::uint16_t leftArrow = 123;
inline constexpr std::uint16_t rightArrow = 124;
inline constexpr std::uint16_t downArrow = 125;
inline constexpr std::uint16_t upArrow = 126;
}  // namespace Key

// The four modifiers as the rules name them, one bit each, read from an event's flags in one
// shift: Shift, Control, Option and Command are four bits in a row.
namespace Held {
inline constexpr unsigned shift = 1, ctrl = 2, alt = 4, win = 8;
static_assert(Flags::shift << 1 == Flags::control && Flags::control << 1 == Flags::option &&
              Flags::option << 1 == Flags::command);
constexpr unsigned of(std::uint64_t flags) {
    return static_cast<unsigned>(flags / Flags::shift) & 0xF;
}
}  // namespace Held

// A set of key codes below 128, tested in one shift.
class KeySet {
  public:
    constexpr KeySet(std::initializer_list<std::uint16_t> keys) {
        for (std::uint16_t key : keys) {
            (key < 64 ? low_ : high_) |= std::uint64_t{1} << (key % 64);
        }
    }
    constexpr bool contains(std::uint16_t key) const {
        return key < 128 && ((key < 64 ? low_ : high_) >> (key % 64) & 1) != 0;
    }
    friend constexpr KeySet operator|(KeySet a, KeySet b) {
        a.low_ |= b.low_;
        a.high_ |= b.high_;
        return a;
    }

  private:
    std::uint64_t low_ = 0;
    std::uint64_t high_ = 0;
};

inline constexpr KeySet arrows{Key::leftArrow, Key::rightArrow, Key::downArrow, Key::upArrow};
inline constexpr KeySet pageKeys{Key::home, Key::end, Key::pageUp, Key::pageDown};
inline constexpr KeySet functionKeys{Key::f1, Key::f2, Key::f3, Key::f4,  Key::f5,  Key::f6,
                                     Key::f7, Key::f8, Key::f9, Key::f10, Key::f11, Key::f12};
inline constexpr KeySet letters{Key::a, Key::b, Key::c, Key::d, Key::e, Key::f, Key::g,
                                Key::h, Key::i, Key::j, Key::k, Key::l, Key::m, Key::n,
                                Key::o, Key::p, Key::q, Key::r, Key::s, Key::t, Key::u,
                                Key::v, Key::w, Key::x, Key::y, Key::z};

}  // namespace varnel::WindowsMapping
