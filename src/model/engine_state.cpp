#include "model/engine_state.h"

#include "model/translatable.h"

namespace varnel {

std::string_view EngineState::title() const {
    switch (kind_) {
        case Case::stopped: return VARNEL_TRANSLATE_NOOP("Messages", "Выключено");
        case Case::starting: return VARNEL_TRANSLATE_NOOP("Messages", "Запуск…");
        case Case::running: return VARNEL_TRANSLATE_NOOP("Messages", "Windows-режим работает");
        case Case::missingPermissions: return VARNEL_TRANSLATE_NOOP("Messages", "Нужны разрешения");
        case Case::safeMode: return VARNEL_TRANSLATE_NOOP("Messages", "Безопасный режим");
        case Case::failed: return VARNEL_TRANSLATE_NOOP("Messages", "Ошибка");
    }
    return {};
}

std::string_view EngineState::symbol() const {
    switch (kind_) {
        case Case::stopped: return "power";
        case Case::starting: return "hourglass";
        case Case::running: return "checkmark.circle.fill";
        case Case::missingPermissions: return "lock.trianglebadge.exclamationmark";
        case Case::safeMode: return "exclamationmark.shield.fill";
        case Case::failed: return "xmark.octagon.fill";
    }
    return {};
}

std::optional<std::string> EngineState::detail() const {
    if (kind_ == Case::safeMode || kind_ == Case::failed) {
        return message_;
    }
    return std::nullopt;
}

std::string_view EngineState::caseName() const {
    switch (kind_) {
        case Case::stopped: return "stopped";
        case Case::starting: return "starting";
        case Case::running: return "running";
        case Case::missingPermissions: return "missingPermissions";
        case Case::safeMode: return "safeMode";
        case Case::failed: return "failed";
    }
    return {};
}

}  // namespace varnel
