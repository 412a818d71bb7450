#include "ui/state_observer.h"

#include <QTimer>

namespace varnel {

StateObserver::StateObserver(AppState& state, std::function<void()> refresh, QObject* parent)
    : QObject(parent), state_(state), refresh_(std::move(refresh)) {
    id_ = state_.addObserver([this] {
        if (!pending_) {
            pending_ = true;
            QTimer::singleShot(0, this, [this] { flush(); });
        }
    });
}

StateObserver::~StateObserver() {
    state_.removeObserver(id_);
}

void StateObserver::flush() {
    pending_ = false;
    refresh_();
}

}  // namespace varnel
