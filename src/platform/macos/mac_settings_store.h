#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include "app/settings_store.h"

namespace varnel {

// The application's user defaults through CoreFoundation preferences, so that
// `defaults read` shows each key under its own name and type. The application's own domain
// (its bundle identifier) unless another is named, as tests do to keep to their own.
class MacSettingsStore : public SettingsStore {
  public:
    MacSettingsStore() = default;
    explicit MacSettingsStore(std::string_view domain);
    ~MacSettingsStore() override;
    MacSettingsStore(const MacSettingsStore&) = delete;
    MacSettingsStore& operator=(const MacSettingsStore&) = delete;

    std::optional<std::string> data(std::string_view key) override;
    void setData(std::string_view key, std::string_view bytes) override;
    std::optional<std::string> string(std::string_view key) override;
    void setString(std::string_view key, std::string_view value) override;
    bool boolValue(std::string_view key) override;
    void setBool(std::string_view key, bool value) override;

  private:
    CFPropertyListRef copyValue(std::string_view key) const;
    void storeValue(std::string_view key, CFPropertyListRef value);

    CFStringRef domain_ = kCFPreferencesCurrentApplication;
    bool ownsDomain_ = false;
};

}  // namespace varnel
