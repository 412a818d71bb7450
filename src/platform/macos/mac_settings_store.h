#pragma once

#include "app/settings_store.h"

namespace varnel {

// The application's user defaults through CoreFoundation preferences, so that
// `defaults read` shows each key under its own name and type.
class MacSettingsStore : public SettingsStore {
  public:
    std::optional<std::string> data(std::string_view key) override;
    void setData(std::string_view key, std::string_view bytes) override;
    std::optional<std::string> string(std::string_view key) override;
    void setString(std::string_view key, std::string_view value) override;
    bool boolValue(std::string_view key) override;
    void setBool(std::string_view key, bool value) override;
};

}  // namespace varnel
