#pragma once

#include "app/system_notifications.h"

namespace varnel {

// Application termination as Qt sees it, on every system: QCoreApplication::aboutToQuit.
// Under Qt a Mac never posts its own will-terminate notification (Qt answers the system's
// termination request itself and leaves through main), so the system's centre is asked only
// for the other notifications.
class QtSystemNotifications : public SystemNotifications {
  public:
    explicit QtSystemNotifications(SystemNotifications& system) : system_(system) {}

    ObserverToken addObserver(SystemNotification notification,
                              std::function<void()> handler) override;

  private:
    SystemNotifications& system_;
};

}  // namespace varnel
