#include "platform/sim/sim_system_notifications.h"

namespace varnel {

ObserverToken SimSystemNotifications::addObserver(SystemNotification notification,
                                                  std::function<void()> handler) {
    observers_.push_back({notification, std::move(handler)});
    return std::make_shared<int>(static_cast<int>(observers_.size()));
}

void SimSystemNotifications::post(SystemNotification notification) {
    const auto observers = observers_;  // a handler may add observers
    for (const Observer& observer : observers) {
        if (observer.notification == notification) {
            observer.handler();
        }
    }
}

}  // namespace varnel
