#include "model/settings_file.h"

#include <algorithm>
#include <cstdint>

#include <nlohmann/json.hpp>

namespace varnel {

namespace {

constexpr std::string_view optionsMember = "keyboardOptions";
constexpr std::string_view languageMember = "typingLanguage";
constexpr std::string_view exclusionsMember = "excludedApplications";
constexpr std::string_view loginMember = "launchAtLogin";

std::string memberPath(std::string_view object, std::string_view member) {
    return std::string(object).append(".").append(member);
}

// The switches of the options object, each read as the stored record reads it.
void readOptions(const nlohmann::json& object, SettingsFile::Contents& contents) {
    for (std::size_t i = 0; i < KeyboardOptions::fields.size(); ++i) {
        const KeyboardOptions::Member member =
            KeyboardOptions::member(object, KeyboardOptions::fields[i]);
        contents.options[i] = member.value;
        if (member.unreadable) {
            contents.unreadableMembers.push_back(
                memberPath(optionsMember, KeyboardOptions::fields[i].name));
        }
    }
    for (const auto& member : object.items()) {
        const std::string& name = member.key();
        const bool known =
            std::any_of(KeyboardOptions::fields.begin(), KeyboardOptions::fields.end(),
                        [&name](const auto& field) { return field.name == name; });
        if (!known) {
            contents.unknownMembers.push_back(memberPath(optionsMember, name));
        }
    }
}

void readExclusions(const nlohmann::json& value, SettingsFile::Contents& contents) {
    std::vector<std::size_t> skipped;
    const Decoded<ExcludedApplications> list = ExcludedApplications::fromJson(value, &skipped);
    if (!list) {
        contents.unreadableMembers.emplace_back(exclusionsMember);
        return;
    }
    contents.excludedApplications = list.value();
    for (std::size_t index : skipped) {
        contents.unreadableMembers.push_back(
            std::string(exclusionsMember).append("[").append(std::to_string(index)).append("]"));
    }
}

// Every member of a file of the current version; a null one says nothing.
SettingsFile::Contents readMembers(const nlohmann::json& file) {
    SettingsFile::Contents contents;
    for (const auto& [name, value] : file.items()) {
        if (name == SettingsFile::versionMember || value.is_null()) {
            continue;
        }
        if (name == optionsMember) {
            if (value.is_object()) {
                readOptions(value, contents);
            } else {
                contents.unreadableMembers.push_back(name);
            }
        } else if (name == languageMember) {
            const Decoded<WindowsTypingLanguage> language = WindowsTypingLanguage::fromJson(value);
            if (language) {
                contents.typingLanguage = language.value();
            } else {
                contents.unreadableMembers.push_back(name);
            }
        } else if (name == exclusionsMember) {
            readExclusions(value, contents);
        } else if (name == loginMember) {
            if (value.is_boolean()) {
                contents.launchAtLogin = value.get<bool>();
            } else {
                contents.unreadableMembers.push_back(name);
            }
        } else {
            contents.unknownMembers.push_back(name);
        }
    }
    return contents;
}

}  // namespace

SettingsFile::Settings SettingsFile::Contents::appliedTo(Settings settings) const {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i]) {
            settings.options.*KeyboardOptions::fields[i].member = *options[i];
        }
    }
    settings.typingLanguage = typingLanguage.value_or(settings.typingLanguage);
    if (excludedApplications) {
        settings.excludedApplications = *excludedApplications;
    }
    settings.launchAtLogin = launchAtLogin.value_or(settings.launchAtLogin);
    return settings;
}

std::string_view SettingsFile::reason(Failure failure) {
    switch (failure) {
        case Failure::unreadable:
            return VARNEL_TRANSLATE_NOOP("Messages",
                                         "Настройки не импортированы: файл не удалось прочитать.");
        case Failure::empty:
            return VARNEL_TRANSLATE_NOOP("Messages", "Настройки не импортированы: файл пуст.");
        case Failure::tooLarge:
            return VARNEL_TRANSLATE_NOOP(
                "Messages",
                "Настройки не импортированы: файл больше 1 МБ, а настройки Varnel занимают "
                "несколько килобайт.");
        case Failure::tooDeep:
            return VARNEL_TRANSLATE_NOOP(
                "Messages", "Настройки не импортированы: в файле слишком глубокая вложенность.");
        case Failure::truncated:
            return VARNEL_TRANSLATE_NOOP(
                "Messages", "Настройки не импортированы: файл обрывается на середине.");
        case Failure::notJson:
            return VARNEL_TRANSLATE_NOOP("Messages",
                                         "Настройки не импортированы: файл не в формате JSON.");
        case Failure::notVarnel:
            return VARNEL_TRANSLATE_NOOP(
                "Messages", "Настройки не импортированы: это не файл настроек Varnel.");
        case Failure::newerVersion:
            return VARNEL_TRANSLATE_NOOP(
                "Messages",
                "Настройки не импортированы: файл сохранён более новой версией Varnel.");
    }
    return {};
}

std::string SettingsFile::encode(const Settings& settings) {
    nlohmann::ordered_json file = nlohmann::ordered_json::object();
    file[std::string(versionMember)] = version;
    // The options in field order, as they are stored.
    file[std::string(optionsMember)] = nlohmann::ordered_json::parse(settings.options.encoded());
    file[std::string(languageMember)] = settings.typingLanguage.rawValue();
    file[std::string(exclusionsMember)] = settings.excludedApplications.bundleIdentifiers;
    file[std::string(loginMember)] = settings.launchAtLogin;
    return file.dump(2) + "\n";
}

std::variant<SettingsFile::Contents, SettingsFile::Failure> SettingsFile::decode(
    std::string_view text) {
    if (text.size() > maxBytes) {
        return Failure::tooLarge;
    }
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return Failure::empty;
    }
    bool tooDeep = false;
    const auto keepShallow = [&tooDeep](int depth, nlohmann::json::parse_event_t, nlohmann::json&) {
        tooDeep = tooDeep || depth > maxDepth;
        return !tooDeep;  // nothing deeper is even built
    };
    nlohmann::json file;
    try {
        file = nlohmann::json::parse(text, keepShallow);
    } catch (const nlohmann::json::parse_error& error) {
        if (tooDeep) {
            return Failure::tooDeep;
        }
        // An error past the last byte: the text ended before the JSON did.
        return error.byte > text.size() ? Failure::truncated : Failure::notJson;
    } catch (const nlohmann::json::exception&) {
        // A number beyond a double's range, say: JSON no reader takes as it stands.
        return tooDeep ? Failure::tooDeep : Failure::notJson;
    }
    if (tooDeep) {
        return Failure::tooDeep;
    }
    // A version is a whole number from 1 (JSON's non-negative integers read as unsigned).
    const auto version = file.is_object() ? file.find(versionMember) : file.end();
    if (version == file.end() || !version->is_number_unsigned() ||
        version->get<std::uint64_t>() == 0) {
        return Failure::notVarnel;
    }
    if (version->get<std::uint64_t>() > SettingsFile::version) {
        return Failure::newerVersion;
    }
    return readMembers(file);
}

}  // namespace varnel
