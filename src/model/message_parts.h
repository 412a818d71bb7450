#pragma once

#include <array>
#include <string_view>

#include "model/translatable.h"

namespace varnel::MessageParts {

// The fixed pieces of the core's texts that are put together with something else (a name, a
// number, what was typed): the interface translates a text it does not know whole piece by
// piece around these.
inline constexpr std::string_view systemInputSource =
    VARNEL_TRANSLATE_NOOP("Messages", " · системная: ");
inline constexpr std::string_view loginItemFailure =
    VARNEL_TRANSLATE_NOOP("Messages", "Не удалось изменить автозапуск: ");
inline constexpr std::string_view inputSourceEnableFailure =
    VARNEL_TRANSLATE_NOOP("Messages", "macOS не смогла включить системную раскладку. Код ошибки: ");
inline constexpr std::string_view inputSourceSelectFailure = VARNEL_TRANSLATE_NOOP(
    "Messages", "macOS не смогла переключить системную раскладку. Код ошибки: ");
inline constexpr std::string_view inputSourceFailureEnd =
    VARNEL_TRANSLATE_NOOP("Messages", ". Встроенная раскладка Varnel продолжит работать.");
inline constexpr std::string_view typedText = VARNEL_TRANSLATE_NOOP("Messages", "Windows-текст: ");
// Followed by the key code and ")".
inline constexpr std::string_view unknownKey = VARNEL_TRANSLATE_NOOP("Messages", "Клавиша (код ");

inline constexpr std::array all{
    systemInputSource,
    loginItemFailure,
    inputSourceEnableFailure,
    inputSourceSelectFailure,
    inputSourceFailureEnd,
    typedText,
    unknownKey,
};

}  // namespace varnel::MessageParts
