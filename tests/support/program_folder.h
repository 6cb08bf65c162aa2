#pragma once

#include "platform/files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A folder of the test's own and the files below it.
class TestFolder {
  public:
    QString Path(const QString& relative) const { return root_ + u'/' + relative; }
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

  protected:
    QTemporaryDir dir_;
    QString root_ = dir_.path();
};

// A program folder of the test's own, with the folders the program expects beside it.
class TestProgramFolder : public TestFolder {
  public:
    TestProgramFolder() {
        for (const char* folder : {"help", "sounds", "puzzels", "website"}) {
            QDir(root_).mkpath(QString::fromLatin1(folder));
        }
        SetProgramFolder(root_);
    }
    ~TestProgramFolder() { SetProgramFolder(QString()); }
};

// The user's own data folder, chosen as a start-up chooses it when the program folder cannot be
// written; it is made empty.
class TestUserFolder : public TestFolder {
  public:
    TestUserFolder() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.path()));
        ChooseDataFolder(false);
        root_ = DataFolder();
    }
    ~TestUserFolder() {
        ChooseDataFolder(true);
        qunsetenv("XDG_DATA_HOME");
    }
};
