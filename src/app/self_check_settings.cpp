// The self-check's reading of the stored settings: what is under each key and what Varnel
// makes of it, without changing it.

#include "app/self_check.h"

#include "app/app_state.h"
#include "model/excluded_applications.h"
#include "model/keyboard_options.h"
#include "model/translatable.h"
#include "model/windows_typing_language.h"

namespace varnel {

namespace {

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

SelfCheck::StoredValue storedOptions(SettingsStore& settings) {
    const std::string key(AppState::optionsKey);
    const std::optional<std::string> bytes = settings.data(key);
    if (!bytes) {
        return {key,
                VARNEL_TRANSLATE_NOOP("SelfCheck", "нет: действуют настройки по умолчанию"),
                {},
                true};
    }
    const std::string size = std::to_string(bytes->size());
    const Decoded<KeyboardOptions> decoded = KeyboardOptions::decode(*bytes);
    if (!decoded) {
        return {key,
                VARNEL_TRANSLATE_NOOP("SelfCheck",
                                      "%1 Б, не читается (%2): их заменяют настройки по умолчанию"),
                {size, decoded.error().message},
                false};
    }
    return {key, VARNEL_TRANSLATE_NOOP("SelfCheck", "%1 Б: %2"), {size, *bytes}, true};
}

SelfCheck::StoredValue storedLanguage(SettingsStore& settings) {
    const std::string key(AppState::typingLanguageKey);
    const std::optional<std::string> text = settings.string(key);
    if (!text) {
        return {key,
                VARNEL_TRANSLATE_NOOP("SelfCheck", "нет: язык следует текущему источнику ввода"),
                {},
                true};
    }
    if (!WindowsTypingLanguage::fromRawValue(*text)) {
        return {key,
                VARNEL_TRANSLATE_NOOP("SelfCheck", "%1, не язык: решает текущий источник ввода"),
                {quoted(*text)},
                false};
    }
    return {key, "%1", {quoted(*text)}, true};
}

SelfCheck::StoredValue storedExclusions(SettingsStore& settings) {
    const std::string key(AppState::excludedApplicationsKey);
    const std::optional<std::string> bytes = settings.data(key);
    if (!bytes) {
        return {
            key,
            VARNEL_TRANSLATE_NOOP("SelfCheck",
                                  "нет: первый запуск оставит без переназначения установленные "
                                  "удалённые рабочие столы и виртуальные машины, следующий — ни "
                                  "одного приложения"),
            {},
            true};
    }
    const Decoded<ExcludedApplications> decoded = ExcludedApplications::decode(*bytes);
    if (!decoded) {
        return {key,
                VARNEL_TRANSLATE_NOOP("SelfCheck", "не читается (%1): его заменяет пустой список"),
                {decoded.error().message},
                false};
    }
    return {key, "%1", {*bytes}, true};
}

SelfCheck::StoredValue storedLaunchAtLogin(SettingsStore& settings) {
    const std::string key(AppState::launchAtLoginKey);
    const std::optional<std::string> text = settings.string(key);
    if (!text) {
        return {key,
                VARNEL_TRANSLATE_NOOP("SelfCheck",
                                      "нет: первый запуск из папки «Программы» включит запуск при "
                                      "входе, следующий оставит его как есть"),
                {},
                true};
    }
    if (*text == AppState::loginItemAtFirstStart) {
        return {key,
                VARNEL_TRANSLATE_NOOP(
                    "SelfCheck", "%1: первый запуск из папки «Программы» включит запуск при входе"),
                {quoted(*text)},
                true};
    }
    if (*text == AppState::loginItemUserDecides) {
        return {
            key,
            VARNEL_TRANSLATE_NOOP("SelfCheck", "%1: запуск при входе меняет только пользователь"),
            {quoted(*text)},
            true};
    }
    return {key,
            VARNEL_TRANSLATE_NOOP("SelfCheck",
                                  "%1, не читается: запуск при входе меняет только пользователь"),
            {quoted(*text)},
            false};
}

}  // namespace

std::vector<SelfCheck::StoredValue> SelfCheck::storedSettings(SettingsStore& settings) {
    const bool modeEnabled = settings.boolValue(AppState::modeEnabledKey);
    return {storedOptions(settings),
            storedLanguage(settings),
            {std::string(AppState::modeEnabledKey), "%1", {modeEnabled ? "true" : "false"}, true},
            storedExclusions(settings),
            storedLaunchAtLogin(settings)};
}

}  // namespace varnel
