#pragma once

#include "ui/card.h"

namespace varnel {

// One tile of the feature grid: a Windows key or habit, and what it now does.
class FeatureRow : public Card {
    Q_OBJECT

  public:
    static constexpr int minimumTileHeight = 66;

    FeatureRow(const QString& before, const QString& after, QWidget* parent = nullptr);
};

}  // namespace varnel
