#include "ui/check_box.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>

#include "ui/theme.h"

namespace varnel {

namespace {

constexpr int boxSide = 15;
constexpr int spacing = 8;
constexpr int ring = 2;  // room for the focus ring

}  // namespace

CheckBox::CheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    setAttribute(Qt::WA_Hover);
}

QSize CheckBox::sizeHint() const {
    const QFontMetrics metrics(font());
    return {ring + boxSide + spacing + metrics.horizontalAdvance(text()) + ring,
            std::max(metrics.height(), boxSide) + 2 * ring};
}

QSize CheckBox::minimumSizeHint() const {
    return sizeHint();
}

bool CheckBox::hitButton(const QPoint& position) const {
    return rect().contains(position);
}

QRectF CheckBox::box() const {
    return {ring + 0.5, (height() - boxSide) / 2 + 0.5, boxSide - 1.0, boxSide - 1.0};
}

void CheckBox::paintEvent(QPaintEvent*) {
    const Theme::Colors colors = Theme::colors(palette());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF shape = box();
    const bool on = isChecked();

    QStyleOptionButton option;
    initStyleOption(&option);
    if ((option.state & QStyle::State_HasFocus) &&
        (option.state & QStyle::State_KeyboardFocusChange)) {
        QColor halo = colors.accent;
        halo.setAlphaF(0.5f);
        painter.setPen(QPen(halo, ring));
        painter.drawRoundedRect(shape.adjusted(-1.5, -1.5, 1.5, 1.5), 5, 5);
    }

    QColor fill = on ? colors.accent : colors.buttonFill;
    if (isDown()) {
        fill = colors.dark ? fill.lighter(125) : fill.darker(112);
    }
    if (!isEnabled()) {
        fill.setAlphaF(fill.alphaF() * 0.45f);
    }
    QColor border = colors.text;
    border.setAlphaF(on ? 0.0f : (underMouse() ? 0.45f : 0.3f));
    painter.setPen(on ? Qt::NoPen : QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(shape, 3.5, 3.5);

    if (on) {
        QPainterPath check;
        check.moveTo(shape.left() + 3.5, shape.center().y() + 0.5);
        check.lineTo(shape.left() + 6.0, shape.bottom() - 3.5);
        check.lineTo(shape.right() - 3.0, shape.top() + 3.5);
        painter.setPen(QPen(colors.onAccent, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(check);
    }

    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.setFont(font());
    const int x = ring + boxSide + spacing;
    painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
}

}  // namespace varnel
