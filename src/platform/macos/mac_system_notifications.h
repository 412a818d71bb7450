#pragma once

#include "app/system_notifications.h"

namespace varnel {

// Application termination on the default notification centre, waking from sleep on the
// shared workspace's centre; handlers run on the main operation queue.
class MacSystemNotifications : public SystemNotifications {
  public:
    ObserverToken addObserver(SystemNotification notification,
                              std::function<void()> handler) override;
};

}  // namespace varnel
