#include "platform/qt/qt_system_notifications.h"

#include <QCoreApplication>

namespace varnel {

ObserverToken QtSystemNotifications::addObserver(SystemNotification notification,
                                                 std::function<void()> handler) {
    if (notification != SystemNotification::applicationWillTerminate) {
        return system_.addObserver(notification, std::move(handler));
    }
    auto* connection = new QMetaObject::Connection(QObject::connect(
        QCoreApplication::instance(), &QCoreApplication::aboutToQuit, std::move(handler)));
    return ObserverToken(connection, [](void* observation) {
        auto* ended = static_cast<QMetaObject::Connection*>(observation);
        QObject::disconnect(*ended);
        delete ended;
    });
}

}  // namespace varnel
