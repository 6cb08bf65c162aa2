#include "platform/preferences.h"

#include <QSettings>

namespace {

const QString WindowPlaceKey = QStringLiteral("Venster");

}  // namespace

void ReadPreferences(const QString& path, GameSettings& settings) {
    const QSettings file(path, QSettings::IniFormat);
    for (const SettingSwitch& setting : SettingSwitches) {
        const QVariant value = file.value(QString::fromLatin1(setting.key));
        if (value.isValid()) {
            settings.*setting.value = value.toBool();
        }
    }
}

FileResult WritePreferences(const QString& path, const GameSettings& settings) {
    QSettings file(path, QSettings::IniFormat);
    const GameSettings defaults;
    for (const SettingSwitch& setting : SettingSwitches) {
        const QString key = QString::fromLatin1(setting.key);
        const bool value = settings.*setting.value;
        if (file.value(key, defaults.*setting.value).toBool() != value) {
            file.setValue(key, value);
        }
    }
    file.sync();
    switch (file.status()) {
        case QSettings::NoError:
            return {};
        case QSettings::FormatError:
            return {QStringLiteral("Het bestand is beschadigd; het wordt niet overschreven.")};
        default:
            return {QStringLiteral("Het bestand kon niet worden geschreven.")};
    }
}

QByteArray ReadWindowPlace(const QString& path) {
    return QSettings(path, QSettings::IniFormat).value(WindowPlaceKey).toByteArray();
}

void WriteWindowPlace(const QString& path, const QByteArray& place) {
    QSettings file(path, QSettings::IniFormat);
    if (file.value(WindowPlaceKey).toByteArray() != place) {
        file.setValue(WindowPlaceKey, place);
    }
}
