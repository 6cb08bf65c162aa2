#pragma once

#include "platform/files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#include <pwd.h>
#include <unistd.h>

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

// A folder that takes no new files while its files may be written, as an ordinary user meets it;
// root, who may write anywhere, takes the part of the user "nobody" meanwhile.
class FolderClosedToNewFiles {
  public:
    explicit FolderClosedToNewFiles(const QString& folder) : folder_(folder) {
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            QFile::setPermissions(folder + u'/' + name, AllMayWrite);
        }
        QFile::setPermissions(folder, AllMayRead);
        if (const passwd* nobody = getpwnam("nobody"); nobody && geteuid() == 0) {
            ownUser_ = seteuid(nobody->pw_uid) == 0;
        }
    }
    ~FolderClosedToNewFiles() {
        if (ownUser_ && seteuid(0) != 0) {
            qFatal("root again: %s", strerror(errno));
        }
        QFile::setPermissions(folder_, AllMayRead | QFile::WriteOwner);
    }

  private:
    static constexpr QFile::Permissions AllMayRead = QFile::ReadOwner | QFile::ExeOwner |
                                                     QFile::ReadGroup | QFile::ExeGroup |
                                                     QFile::ReadOther | QFile::ExeOther;
    static constexpr QFile::Permissions AllMayWrite = QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ReadGroup | QFile::WriteGroup |
                                                      QFile::ReadOther | QFile::WriteOther;
    QString folder_;
    bool ownUser_ = false;
};
