#pragma once

#include <optional>
#include <string>

namespace varnel {

// The platform's refusal to change the login item, with the text to show the user.
struct LoginItemError {
    std::string localizedDescription;
};

// The login item of the application itself (its main app service).
class LoginItemApi {
  public:
    // Status values as the platform reports them.
    static constexpr int notRegistered = 0;
    static constexpr int enabled = 1;
    static constexpr int requiresApproval = 2;
    static constexpr int notFound = 3;

    // Where the running application is: the login item starts the bundle from there.
    struct Location {
        std::string bundlePath;     // absolute, as the system reports it
        std::string homeDirectory;  // the user's, for ~/Applications
    };

    virtual ~LoginItemApi() = default;
    virtual int status() = 0;
    // Each succeeds (nothing) or fails with the platform's error.
    virtual std::optional<LoginItemError> registerApp() = 0;
    virtual std::optional<LoginItemError> unregisterApp() = 0;
    virtual Location location() = 0;
};

}  // namespace varnel
