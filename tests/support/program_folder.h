#pragma once

#include "platform/files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A program folder of the test's own, with the folders the program expects beside it.
class TestProgramFolder {
  public:
    TestProgramFolder() {
        for (const char* folder : {"help", "sounds", "puzzels", "website"}) {
            QDir(dir_.path()).mkpath(QString::fromLatin1(folder));
        }
        SetProgramFolder(dir_.path());
    }
    ~TestProgramFolder() { SetProgramFolder(QString()); }

    QString Path(const QString& relative) const { return dir_.path() + u'/' + relative; }
    QByteArray Read(const QString& relative) const {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Write(const QString& relative, const QByteArray& bytes) const {
        QFile file(Path(relative));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }
    bool Exists(const QString& relative) const { return QFile::exists(Path(relative)); }

  private:
    QTemporaryDir dir_;
};
