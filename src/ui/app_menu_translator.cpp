#include "ui/app_menu_translator.h"

#include <array>
#include <cstring>
#include <string_view>

#include "ui/texts.h"

namespace varnel {

namespace {

// The Quit item shows the hide command's own text, the name left to Qt's "%1".
static_assert(Texts::hideWindowCommand.ends_with(Texts::appName));
constexpr std::string_view hidePrefix =
    Texts::hideWindowCommand.substr(0, Texts::hideWindowCommand.size() - Texts::appName.size());

struct Translation {
    const char* source;
    std::string_view russian;
};

constexpr std::array<Translation, 6> fixedTranslations{{
    {"Services", "Службы"},
    {"Hide %1", "Скрыть %1"},
    {"Hide Others", "Скрыть остальные"},
    {"Show All", "Показать все"},
    {"Preferences...", "Настройки…"},
    {"About %1", "О программе %1"},
}};

}  // namespace

QString AppMenuTranslator::translate(const char* context, const char* sourceText,
                                     const char* /*disambiguation*/, int /*n*/) const {
    if (context == nullptr || sourceText == nullptr ||
        std::strcmp(context, AppMenuTranslator::context) != 0) {
        return {};
    }
    if (std::strcmp(sourceText, "Quit %1") == 0) {
        return QString::fromUtf8(hidePrefix.data(), static_cast<qsizetype>(hidePrefix.size())) +
               QStringLiteral("%1");
    }
    for (const Translation& translation : fixedTranslations) {
        if (std::strcmp(sourceText, translation.source) == 0) {
            return QString::fromUtf8(translation.russian.data(),
                                     static_cast<qsizetype>(translation.russian.size()));
        }
    }
    return {};
}

}  // namespace varnel
