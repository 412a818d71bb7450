#pragma once

#include <optional>
#include <string>

#include "services/login_item_api.h"

namespace varnel {

// The simulated Mac's login item for the application.
class SimLoginItems : public LoginItemApi {
  public:
    int status() override { return currentStatus; }
    std::optional<LoginItemError> registerApp() override;
    std::optional<LoginItemError> unregisterApp() override;
    Location location() override { return currentLocation; }

    int currentStatus = notRegistered;
    // Installed as a user installs it: dragged into Applications.
    Location currentLocation{"/Applications/Varnel.app", "/Users/user"};
    // The next register or unregister fails with this description, once.
    std::optional<std::string> nextFailure;
    int registerCalls = 0;
    int unregisterCalls = 0;

  private:
    std::optional<LoginItemError> takeFailure();
};

}  // namespace varnel
