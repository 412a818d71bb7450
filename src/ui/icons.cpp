#include "ui/icons.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
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
    QSvgRenderer renderer(resourcePath(symbol));
    if (!renderer.isValid()) {
        return {};
    }
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
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
    return result;
}

QIcon icon(std::string_view symbol, const QColor& color, int size) {
    return QIcon(pixmap(symbol, color, size));
}

QIcon maskIcon(std::string_view symbol) {
    QIcon icon;
    for (int size : {16, 18, 22, 32, 44}) {
        icon.addPixmap(pixmap(symbol, Qt::black, size));
    }
    icon.setIsMask(true);
    return icon;
}

}  // namespace varnel::Icons
