#pragma once

#include <functional>
#include <memory>

namespace varnel {

enum class SystemNotification { applicationWillTerminate, systemDidWake };

// Keeps an observation alive: the observer stays while the token lives and is removed
// when the token goes.
using ObserverToken = std::shared_ptr<void>;

// The system's application and workspace notifications. Handlers run on the main thread.
class SystemNotifications {
  public:
    virtual ~SystemNotifications() = default;
    virtual ObserverToken addObserver(SystemNotification notification,
                                      std::function<void()> handler) = 0;
};

}  // namespace varnel
