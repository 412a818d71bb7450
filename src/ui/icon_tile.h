#pragma once

#include <QPixmap>
#include <QWidget>

namespace varnel {

// The application's tile: a keyboard on a gradient of the accent colour, rounded.
class IconTile : public QWidget {
    Q_OBJECT

  public:
    static constexpr int side = 58;

    explicit IconTile(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {side, side}; }

    // The tile as a picture `size` pixels square, for the alert and the window's icon.
    static QPixmap pixmap(const QPalette& palette, int size);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace varnel
