#include "ui/app_menu_translator.h"

#include <array>
#include <cstring>

#include "ui/texts.h"
#include "ui/theme.h"
#include "ui/translation.h"

namespace varnel {

namespace {

struct Item {
    const char* source;
    Texts::Text text;
};

constexpr std::array<Item, 7> items{{
    {"Services", Texts::appMenuServices},
    {"Hide %1", Texts::appMenuHide},
    {"Hide Others", Texts::appMenuHideOthers},
    {"Show All", Texts::appMenuShowAll},
    {"Preferences...", Texts::appMenuSettings},
    {"About %1", Texts::appMenuAbout},
    {"Quit %1", Texts::hideWindowCommand},
}};

}  // namespace

// Looked up in the interface's translation itself, not through the application's translators,
// of which this is one.
QString AppMenuTranslator::translate(const char* context, const char* sourceText,
                                     const char* /*disambiguation*/, int /*n*/) const {
    if (context == nullptr || sourceText == nullptr ||
        std::strcmp(context, AppMenuTranslator::context) != 0) {
        return {};
    }
    for (const Item& item : items) {
        if (std::strcmp(sourceText, item.source) != 0) {
            continue;
        }
        QString text = interfaceTexts_.translate(Translation::interfaceContext, item.text.source);
        if (text.isEmpty()) {
            text = QString::fromUtf8(item.text.source);
        }
        // The hide command's own text in the Quit item, the name left to Qt's "%1".
        return item.text.source == Texts::hideWindowCommand.source
                   ? text.replace(Theme::qt(Texts::appName), QStringLiteral("%1"))
                   : text;
    }
    return {};
}

}  // namespace varnel
