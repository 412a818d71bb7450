#include "engine/diagnostic_facts.h"

#include "model/key_names.h"
#include "model/message_parts.h"

namespace varnel {

namespace {

constexpr std::string_view emergencyAction =
    VARNEL_TRANSLATE_NOOP("Messages", "Аварийное отключение");
constexpr std::string_view altTabAction = "Alt + Tab → Command + Tab";
constexpr std::string_view altShiftTabAction = "Alt + Shift + Tab → Command + Shift + Tab";
constexpr std::string_view languageSwitchPrefix = "Shift + Alt → ";

}  // namespace

void LastAction::writeOther(DiagnosticSnapshot::ActionText& out) const {
    switch (kind_) {
        case Kind::none: out.assign(LastAction::nothingYet); return;
        case Kind::passed: return;  // write() copies it from the description cache
        case Kind::chord: out.assign(chordName_); return;
        case Kind::typed: out.assign(MessageParts::typedText).append(typed_); return;
        case Kind::altTab: out.assign(altTabAction); return;
        case Kind::altShiftTab: out.assign(altShiftTabAction); return;
        case Kind::switcherKey: {
            const std::string_view name = KeyNames::tableName(keyCode_);
            out.assign("Alt + ").append(name).append(" → Command + ").append(name);
            return;
        }
        case Kind::emergencyStop: out.assign(emergencyAction); return;
        case Kind::languageSwitched:
            out.assign(languageSwitchPrefix).append(language_.displayName());
            return;
    }
}

void DiagnosticFacts::renderForKeyboard(DiagnosticSnapshot& snapshot, DiagnosticFacts& shown,
                                        DescriptionCache& descriptions) const {
    descriptions.nameFor(keyboardType().value_or(KeyboardType::ansi));
    lastPhysicalKey.write(snapshot.lastPhysicalKey, descriptions);
    shown.lastPhysicalKey = lastPhysicalKey;
    lastAction.write(snapshot.lastTransformedAction, descriptions);
    shown.lastAction = lastAction;
    shown.keyboard = keyboard;
    snapshot.keyboardType = keyboardType();
}

}  // namespace varnel
