#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

QString& FolderOverride() {
    static QString folder;
    return folder;
}

// The user's data folder when start-up chose it; empty while the program folder serves.
QString& UserFolderChoice() {
    static QString folder;
    return folder;
}

}  // namespace

QString ProgramFolder() {
    return FolderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : FolderOverride();
}

QString ProgramPath(const QString& relative) {
    return ProgramFolder() + u'/' + relative;
}

void SetProgramFolder(const QString& folder) {
    FolderOverride() = folder;
}

QString DataFolder() {
    return UserFolderChoice().isEmpty() ? ProgramFolder() : UserFolderChoice();
}

QString DataPath(const QString& relative) {
    return DataFolder() + u'/' + relative;
}

QStringList DataFolders() {
    QStringList folders{DataFolder()};
    if (DataFolder() != ProgramFolder()) {
        folders << ProgramFolder();
    }
    return folders;
}

QString FindDataFile(const QString& relative) {
    for (const QString& folder : DataFolders()) {
        const QString path = folder + u'/' + relative;
        if (FileExists(path)) {
            return path;
        }
    }
    return QString();
}

bool CanKeepFilesIn(const QString& folder, const QStringList& names) {
    if (QFileInfo(folder).isWritable()) {
        return true;
    }
    return std::all_of(names.begin(), names.end(), [&folder](const QString& name) {
        const QFileInfo file(folder + u'/' + name);
        return file.isFile() && file.isWritable();
    });
}

void ChooseDataFolder(bool programFolderWritable) {
    UserFolderChoice() = programFolderWritable
                             ? QString()
                             : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!UserFolderChoice().isEmpty()) {
        EnsureFolder(UserFolderChoice());
    }
}

std::optional<QByteArray> ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool UpdateFile(const QString& path, const QByteArray& bytes) {
    return ReadFileBytes(path) == bytes || WriteFileAtomically(path, bytes);
}

bool EnsureFolder(const QString& folder) {
    return QDir().mkpath(folder);
}

bool FileExists(const QString& path) {
    return QFileInfo(path).isFile();
}
