#pragma once

#include <QWidget>

namespace varnel {

// The application's tile: a keyboard on a blue gradient with rounded corners.
class IconTile : public QWidget {
    Q_OBJECT

  public:
    static constexpr int side = 58;

    explicit IconTile(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {side, side}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace varnel
