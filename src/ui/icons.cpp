#include "ui/icons.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

// Resources of a static library have to be registered by hand.
static void registerIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace varnel::Icons {

namespace {

QString resourcePath(std::string_view symbol) {
    static const bool registered = (registerIconResources(), true);
    (void)registered;
    return QStringLiteral(":/icons/") +
           QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size())) +
           QStringLiteral(".svg");
}

}  // namespace

bool exists(std::string_view symbol) {
    return QFile::exists(resourcePath(symbol));
}

QPixmap pixmap(std::string_view symbol, const QColor& color, int size) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    // Views draw their symbols each time they paint: keep what was drawn.
    const QString key = QStringLiteral("varnel.symbol/%1/%2/%3/%4")
                            .arg(resourcePath(symbol), color.name(QColor::HexArgb))
                            .arg(size)
                            .arg(ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) {
        return cached;
    }
    QSvgRenderer renderer(resourcePath(symbol));
    if (!renderer.isValid()) {
        return {};
    }
    const int pixels = qRound(size * ratio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    // The drawings are black; the colour takes their shape.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    painter.end();
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, result);
    return result;
}

QIcon icon(std::string_view symbol, const QColor& color, int size) {
    return QIcon(pixmap(symbol, color, size));
}

QIcon trayIcon(std::string_view symbol, const QColor& color) {
    QIcon icon;
    for (int size : {16, 18, 22, 24, 32, 44}) {
        icon.addPixmap(pixmap(symbol, color, size));
    }
    return icon;
}

QIcon maskIcon(std::string_view symbol) {
    QIcon icon = trayIcon(symbol, Qt::black);
    icon.setIsMask(true);
    return icon;
}

}  // namespace varnel::Icons
