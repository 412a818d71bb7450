#include "ui/icon_tile.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/icons.h"
#include "ui/theme.h"

namespace varnel {

IconTile::IconTile(QWidget* parent) : QWidget(parent) {
    setFixedSize(side, side);
}

void IconTile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
    gradient.setColorAt(0, Theme::blue().lighter(125));
    gradient.setColorAt(1, Theme::blue().darker(115));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(rect()), 15, 15);
    painter.fillPath(tile, gradient);
    const int symbolSize = 34;  // a 27-point symbol with its padding
    const QPixmap symbol = Icons::pixmap("keyboard", Qt::white, symbolSize);
    painter.drawPixmap((side - symbolSize) / 2, (side - symbolSize) / 2, symbol);
}

}  // namespace varnel
