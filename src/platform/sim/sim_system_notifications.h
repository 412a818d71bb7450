#pragma once

#include <functional>
#include <vector>

#include "app/system_notifications.h"

namespace varnel {

// The simulated Mac's notification centres: a test posts terminate and wake.
class SimSystemNotifications : public SystemNotifications {
  public:
    ObserverToken addObserver(SystemNotification notification,
                              std::function<void()> handler) override;
    // Runs every handler observing the notification, in the order they were added.
    void post(SystemNotification notification);
    // Forgets every observer, as when the observing process ends.
    void removeAllObservers() { observers_.clear(); }
    std::size_t observerCount() const { return observers_.size(); }

  private:
    struct Observer {
        SystemNotification notification;
        std::function<void()> handler;
    };
    std::vector<Observer> observers_;
};

}  // namespace varnel
