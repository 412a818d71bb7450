#pragma once

#include <QFrame>

#include "app/app_state.h"

class QLabel;
class QPushButton;

namespace varnel {

// The card with the engine's status and the one main button that turns the mode on and off.
class ModeCard : public QFrame {
    Q_OBJECT

  public:
    ModeCard(AppState& state, QWidget* parent = nullptr);
    void refresh();

  private:
    AppState& state_;
    QLabel* statusSymbol_;
    QLabel* statusTitle_;
    QLabel* badge_;
    QLabel* detail_;
    QPushButton* mainButton_;
    QLabel* hint_;
};

}  // namespace varnel
