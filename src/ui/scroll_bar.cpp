#include "ui/scroll_bar.h"

#include <QPainter>
#include <QStyleOptionSlider>

namespace varnel {

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    setAttribute(Qt::WA_Hover);
}

void ScrollBar::paintEvent(QPaintEvent*) {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect slider =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Window));
    QColor thumb = colours.color(QPalette::WindowText);
    thumb.setAlphaF(isSliderDown() ? 0.55f : underMouse() ? 0.45f : 0.3f);
    const QRectF shape = orientation() == Qt::Vertical ? QRectF(slider).adjusted(3.5, 2, -3.5, -2)
                                                       : QRectF(slider).adjusted(2, 3.5, -2, -3.5);
    const qreal radius = std::min(shape.width(), shape.height()) / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(thumb);
    painter.drawRoundedRect(shape, radius, radius);
}

}  // namespace varnel
