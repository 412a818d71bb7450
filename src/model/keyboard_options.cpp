#include "model/keyboard_options.h"

#include <nlohmann/json.hpp>

namespace varnel {

namespace {

// Deeper than anything a Varnel stores: members kept from a stored text nested deeper would
// exhaust the stack when written again, so such a text keeps nothing.
constexpr int maxKeptDepth = 64;

// Every field as a boolean member, nothing else.
template <class Json>
Json objectOf(const KeyboardOptions& options) {
    Json json = Json::object();
    for (const KeyboardOptions::Field& field : KeyboardOptions::fields) {
        json[std::string(field.name)] = options.*field.member;
    }
    return json;
}

}  // namespace

nlohmann::json KeyboardOptions::toJson() const {
    return objectOf<nlohmann::json>(*this);
}

std::string KeyboardOptions::encoded() const {
    // In field order, so that the stored text reads like the record.
    return objectOf<nlohmann::ordered_json>(*this).dump();
}

std::string KeyboardOptions::encoded(std::string_view storedBefore) const {
    nlohmann::ordered_json json = objectOf<nlohmann::ordered_json>(*this);
    bool tooDeep = false;
    const auto before = nlohmann::ordered_json::parse(
        storedBefore,
        [&tooDeep](int depth, nlohmann::ordered_json::parse_event_t, nlohmann::ordered_json&) {
            tooDeep = tooDeep || depth > maxKeptDepth;
            return !tooDeep;  // nothing deeper is even built
        },
        /*allow_exceptions=*/false);
    if (before.is_object() && !tooDeep) {
        for (const auto& [name, value] : before.items()) {
            if (!json.contains(name)) {
                json[name] = value;
            }
        }
    }
    return json.dump();
}

Decoded<KeyboardOptions> KeyboardOptions::fromJson(const nlohmann::json& json) {
    if (!json.is_object()) {
        return DecodeError{"keyboard options: expected an object"};
    }
    KeyboardOptions options;
    for (const Field& field : fields) {
        if (const auto value = member(json, field).value) {
            options.*field.member = *value;
        }
    }
    return options;
}

KeyboardOptions::Member KeyboardOptions::member(const nlohmann::json& object, const Field& field) {
    const auto found = object.find(field.name);
    if (found == object.end() || found->is_null()) {
        return {};
    }
    if (found->is_boolean()) {
        return {found->get<bool>(), false};
    }
    return {std::nullopt, true};
}

Decoded<KeyboardOptions> KeyboardOptions::decode(std::string_view data) {
    nlohmann::json json = nlohmann::json::parse(data, nullptr, /*allow_exceptions=*/false);
    if (json.is_discarded()) {
        return DecodeError{"keyboard options: the stored data is not JSON"};
    }
    return fromJson(json);
}

}  // namespace varnel
