#include "services/input_source_manager.h"

#include <array>
#include <string_view>

#include "model/message_parts.h"
#include "services/text_case.h"

namespace varnel {

namespace {

constexpr std::array<std::string_view, 2> preferredEnglishIdentifiers = {"com.apple.keylayout.ABC",
                                                                         "com.apple.keylayout.US"};
constexpr std::array<std::string_view, 2> preferredRussianPCIdentifiers = {
    "com.apple.keylayout.RussianWin", "com.apple.keylayout.RussianPC"};

std::string lowerIdentifier(const InputSource& source) {
    return lowercased(source.identifier.value_or(""));
}

std::string lowerName(const InputSource& source) {
    return lowercased(source.localizedName.value_or(""));
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// The first installed source whose identifier is one of `identifiers`, trying them in order:
// the system is asked for each one alone, never for its whole list.
template <std::size_t N>
std::optional<InputSource> firstWithIdentifier(InputSourceApi& api,
                                               const std::array<std::string_view, N>& identifiers) {
    for (std::string_view identifier : identifiers) {
        std::vector<InputSource> sources = api.sourcesWithIdentifier(identifier);
        if (!sources.empty()) {
            return std::move(sources.front());
        }
    }
    return std::nullopt;
}

}  // namespace

std::string InputSourceManager::SwitchResult::message() const {
    switch (kind_) {
        case Case::switched: return "Раскладка переключена: " + text_;
        case Case::unchanged: return "Используется раскладка: " + text_;
        case Case::unavailable:
        case Case::failed: return text_;
    }
    return text_;
}

std::vector<InputSource> InputSourceManager::allSources() const {
    return api_.installedSources();
}

bool InputSourceManager::isRussianSource(const InputSource& source) {
    const std::string id = lowerIdentifier(source);
    const std::string name = lowerName(source);
    return contains(id, "russian") || contains(name, "russian") || contains(name, "рус");
}

bool InputSourceManager::isRussianPCSource(const InputSource& source) {
    const std::string id = lowerIdentifier(source);
    if (contains(id, "russianwin") || contains(id, "russianpc")) {
        return true;
    }
    // The PC markers are looked for in the name only.
    const std::string name = lowerName(source);
    return isRussianSource(source) &&
           (contains(name, "pc") || contains(name, "пк") || contains(name, "windows"));
}

// The identifiers Varnel knows first, each asked for alone (the whole list can take the system
// tens of milliseconds); the whole list only when none of them is installed.
std::optional<InputSource> InputSourceManager::preferredEnglishSource() const {
    if (lastNonRussianSourceID) {
        for (const InputSource& source : api_.sourcesWithIdentifier(*lastNonRussianSourceID)) {
            if (!isRussianSource(source)) {
                return source;
            }
        }
    }
    if (auto source = firstWithIdentifier(api_, preferredEnglishIdentifiers)) {
        return source;
    }
    for (const InputSource& source : allSources()) {
        const std::string id = lowerIdentifier(source);
        const std::string name = lowerName(source);
        if (contains(id, "abc") || id.ends_with(".us") || name == "abc" || name == "u.s." ||
            name == "us") {
            return source;
        }
    }
    return std::nullopt;
}

std::optional<InputSource> InputSourceManager::russianPCSource() const {
    if (auto source = firstWithIdentifier(api_, preferredRussianPCIdentifiers)) {
        return source;
    }
    for (const InputSource& source : allSources()) {
        if (isRussianPCSource(source)) {
            return source;
        }
    }
    return std::nullopt;
}

std::optional<InputSource> InputSourceManager::sourceFor(WindowsTypingLanguage language) const {
    return language == WindowsTypingLanguage::russian ? russianPCSource()
                                                      : preferredEnglishSource();
}

InputSourceManager::SwitchResult InputSourceManager::selectWindowsLanguage(
    WindowsTypingLanguage language) {
    if (auto source = sourceFor(language)) {
        return selectIfNeeded(*source);
    }
    if (language == WindowsTypingLanguage::russian) {
        return SwitchResult::unavailable(VARNEL_TRANSLATE_NOOP(
            "Messages",
            "Не найдена системная раскладка «Русская — ПК». Встроенная раскладка Varnel всё равно "
            "продолжит печатать по Windows."));
    }
    return SwitchResult::unavailable(VARNEL_TRANSLATE_NOOP(
        "Messages",
        "Не найдена английская раскладка ABC или U.S. При этом встроенная раскладка Varnel всё "
        "равно продолжит печатать правильно."));
}

InputSourceManager::SwitchResult InputSourceManager::selectIfNeeded(const InputSource& source) {
    const std::optional<InputSource> current = api_.currentKeyboardSource();
    if (!current) {
        return select(source);
    }
    if (current->identifier == source.identifier) {
        return SwitchResult::unchanged(source.localizedName.value_or("текущая"));
    }
    return select(source);
}

// The source is enabled before it is selected, so an installed but disabled layout joins
// the user's enabled sources.
InputSourceManager::SwitchResult InputSourceManager::select(const InputSource& source) {
    if (const int status = api_.enable(source); status != 0) {
        return SwitchResult::failed(std::string(MessageParts::inputSourceEnableFailure) +
                                    std::to_string(status) +
                                    std::string(MessageParts::inputSourceFailureEnd));
    }
    if (const int status = api_.select(source); status != 0) {
        return SwitchResult::failed(std::string(MessageParts::inputSourceSelectFailure) +
                                    std::to_string(status) +
                                    std::string(MessageParts::inputSourceFailureEnd));
    }
    return SwitchResult::switched(source.localizedName.value_or("другая раскладка"));
}

std::string InputSourceManager::currentDisplayName() const {
    const std::optional<InputSource> current = api_.currentKeyboardSource();
    if (!current) {
        return std::string(unknownSourceName);
    }
    return current->localizedName.value_or(
        current->identifier.value_or(std::string(unknownSourceName)));
}

WindowsTypingLanguage InputSourceManager::detectedTypingLanguage() const {
    const std::optional<InputSource> current = api_.currentKeyboardSource();
    return current && isRussianSource(*current) ? WindowsTypingLanguage::russian
                                                : WindowsTypingLanguage::english;
}

}  // namespace varnel
