#include "ui/tone_label.h"

#include <QPainter>

namespace varnel {

ToneLabel::ToneLabel(const QString& text, Theme::TextStyle style, QFont::Weight weight,
                     Theme::Tone tone, QWidget* parent)
    : QLabel(text, parent), tone_(tone) {
    setFont(Theme::font(style, weight));
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void ToneLabel::setTone(Theme::Tone tone) {
    if (tone != tone_) {
        tone_ = tone;
        update();
    }
}

QColor ToneLabel::textColor() const {
    return capsule_ ? Theme::badge(palette(), tone_).text : Theme::textColor(palette(), tone_);
}

void ToneLabel::setCapsule(bool capsule) {
    capsule_ = capsule;
    update();
}

void ToneLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor color = textColor();
    if (capsule_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Theme::badge(palette(), tone_).fill);
        const qreal radius = height() / 2.0;
        painter.drawRoundedRect(QRectF(rect()), radius, radius);
    }
    painter.setPen(color);
    painter.setFont(font());
    painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
}

}  // namespace varnel
