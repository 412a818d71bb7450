#pragma once

#include <QSettings>

#include "app/settings_store.h"

namespace varnel {

// The stored settings away from a Mac, in QSettings of the application. (On a Mac they are
// the user defaults, through CoreFoundation: QSettings would rename keys containing ".".)
// Data is stored as bytes, text as text; a Bool read back from a text file may arrive as
// the text "true" or "false" and counts as that Bool.
class QSettingsStore : public SettingsStore {
  public:
    QSettingsStore();

    std::optional<std::string> data(std::string_view key) override;
    void setData(std::string_view key, std::string_view bytes) override;
    std::optional<std::string> string(std::string_view key) override;
    void setString(std::string_view key, std::string_view value) override;
    bool boolValue(std::string_view key) override;
    void setBool(std::string_view key, bool value) override;

  private:
    QVariant value(std::string_view key) const;
    QSettings settings_;
};

}  // namespace varnel
