#include "ui/card.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/theme.h"

namespace varnel {

Card::Card(int radius, bool bordered, QWidget* parent)
    : QFrame(parent), radius_(radius), bordered_(bordered) {}

void Card::paintEvent(QPaintEvent*) {
    const Theme::Colors colors = Theme::colors(palette());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Half a pixel in, so that the hairline falls on whole pixels.
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(bordered_ ? QPen(colors.cardBorder, 1) : Qt::NoPen);
    painter.setBrush(colors.card);
    painter.drawRoundedRect(shape, radius_, radius_);
}

}  // namespace varnel
