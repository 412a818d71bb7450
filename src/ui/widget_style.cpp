#include "ui/widget_style.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace varnel::WidgetStyle {

QString display(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral(" + "), QStringLiteral("\u00a0+\u00a0"));
}

QLabel* label(const QString& text, Theme::TextStyle style, QFont::Weight weight, QWidget* parent) {
    auto* label = new QLabel(display(text), parent);
    label->setFont(Theme::font(style, weight));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

namespace {

// Keeps a label's text in the secondary colour of the palette it is shown with: the palette's
// placeholder colour is too faint to read (a Mac's is a quarter of black), and the colour made
// readable from it changes with the palette, light or dark.
class SecondaryColour : public QObject {
  public:
    explicit SecondaryColour(QLabel* label) : QObject(label), label_(label) {
        label->installEventFilter(this);
        apply();
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) {
            apply();
        }
        return false;
    }

  private:
    void apply() {
        const QWidget* shownWith = label_->parentWidget() ? label_->parentWidget() : label_;
        const QColor color = Theme::colors(shownWith->palette()).secondaryText;
        if (label_->palette().color(QPalette::WindowText) != color) {
            QPalette own;  // only the text's colour is the label's own; the rest follows
            own.setColor(QPalette::WindowText, color);
            label_->setPalette(own);
        }
    }

    QLabel* label_;
};

}  // namespace

void makeSecondary(QLabel* label) {
    label->setForegroundRole(QPalette::WindowText);
    new SecondaryColour(label);
}

QVBoxLayout* headingOverCaption(const QString& heading, const QString& caption, int spacing,
                                QWidget* parent) {
    auto* column = new QVBoxLayout;
    column->setSpacing(spacing);
    column->addWidget(label(heading, Theme::TextStyle::subheadline, QFont::DemiBold, parent));
    QLabel* second = label(caption, Theme::TextStyle::caption, QFont::Normal, parent);
    makeSecondary(second);
    column->addWidget(second);
    return column;
}

}  // namespace varnel::WidgetStyle
