#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "app/settings_store.h"

namespace varnel {

// User defaults in memory. Each value keeps the type it was stored with.
class MemorySettingsStore : public SettingsStore {
  public:
    struct Data {
        std::string bytes;
        friend bool operator==(const Data&, const Data&) = default;
    };
    using Value = std::variant<Data, std::string, bool>;

    std::optional<std::string> data(std::string_view key) override;
    void setData(std::string_view key, std::string_view bytes) override;
    std::optional<std::string> string(std::string_view key) override;
    void setString(std::string_view key, std::string_view value) override;
    bool boolValue(std::string_view key) override;
    void setBool(std::string_view key, bool value) override;

    std::optional<Value> value(std::string_view key) const;
    void remove(std::string_view key);
    std::size_t size() const { return values_.size(); }
    void clear() { values_.clear(); }

  private:
    template <class T>
    const T* find(std::string_view key) const;

    std::map<std::string, Value, std::less<>> values_;
};

}  // namespace varnel
