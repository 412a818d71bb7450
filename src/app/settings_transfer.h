#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"
#include "model/settings_file.h"
#include "model/translatable.h"

namespace varnel {

// Varnel's settings written to a file and read back, on this Mac or another: what the window's
// "Экспортировать настройки…" and "Импортировать настройки…" do, and varnel-sim's
// `settings export` and `settings import`, with the same messages.
namespace SettingsTransfer {

// A sentence for the user, with the one blank of its text ("%1") and what fills it: the
// interface translates the text and fills it in; varnel-sim prints it filled.
struct Message {
    std::string_view text;
    std::string argument;

    std::string filled() const;
};

inline constexpr std::string_view exported =
    VARNEL_TRANSLATE_NOOP("Messages", "Настройки сохранены в «%1».");
inline constexpr std::string_view notExported =
    VARNEL_TRANSLATE_NOOP("Messages", "Настройки не сохранены: файл «%1» не удалось записать.");
inline constexpr std::string_view imported =
    VARNEL_TRANSLATE_NOOP("Messages", "Настройки из «%1» применены.");
inline constexpr std::string_view nothingToImport =
    VARNEL_TRANSLATE_NOOP("Messages", "В «%1» те же настройки, что уже действуют.");
inline constexpr std::string_view unknownLeftOut =
    VARNEL_TRANSLATE_NOOP("Messages", "Пропущено то, чего эта версия Varnel не знает: %1.");
inline constexpr std::string_view unreadableLeftOut =
    VARNEL_TRANSLATE_NOOP("Messages", "Пропущено то, что не удалось прочитать: %1.");

// The settings in force now, as a file carries them.
SettingsFile::Settings current(const AppState& state);

// Writes the settings in force to `path`, replacing the file there only once the new one is
// written whole. Says whether it did.
struct Export {
    bool ok = false;
    Message message;
};
Export write(const AppState& state, const std::filesystem::path& path);

// One setting a file changes.
struct Change {
    enum class Kind { option, typingLanguage, excludedApplications, launchAtLogin };
    Kind kind;
    std::size_t field = 0;  // Kind::option: the index in KeyboardOptions::fields
};

// A file read for import, nothing applied yet: why it changes nothing, or what it changes and
// what it leaves out.
struct Import {
    std::string fileName;
    std::optional<SettingsFile::Failure> failure;
    SettingsFile::Settings before;
    SettingsFile::Settings after;
    std::vector<std::string> unknownMembers;
    std::vector<std::string> unreadableMembers;

    std::vector<Change> changes() const;
    // What was left out, a sentence for the unknown members and one for the unreadable.
    std::vector<Message> notes() const;
};
// Reads at most SettingsFile::maxBytes and a byte of the file.
Import read(const AppState& state, const std::filesystem::path& path);

// Puts in the settings a readable file changes; the sentence that says so. Nothing for a file
// that changes nothing.
std::optional<Message> apply(AppState& state, const Import& import);

}  // namespace SettingsTransfer

}  // namespace varnel
