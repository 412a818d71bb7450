#include "platform/qt/qsettings_store.h"

namespace varnel {

namespace {

QString keyOf(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

QSettingsStore::QSettingsStore() : settings_(QStringLiteral("Varnel"), QStringLiteral("Varnel")) {}

QVariant QSettingsStore::value(std::string_view key) const {
    return settings_.value(keyOf(key));
}

std::optional<std::string> QSettingsStore::data(std::string_view key) {
    const QVariant stored = value(key);
    if (stored.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    const QByteArray bytes = stored.toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void QSettingsStore::setData(std::string_view key, std::string_view bytes) {
    settings_.setValue(keyOf(key), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    settings_.sync();
}

std::optional<std::string> QSettingsStore::string(std::string_view key) {
    const QVariant stored = value(key);
    if (stored.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return stored.toString().toStdString();
}

void QSettingsStore::setString(std::string_view key, std::string_view value) {
    settings_.setValue(keyOf(key),
                       QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    settings_.sync();
}

bool QSettingsStore::boolValue(std::string_view key) {
    const QVariant stored = value(key);
    if (stored.typeId() == QMetaType::Bool) {
        return stored.toBool();
    }
    return stored.typeId() == QMetaType::QString && stored.toString() == QStringLiteral("true");
}

void QSettingsStore::setBool(std::string_view key, bool value) {
    settings_.setValue(keyOf(key), value);
    settings_.sync();
}

}  // namespace varnel
