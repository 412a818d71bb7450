#include "ui/symbol_view.h"

#include <QPainter>

#include "ui/icons.h"

namespace varnel {

SymbolView::SymbolView(std::string_view symbol, Theme::Tone tone, int size, QWidget* parent)
    : QWidget(parent), symbol_(symbol), tone_(tone), size_(size) {
    setFixedSize(size, size);
}

void SymbolView::setSymbol(std::string_view symbol, Theme::Tone tone) {
    if (symbol == symbol_ && tone == tone_) {
        return;
    }
    symbol_ = symbol;
    tone_ = tone;
    update();
}

QString SymbolView::symbol() const {
    return QString::fromStdString(symbol_);
}

QSize SymbolView::sizeHint() const {
    return {size_, size_};
}

void SymbolView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, Icons::pixmap(symbol_, Theme::tone(palette(), tone_), size_));
}

}  // namespace varnel
