#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString& FolderOverride() {
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
