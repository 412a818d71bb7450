#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// The application's stored settings: data, text and Bool values under string keys.
// A missing key, or a value stored with another type than the one asked for, reads as
// absent; a Bool that cannot be read reads as false.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // Data is raw bytes, held in a std::string.
    virtual std::optional<std::string> data(std::string_view key) = 0;
    virtual void setData(std::string_view key, std::string_view bytes) = 0;
    virtual std::optional<std::string> string(std::string_view key) = 0;
    virtual void setString(std::string_view key, std::string_view value) = 0;
    virtual bool boolValue(std::string_view key) = 0;
    virtual void setBool(std::string_view key, bool value) = 0;
};

}  // namespace varnel
