#include "ui/icon_tile.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/icons.h"
#include "ui/theme.h"

namespace varnel {

namespace {

// Drawn for `side` pixels and scaled to the painter's size.
void paintTile(QPainter& painter, int size, const QPalette& palette) {
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = size / static_cast<qreal>(IconTile::side);
    const QColor accent = Theme::colors(palette).accent;
    const QRectF tile(0, 0, size, size);
    QLinearGradient gradient(tile.topLeft(), tile.bottomRight());
    gradient.setColorAt(0, accent.lighter(125));
    gradient.setColorAt(1, accent.darker(115));
    QPainterPath shape;
    shape.addRoundedRect(tile, 15 * scale, 15 * scale);
    painter.fillPath(shape, gradient);
    const int symbolSize = qRound(34 * scale);  // a 27-point symbol with its padding
    const QPixmap symbol = Icons::pixmap("keyboard", Qt::white, symbolSize);
    painter.drawPixmap((size - symbolSize) / 2, (size - symbolSize) / 2, symbol);
}

}  // namespace

IconTile::IconTile(QWidget* parent) : QWidget(parent) {
    setFixedSize(side, side);
}

QPixmap IconTile::pixmap(const QPalette& palette, int size) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap picture(QSize(size, size) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paintTile(painter, size, palette);
    return picture;
}

void IconTile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintTile(painter, side, palette());
}

}  // namespace varnel
