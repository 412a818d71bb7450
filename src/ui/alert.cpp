#include "ui/alert.h"

#include <QEvent>
#include <QLabel>

#include "ui/icon_tile.h"
#include "ui/texts.h"
#include "ui/theme.h"
#include "ui/widget_style.h"

namespace varnel {

namespace {

constexpr int iconSize = 64;
[[maybe_unused]] constexpr int messageWidth = 320;

}  // namespace

Alert::Alert(QWidget* window)
    : QMessageBox(QMessageBox::NoIcon, Theme::qt(Texts::appName), Theme::qt(Texts::appName),
                  QMessageBox::NoButton, window) {
    setTextFormat(Qt::PlainText);
    setWindowModality(Qt::WindowModal);
    // A Mac sets the title in bold itself; elsewhere the label is Qt's own, found by its name.
    if (auto* title = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
    }
    updateIcon();
}

void Alert::setMessage(const QString& message) {
    setInformativeText(WidgetStyle::display(message));
    // Plain text whatever it holds: a message may contain "<".
    if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
        label->setTextFormat(Qt::PlainText);
#ifndef Q_OS_MACOS
        // Qt's box wraps a long message into a narrow column; a Mac's alerts are narrow anyway.
        label->setMinimumWidth(messageWidth);
#endif
    }
}

void Alert::changeEvent(QEvent* event) {
    QMessageBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        updateIcon();
    }
}

void Alert::updateIcon() {
    setIconPixmap(IconTile::pixmap(palette(), iconSize));
}

}  // namespace varnel
