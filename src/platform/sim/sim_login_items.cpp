#include "platform/sim/sim_login_items.h"

namespace varnel {

std::optional<LoginItemError> SimLoginItems::takeFailure() {
    if (!nextFailure) {
        return std::nullopt;
    }
    LoginItemError error{std::move(*nextFailure)};
    nextFailure.reset();
    return error;
}

std::optional<LoginItemError> SimLoginItems::registerApp() {
    ++registerCalls;
    if (auto error = takeFailure()) {
        return error;
    }
    currentStatus = enabled;
    return std::nullopt;
}

std::optional<LoginItemError> SimLoginItems::unregisterApp() {
    ++unregisterCalls;
    if (auto error = takeFailure()) {
        return error;
    }
    currentStatus = notRegistered;
    return std::nullopt;
}

}  // namespace varnel
