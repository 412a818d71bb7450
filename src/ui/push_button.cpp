#include "ui/push_button.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>

namespace varnel {

namespace {

constexpr int iconSpacing = 6;

}  // namespace

PushButton::PushButton(const QString& text, Kind kind, QWidget* parent)
    : QPushButton(text, parent), kind_(kind) {
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PushButton::setTint(Theme::Tone tint) {
    tint_ = tint;
    update();
}

void PushButton::setControlSize(Size size) {
    size_ = size;
    updateGeometry();
    update();
}

QMargins PushButton::padding() const {
    return size_ == Size::large ? QMargins(16, 12, 16, 12) : QMargins(12, 4, 12, 4);
}

int PushButton::radius() const {
    return size_ == Size::large ? 9 : 6;
}

QSize PushButton::sizeHint() const {
    const QFontMetrics metrics(font());
    int width = metrics.horizontalAdvance(text());
    int height = metrics.height();
    if (!icon().isNull()) {
        width += iconSize().width() + iconSpacing;
        height = std::max(height, iconSize().height());
    }
    const QMargins pad = padding();
    return {width + pad.left() + pad.right(), height + pad.top() + pad.bottom()};
}

QSize PushButton::minimumSizeHint() const {
    return sizeHint();
}

QColor PushButton::fillColor() const {
    const Theme::Colors colors = Theme::colors(palette());
    QColor fill =
        kind_ == Kind::prominent ? Theme::buttonFill(palette(), tint_) : colors.buttonFill;
    // A prominent button only darkens, so that its white text reads in every state.
    const bool lightens = colors.dark && kind_ != Kind::prominent;
    if (isDown()) {
        fill = lightens ? fill.lighter(125) : fill.darker(112);
    } else if (underMouse() && isEnabled()) {
        fill = lightens ? fill.lighter(110) : fill.darker(104);
    }
    if (!isEnabled()) {
        fill.setAlphaF(fill.alphaF() * 0.45f);
    }
    return fill;
}

QColor PushButton::textColor() const {
    QColor text = kind_ == Kind::prominent ? Theme::colors(palette()).onAccent
                                           : palette().color(QPalette::ButtonText);
    if (!isEnabled()) {
        text.setAlphaF(text.alphaF() * 0.45f);
    }
    return text;
}

void PushButton::paintEvent(QPaintEvent*) {
    const Theme::Colors colors = Theme::colors(palette());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The shape fills the widget, so that buttons line up with the cards' edges.
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const int r = radius();
    painter.setPen(kind_ == Kind::bordered ? QPen(colors.cardBorder, 1) : Qt::NoPen);
    painter.setBrush(fillColor());
    painter.drawRoundedRect(shape, r, r);

    // Focus from the keyboard: a ring inside the edge, the accent on a bordered button.
    QStyleOptionButton option;
    initStyleOption(&option);
    if ((option.state & QStyle::State_HasFocus) &&
        (option.state & QStyle::State_KeyboardFocusChange)) {
        QColor halo = kind_ == Kind::prominent ? colors.onAccent : colors.accent;
        halo.setAlphaF(0.8f);
        painter.setPen(QPen(halo, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(shape.adjusted(1.5, 1.5, -1.5, -1.5), r - 1.5, r - 1.5);
    }

    // The icon and the text, side by side in the middle.
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text());
    const bool hasIcon = !icon().isNull();
    const int contentWidth = textWidth + (hasIcon ? iconSize().width() + iconSpacing : 0);
    int x = (width() - contentWidth) / 2;
    if (hasIcon) {
        const QSize size = iconSize();
        painter.drawPixmap(x, (height() - size.height()) / 2, icon().pixmap(size));
        x += size.width() + iconSpacing;
    }
    painter.setPen(textColor());
    painter.setFont(font());
    painter.drawText(QRect(x, 0, textWidth + 1, height()), Qt::AlignVCenter | Qt::AlignLeft,
                     text());
}

}  // namespace varnel
