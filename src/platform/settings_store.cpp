#include "platform/settings_store.h"

#include <QSettings>

#include <memory>

namespace {

QString& SettingsFile() {
    static QString path;
    return path;
}

// The store of one application: the desktop's per-user store under the application's name as
// maker and product, or the ini file set for tests.
std::unique_ptr<QSettings> Store(const QString& application) {
    if (!SettingsFile().isEmpty()) {
        auto store = std::make_unique<QSettings>(SettingsFile(), QSettings::IniFormat);
        store->beginGroup(application);
        return store;
    }
    return std::make_unique<QSettings>(QSettings::UserScope, application, application);
}

QString KeyPath(const QString& section, const QString& key) {
    return section + u'/' + key;
}

}  // namespace

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    const QVariant value = Store(application)->value(KeyPath(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    const std::unique_ptr<QSettings> store = Store(application);
    store->setValue(KeyPath(section, key), value);
    store->sync();
}

void SetSettingsFile(const QString& path) {
    SettingsFile() = path;
}
