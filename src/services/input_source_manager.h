#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/translatable.h"
#include "model/windows_typing_language.h"
#include "services/input_source_api.h"

namespace varnel {

// Keeps the system input source in step with the Windows typing language: a Russian PC
// layout for Russian, ABC or U.S. for English. Outcomes are worded for the user.
// One instance for the application, used on the main thread only.
class InputSourceManager {
  public:
    class SwitchResult {
      public:
        enum class Case { switched, unchanged, unavailable, failed };

        // The localized name of the source now selected.
        static SwitchResult switched(std::string name) { return {Case::switched, std::move(name)}; }
        // The localized name of the source that already was current.
        static SwitchResult unchanged(std::string name) {
            return {Case::unchanged, std::move(name)};
        }
        // Complete messages: no suitable source; the system refused.
        static SwitchResult unavailable(std::string message) {
            return {Case::unavailable, std::move(message)};
        }
        static SwitchResult failed(std::string message) {
            return {Case::failed, std::move(message)};
        }

        Case kind() const { return kind_; }
        const std::string& text() const { return text_; }
        bool isSuccess() const { return kind_ == Case::switched || kind_ == Case::unchanged; }
        std::string message() const;

        friend bool operator==(const SwitchResult&, const SwitchResult&) = default;

      private:
        SwitchResult(Case kind, std::string text) : kind_(kind), text_(std::move(text)) {}
        Case kind_;
        std::string text_;
    };

    // What names the current source when the system names none.
    static constexpr std::string_view unknownSourceName =
        VARNEL_TRANSLATE_NOOP("Messages", "Неизвестно");

    explicit InputSourceManager(InputSourceApi& api) : api_(api) {}

    SwitchResult selectWindowsLanguage(WindowsTypingLanguage language);
    // The source selectWindowsLanguage would select for the language, none when no suitable
    // source is installed. Nothing is selected.
    std::optional<InputSource> sourceFor(WindowsTypingLanguage language) const;
    // The current source's localized name, else its identifier, else unknownSourceName.
    std::string currentDisplayName() const;
    // Russian when the current source is a Russian one, else English.
    WindowsTypingLanguage detectedTypingLanguage() const;

    // An English source the user had before, preferred over the fixed list when set.
    // Nothing records one yet.
    std::optional<std::string> lastNonRussianSourceID;

  private:
    std::vector<InputSource> allSources() const;
    std::optional<InputSource> preferredEnglishSource() const;
    std::optional<InputSource> russianPCSource() const;
    static bool isRussianSource(const InputSource& source);
    static bool isRussianPCSource(const InputSource& source);
    SwitchResult selectIfNeeded(const InputSource& source);
    SwitchResult select(const InputSource& source);

    InputSourceApi& api_;
};

}  // namespace varnel
