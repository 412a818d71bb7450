#include "model/excluded_applications.h"

#include <algorithm>

#include <nlohmann/json.hpp>

namespace varnel {

namespace {

bool sameIdentifier(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

bool ExcludedApplications::isBundleIdentifier(std::string_view text) {
    const bool madeOfIdentifierCharacters =
        !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '-' || c == '.';
        });
    return madeOfIdentifierCharacters && (text.back() != '.' || isPrefix(text));
}

bool ExcludedApplications::isPrefix(std::string_view entry) {
    if (entry.size() < 2 || entry.back() != '.') {
        return false;
    }
    std::size_t parts = 0;
    std::size_t start = 0;
    for (std::size_t dot = entry.find('.'); dot != std::string_view::npos;
         dot = entry.find('.', start)) {
        if (dot == start) {
            return false;  // an empty part
        }
        ++parts;
        start = dot + 1;
    }
    return parts >= 2;
}

const ExcludedApplications::Suggestion* ExcludedApplications::suggestionFor(
    std::string_view entry) {
    const auto found = std::find_if(suggestions.begin(), suggestions.end(), [&](const auto& s) {
        return sameIdentifier(s.bundleIdentifier, entry);
    });
    return found != suggestions.end() ? &*found : nullptr;
}

bool ExcludedApplications::contains(std::string_view entry) const {
    return std::any_of(bundleIdentifiers.begin(), bundleIdentifiers.end(),
                       [&](const std::string& id) { return sameIdentifier(id, entry); });
}

bool ExcludedApplications::leavesAlone(std::string_view bundleIdentifier) const {
    return std::any_of(
        bundleIdentifiers.begin(), bundleIdentifiers.end(), [&](const std::string& entry) {
            if (isPrefix(entry)) {
                return bundleIdentifier.size() > entry.size() &&
                       sameIdentifier(bundleIdentifier.substr(0, entry.size()), entry);
            }
            return sameIdentifier(entry, bundleIdentifier);
        });
}

bool ExcludedApplications::add(std::string_view bundleIdentifier) {
    if (!isBundleIdentifier(bundleIdentifier) || contains(bundleIdentifier)) {
        return false;
    }
    bundleIdentifiers.emplace_back(bundleIdentifier);
    return true;
}

bool ExcludedApplications::remove(std::string_view bundleIdentifier) {
    return std::erase_if(bundleIdentifiers, [&](const std::string& id) {
               return sameIdentifier(id, bundleIdentifier);
           }) != 0;
}

std::string ExcludedApplications::encoded() const {
    return nlohmann::json(bundleIdentifiers).dump();
}

Decoded<ExcludedApplications> ExcludedApplications::decode(std::string_view data) {
    const nlohmann::json json = nlohmann::json::parse(data, nullptr, /*allow_exceptions=*/false);
    if (json.is_discarded()) {
        return DecodeError{"excluded applications: the stored data is not JSON"};
    }
    return fromJson(json);
}

Decoded<ExcludedApplications> ExcludedApplications::fromJson(const nlohmann::json& json,
                                                             std::vector<std::size_t>* skipped) {
    if (!json.is_array()) {
        return DecodeError{"excluded applications: expected an array"};
    }
    ExcludedApplications list;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const nlohmann::json& entry = json[i];
        const bool identifier =
            entry.is_string() && isBundleIdentifier(entry.get_ref<const std::string&>());
        if (identifier) {
            list.add(entry.get_ref<const std::string&>());
        } else if (skipped) {
            skipped->push_back(i);
        }
    }
    return list;
}

}  // namespace varnel
