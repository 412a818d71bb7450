#pragma once

#include <QObject>
#include <functional>

#include "app/app_state.h"

namespace varnel {

// Turns AppState's change announcements into one refresh on the next turn of the event
// loop: announcements come before each value is stored, and many come at once.
class StateObserver : public QObject {
    Q_OBJECT

  public:
    StateObserver(AppState& state, std::function<void()> refresh, QObject* parent = nullptr);
    ~StateObserver() override;

    // Runs a pending refresh now.
    void flush();

  private:
    AppState& state_;
    std::function<void()> refresh_;
    AppState::ObserverId id_;
    bool pending_ = false;
};

}  // namespace varnel
