#pragma once

#include "ui/card.h"

class QLabel;

namespace varnel {

class SymbolView;

// One tile of the feature grid: a Windows key or habit, and what it now does; or, while its
// switch is off, that it is off.
class FeatureRow : public Card {
    Q_OBJECT

  public:
    static constexpr int minimumTileHeight = 66;

    // `offCaption` replaces `after` while the feature is switched off.
    FeatureRow(const QString& before, const QString& after, const QString& offCaption = {},
               QWidget* parent = nullptr);

    void setOn(bool on);
    bool isOn() const { return on_; }

  private:
    QString after_;
    QString offCaption_;
    SymbolView* symbol_;
    QLabel* caption_;
    bool on_ = true;
};

}  // namespace varnel
