#include "platform/sim/memory_settings_store.h"

namespace varnel {

template <class T>
const T* MemorySettingsStore::find(std::string_view key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? nullptr : std::get_if<T>(&it->second);
}

std::optional<std::string> MemorySettingsStore::data(std::string_view key) {
    const Data* data = find<Data>(key);
    return data ? std::optional(data->bytes) : std::nullopt;
}

void MemorySettingsStore::setData(std::string_view key, std::string_view bytes) {
    values_.insert_or_assign(std::string(key), Data{std::string(bytes)});
}

std::optional<std::string> MemorySettingsStore::string(std::string_view key) {
    const std::string* text = find<std::string>(key);
    return text ? std::optional(*text) : std::nullopt;
}

void MemorySettingsStore::setString(std::string_view key, std::string_view value) {
    values_.insert_or_assign(std::string(key), std::string(value));
}

bool MemorySettingsStore::boolValue(std::string_view key) {
    const bool* value = find<bool>(key);
    return value && *value;
}

void MemorySettingsStore::setBool(std::string_view key, bool value) {
    values_.insert_or_assign(std::string(key), value);
}

std::optional<MemorySettingsStore::Value> MemorySettingsStore::value(std::string_view key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? std::nullopt : std::optional(it->second);
}

void MemorySettingsStore::remove(std::string_view key) {
    if (auto it = values_.find(key); it != values_.end()) {
        values_.erase(it);
    }
}

}  // namespace varnel
