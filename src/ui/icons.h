#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace varnel::Icons {

// The project's own drawing of a symbol named as in the macOS symbol set ("power",
// "checkmark.circle.fill", ...): `size` layout pixels square, in `color`, sharp at the
// screen's pixel ratio. A symbol without a drawing gives an empty pixmap.
QPixmap pixmap(std::string_view symbol, const QColor& color, int size);
QIcon icon(std::string_view symbol, const QColor& color, int size = 16);
// For a tray: the symbol at the sizes panels ask for, in `color`.
QIcon trayIcon(std::string_view symbol, const QColor& color);
// For the menu bar of a Mac: black shapes that the system recolours with the bar's appearance.
QIcon maskIcon(std::string_view symbol);
bool exists(std::string_view symbol);

}  // namespace varnel::Icons
