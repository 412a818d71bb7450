#pragma once

#include <functional>

#include "ui/card.h"

namespace varnel {

class PushButton;
class SymbolView;
class ToneLabel;

// One macOS permission with its state, and a button to fix it while it is missing.
class PermissionCard : public Card {
    Q_OBJECT

  public:
    PermissionCard(const QString& title, const QString& subtitle, bool granted,
                   const QString& actionTitle, std::function<void()> action,
                   QWidget* parent = nullptr);

    void setGranted(bool granted);
    bool granted() const { return granted_; }

  private:
    bool granted_;
    SymbolView* symbol_;
    ToneLabel* grantedLabel_;
    PushButton* button_;
};

}  // namespace varnel
