#pragma once

#include "app/app_state.h"
#include "ui/card.h"

class QLabel;

namespace varnel {

class PushButton;
class SymbolView;
class ToneLabel;

// The card with the engine's status and the one main button that turns the mode on and off.
class ModeCard : public Card {
    Q_OBJECT

  public:
    ModeCard(AppState& state, QWidget* parent = nullptr);
    void refresh();

  private:
    void refreshNotice(bool paused);

    AppState& state_;
    SymbolView* statusSymbol_;
    ToneLabel* statusTitle_;
    ToneLabel* badge_;
    // While secure input pauses the remapping.
    QWidget* secureInputNotice_;
    // What the start that turned the mode on said.
    QWidget* modeNotice_;
    SymbolView* noticeSymbol_;
    QLabel* noticeText_;
    QLabel* detail_;
    PushButton* mainButton_;
    QLabel* hint_;
};

}  // namespace varnel
