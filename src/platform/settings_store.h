#pragma once

#include <QString>

// The per-user settings store of the desktop, addressed by application name, section and key,
// with every value kept as text.

// The stored text, or `defaultValue` when the store has no such key.
QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue = QString());

// Stores the text; a store that cannot be written is left as it was, without a message.
void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);

// Keeps every application's settings in this one ini file instead of the desktop's store, so
// that tests see a store of their own; an empty path goes back to the desktop's store.
void SetSettingsFile(const QString& path);
