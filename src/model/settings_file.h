#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <variant>
#include <vector>

#include "model/excluded_applications.h"
#include "model/keyboard_options.h"
#include "model/translatable.h"
#include "model/windows_typing_language.h"

namespace varnel {

// The settings a user carries to another Mac, or to a colleague, in one JSON file:
//
//     {"varnelSettings": 1, "keyboardOptions": {"altShiftChangesLanguage": true, ...},
//      "typingLanguage": "russian", "excludedApplications": ["com.vmware.fusion"],
//      "launchAtLogin": true}
//
// "varnelSettings" marks the file as Varnel's and is the version of its format;
// "keyboardOptions" is the stored form of the options record. Whether the mode is on is not
// in the file: that belongs to the Mac it runs on.
struct SettingsFile {
    static constexpr std::string_view versionMember = "varnelSettings";
    static constexpr int version = 1;
    // A file of Varnel's is a few hundred bytes, a few kilobytes with a long list of
    // applications: anything larger is not read at all.
    static constexpr std::size_t maxBytes = 1024 * 1024;
    // Varnel's own file nests two levels deep.
    static constexpr int maxDepth = 16;

    // Everything a file carries.
    struct Settings {
        KeyboardOptions options;
        WindowsTypingLanguage typingLanguage = WindowsTypingLanguage::english;
        ExcludedApplications excludedApplications;
        bool launchAtLogin = false;

        friend bool operator==(const Settings&, const Settings&) = default;
    };

    static constexpr std::size_t optionCount =
        std::tuple_size_v<std::remove_cv_t<decltype(KeyboardOptions::fields)>>;

    // What a readable file says, member by member, by the rule of the stored options: a
    // setting it does not say, or says unreadably, is absent and stays as it is.
    struct Contents {
        std::array<std::optional<bool>, optionCount> options;  // in field order
        std::optional<WindowsTypingLanguage> typingLanguage;
        std::optional<ExcludedApplications> excludedApplications;
        std::optional<bool> launchAtLogin;
        // What was left out: members of names this Varnel does not know, and values it cannot
        // read, named as "keyboardOptions.fullWindowsTyping" or "excludedApplications[2]".
        std::vector<std::string> unknownMembers;
        std::vector<std::string> unreadableMembers;

        // `settings` with what the file says put in.
        Settings appliedTo(Settings settings) const;
    };

    // Why a file changes nothing.
    enum class Failure {
        unreadable,  // the file itself could not be read
        empty,
        tooLarge,
        tooDeep,
        truncated,
        notJson,
        notVarnel,
        newerVersion,
    };
    // The reason in one sentence, as the user reads it.
    static std::string_view reason(Failure failure);

    // In the form above, members in that order, one per line, ending in a line break.
    static std::string encode(const Settings& settings);
    // Never throws, whatever the text: a text no larger than maxBytes is read at most
    // maxDepth levels deep.
    static std::variant<Contents, Failure> decode(std::string_view text);
};

}  // namespace varnel
