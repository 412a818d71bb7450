#include "engine/diagnostic_facts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mapping/windows_mapping.h"
#include "model/flags.h"
#include "model/keyboard_options.h"

namespace varnel {
namespace {

// The tap keeps typed text by value: every text of the built-in layouts must fit whole.
TEST(DiagnosticFacts, EveryLayoutTextFitsTheTypedBuffer) {
    for (WindowsTypingLanguage language : WindowsTypingLanguage::allCases()) {
        for (std::uint16_t code = 0; code < 128; ++code) {
            for (std::uint64_t flags : {std::uint64_t{0}, Flags::shift, Flags::capsLock,
                                        Flags::shift | Flags::capsLock}) {
                const auto text = WindowsMapping::printableText(code, flags, language);
                if (!text) {
                    continue;
                }
                LastAction action;
                DescriptionCache descriptions;
                action.setTyped(*text);
                DiagnosticSnapshot::ActionText shown;
                action.write(shown, descriptions);
                EXPECT_EQ(shown, "Windows-текст: " + std::string(*text)) << code;
            }
        }
    }
}

// The snapshot keeps what became of a key in place: every chord the mapping can emit (and
// every reason it swallows a key), in every profile, in and out of a text field, under any
// option flipped from the defaults, must be shown by its whole name.
TEST(DiagnosticFacts, EveryChordNameFitsTheShownText) {
    std::vector<KeyboardOptions> variants{KeyboardOptions::windowsDefaults};
    for (const KeyboardOptions::Field& field : KeyboardOptions::fields) {
        variants.push_back(KeyboardOptions::windowsDefaults);
        variants.back().*field.member = !(variants.back().*field.member);
    }
    std::vector<KeyContext> contexts;
    for (const ApplicationProfile profile : allProfiles) {
        for (const ApplicationVariant variant :
             {ApplicationVariant::none, ApplicationVariant::safari, ApplicationVariant::vsCode,
              ApplicationVariant::jetBrains, ApplicationVariant::excel}) {
            for (const bool textFocused : {true, false}) {
                KeyContext context;
                context.application = {profile, variant};
                context.textFocused = textFocused;
                context.filesCut = true;
                context.windowTiling = true;
                contexts.push_back(context);
            }
        }
    }
    const std::uint64_t modifiers[] = {Flags::shift, Flags::control, Flags::option, Flags::command};
    std::size_t named = 0;
    for (const KeyboardOptions& options : variants) {
        for (const KeyContext& context : contexts) {
            for (std::uint16_t code = 0; code < 128; ++code) {
                for (std::uint32_t combination = 0; combination < 16; ++combination) {
                    std::uint64_t flags = 0;
                    for (int bit = 0; bit < 4; ++bit) {
                        flags |= combination >> bit & 1u ? modifiers[bit] : 0;
                    }
                    const WindowsSpecialAction action =
                        WindowsMapping::specialAction(code, flags, options, context);
                    if (action.kind() != WindowsSpecialAction::Case::emit &&
                        action.kind() != WindowsSpecialAction::Case::swallow) {
                        continue;
                    }
                    ++named;
                    const std::string_view name = action.displayName();
                    ASSERT_LE(name.size(), DiagnosticSnapshot::ActionText::capacity) << name;
                }
            }
        }
    }
    EXPECT_GT(named, 0u);
}

// A longer text would keep whole characters only, never half of one.
TEST(DiagnosticFacts, ALongerTypedTextKeepsWholeCharacters) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"abcdefghijklmnopq", "Windows-текст: abcdefghijklmno"},
        {"ёёёёёёёёё", "Windows-текст: ёёёёёёё"},
        {"aёёёёёёёё", "Windows-текст: aёёёёёёё"},
    };
    for (const Case& c : cases) {
        LastAction action;
        DescriptionCache descriptions;
        action.setTyped(c.typed);
        DiagnosticSnapshot::ActionText shown;
        action.write(shown, descriptions);
        EXPECT_EQ(shown, c.shown) << c.typed;
    }
}

// The cache answers what KeyNames writes, for every key code a keyboard sends (and some it
// does not) under every combination of the four modifiers, on each kind of keyboard, also
// once other keys have taken its slots; the bits beside the four (device bits, Fn) do not
// change the answer.
TEST(DescriptionCache, AnswersWhatKeyNamesWrites) {
    DescriptionCache cache;
    const std::uint64_t modifiers[] = {Flags::shift, Flags::control, Flags::option, Flags::command};
    for (int round = 0; round < 2; ++round) {
        for (KeyboardType keyboard : {KeyboardType::ansi, KeyboardType::iso, KeyboardType::jis}) {
            cache.nameFor(keyboard);
            for (std::uint32_t code = 0; code < 140; code += code < 130 ? 1 : 9) {
                for (std::uint32_t combination = 0; combination < 16; ++combination) {
                    std::uint64_t flags = round == 0 ? 0 : Flags::leftControl | Flags::secondaryFn;
                    for (int bit = 0; bit < 4; ++bit) {
                        flags |= combination >> bit & 1u ? modifiers[bit] : 0;
                    }
                    const auto keyCode = static_cast<std::uint16_t>(code);
                    EXPECT_EQ(cache.physical(keyCode, flags),
                              KeyNames::physicalDescription(keyCode, flags, keyboard))
                        << code << " " << combination << " " << static_cast<int>(keyboard);
                }
            }
        }
    }
    EXPECT_EQ(cache.physical(0xFFFF, Flags::control), "Ctrl + Клавиша (код 65535)");
}

}  // namespace
}  // namespace varnel
