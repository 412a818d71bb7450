#pragma once

#include <QFrame>

namespace varnel {

// One tile of the feature grid: a Windows key or habit, and what it now does.
class FeatureRow : public QFrame {
    Q_OBJECT

  public:
    static constexpr int minimumTileHeight = 66;

    FeatureRow(const QString& before, const QString& after, QWidget* parent = nullptr);
};

}  // namespace varnel
