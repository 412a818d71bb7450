#include "app/settings_transfer.h"

#include <fstream>
#include <system_error>

namespace varnel::SettingsTransfer {

namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text.append(text.empty() ? "" : ", ").append(name);
    }
    return text;
}

std::string fileNameOf(const std::filesystem::path& path) {
    return path.filename().string();
}

bool writeWhole(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return static_cast<bool>(out);
}

// The file's text, at most one byte more than a settings file may hold; none when it cannot
// be read.
std::optional<std::string> readAtMost(const std::filesystem::path& path, std::size_t limit) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text(limit + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

}  // namespace

std::string Message::filled() const {
    std::string sentence(text);
    if (const auto blank = sentence.find("%1"); blank != std::string::npos) {
        sentence.replace(blank, 2, argument);
    }
    return sentence;
}

SettingsFile::Settings current(const AppState& state) {
    return {state.options(), state.typingLanguage(), state.excludedApplications(),
            state.launchAtLogin()};
}

Export write(const AppState& state, const std::filesystem::path& path) {
    const std::string name = fileNameOf(path);
    // Written beside it first: a full disk or a refusal leaves the file there as it was.
    std::filesystem::path written = path;
    written += ".varnel-export";
    std::error_code error;
    if (!writeWhole(written, SettingsFile::encode(current(state)))) {
        std::filesystem::remove(written, error);
        return {false, {notExported, name}};
    }
    std::filesystem::rename(written, path, error);
    if (error) {
        std::filesystem::remove(written, error);
        return {false, {notExported, name}};
    }
    return {true, {exported, name}};
}

std::vector<Change> Import::changes() const {
    std::vector<Change> changes;
    if (failure) {
        return changes;
    }
    for (std::size_t i = 0; i < KeyboardOptions::fields.size(); ++i) {
        const auto member = KeyboardOptions::fields[i].member;
        if (before.options.*member != after.options.*member) {
            changes.push_back({Change::Kind::option, i});
        }
    }
    if (before.typingLanguage != after.typingLanguage) {
        changes.push_back({Change::Kind::typingLanguage});
    }
    if (before.excludedApplications != after.excludedApplications) {
        changes.push_back({Change::Kind::excludedApplications});
    }
    if (before.launchAtLogin != after.launchAtLogin) {
        changes.push_back({Change::Kind::launchAtLogin});
    }
    return changes;
}

std::vector<Message> Import::notes() const {
    std::vector<Message> notes;
    if (!unknownMembers.empty()) {
        notes.push_back({unknownLeftOut, joined(unknownMembers)});
    }
    if (!unreadableMembers.empty()) {
        notes.push_back({unreadableLeftOut, joined(unreadableMembers)});
    }
    return notes;
}

Import read(const AppState& state, const std::filesystem::path& path) {
    Import import;
    import.fileName = fileNameOf(path);
    import.before = current(state);
    import.after = import.before;
    const std::optional<std::string> text = readAtMost(path, SettingsFile::maxBytes);
    if (!text) {
        import.failure = SettingsFile::Failure::unreadable;
        return import;
    }
    const auto decoded = SettingsFile::decode(*text);
    if (const auto* failure = std::get_if<SettingsFile::Failure>(&decoded)) {
        import.failure = *failure;
        return import;
    }
    const auto& contents = std::get<SettingsFile::Contents>(decoded);
    import.after = contents.appliedTo(import.before);
    import.unknownMembers = contents.unknownMembers;
    import.unreadableMembers = contents.unreadableMembers;
    return import;
}

std::optional<Message> apply(AppState& state, const Import& import) {
    if (import.failure) {
        return std::nullopt;
    }
    const SettingsFile::Settings& after = import.after;
    if (after == current(state)) {
        return Message{nothingToImport, import.fileName};
    }
    if (after.options != state.options()) {
        state.setOptions(after.options);
    }
    if (after.typingLanguage != state.typingLanguage()) {
        state.setTypingLanguage(after.typingLanguage);
    }
    if (after.excludedApplications != state.excludedApplications()) {
        state.setExcludedApplications(after.excludedApplications);
    }
    if (after.launchAtLogin != state.launchAtLogin()) {
        state.setLaunchAtLogin(after.launchAtLogin);  // a refusal is its banner, as from the switch
    }
    return Message{imported, import.fileName};
}

}  // namespace varnel::SettingsTransfer
