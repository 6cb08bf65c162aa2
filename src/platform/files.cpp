#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString& FolderFailure() {
    static QString failure;
    return failure;
}

const QString NotAFileText = QStringLiteral("Op die plaats staat geen gewoon bestand.");
const QString NoHomeText =
    QStringLiteral("U hebt geen eigen map (HOME) om bestanden in te bewaren.");

QString TooLargeText(qint64 limit) {
    return QStringLiteral(
               "Het bestand is groter dan %1 MB, groter dan het ooit wordt; het wordt "
               "niet gelezen en niet veranderd.")
        .arg(limit / (1024 * 1024));
}

// Why a file operation failed: the system's error number when it left one, else what Qt says.
QString Failure(int error, const QFileDevice& file) {
    return error != 0 ? FailureText(error) : file.errorString();
}

// The file a path stands for: a link is followed to the end of its chain, also to a file that does
// not exist yet, so that a save writes the link's file and leaves the link in place.
QString LinkedFile(const QString& path) {
    QString file = QFileInfo(path).absoluteFilePath();
    for (int links = 0; links < 40; ++links) {
        const QFileInfo info(file);
        if (!info.isSymLink()) {
            break;
        }
        file = info.symLinkTarget();
    }
    return file;
}

// The folder's entries on the disk, so that a replaced file stays replaced after a power cut.
void SyncFolder(const QString& folder) {
    const int handle =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
}

// Writes over the file itself, for a folder that takes no temporary file. The bytes beyond the old
// end go first: a full disk or a size limit stops the write there, and cutting the file back
// leaves the old bytes as they were. The rest overwrites blocks the file has already.
FileResult WriteInPlace(const QString& path, const QByteArray& bytes, int refusal) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        return {FailureText(refusal)};
    }
    const qint64 old = file.size();
    const qint64 size = bytes.size();
    if (size > old) {
        errno = 0;
        if (!file.seek(old) || file.write(bytes.constData() + old, size - old) != size - old) {
            const int error = errno;
            static_cast<void>(file.resize(old));
            return {Failure(error, file)};
        }
    }
    const qint64 head = std::min(old, size);
    errno = 0;
    if (!file.seek(0) || file.write(bytes.constData(), head) != head || !file.resize(size) ||
        ::fsync(file.handle()) != 0) {
        return {Failure(errno, file)};
    }
    return {};
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

bool IsPortableFolder(const QString& folder, const QStringList& names) {
    return FileExists(folder + u'/' + PortableMark) && QFileInfo(folder).ownerId() == ::geteuid() &&
           CanKeepFilesIn(folder, names);
}

QString ChooseDataFolder(bool portable, const QStringList& names) {
    UserFolderChoice().clear();
    FolderFailure().clear();
    if (portable) {
        return QString();
    }
    // Without HOME the user database names the home folder; with neither, the files would land
    // at the root of the file system, and nothing is kept.
    if (qEnvironmentVariableIsEmpty("HOME")) {
        if (const passwd* user = ::getpwuid(::geteuid()); user && user->pw_dir) {
            qputenv("HOME", user->pw_dir);
        }
    }
    const QString folder =
        QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    UserFolderChoice() = folder;
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME") && QDir::homePath() == QDir::rootPath()) {
        FolderFailure() = NoHomeText;
    } else if (const FileResult made = EnsureFolder(folder); !made) {
        FolderFailure() = made.failure;
    } else if (::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK,
                           AT_EACCESS) != 0) {
        const int error = errno;
        if (names.isEmpty() || !CanKeepFilesIn(folder, names)) {
            FolderFailure() = FailureText(error);
        }
    }
    return FolderFailure();
}

QString DataFolderFailure() {
    return FolderFailure();
}

FileContent ReadFile(const QString& path) {
    // The type is looked at before the file is opened, so that nothing is opened that could keep
    // the program waiting or that acts on being opened.
    const QFileInfo info(path);
    if (!info.exists()) {
        return {ReadStatus::Missing, {}, {}};
    }
    if (!info.isFile()) {
        return {ReadStatus::NotAFile, {}, info.isDir() ? FailureText(EISDIR) : NotAFileText};
    }
    if (info.size() > MaxFileSize) {
        return {ReadStatus::TooLarge, {}, TooLargeText(MaxFileSize)};
    }
    // Another may have taken the file's place meanwhile: it is opened without waiting, and what
    // was opened is looked at again.
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        return {
            errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable, {}, FailureText(errno)};
    }
    QFile file;
    struct stat status {};
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return {ReadStatus::Unreadable, {}, file.errorString()};
    }
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        return {ReadStatus::NotAFile, {}, NotAFileText};
    }
    // As much as the file held when looked at, and a byte more: only a file that grows meanwhile
    // is read on, up to the limit, so that its size is still checked.
    const qint64 held = std::min<qint64>(status.st_size, MaxFileSize);
    QByteArray bytes = file.read(held + 1);
    if (bytes.size() > held) {
        bytes += file.read(MaxFileSize + 1 - bytes.size());
    }
    if (file.error() != QFileDevice::NoError) {
        return {ReadStatus::Unreadable, {}, file.errorString()};
    }
    if (bytes.size() > MaxFileSize) {
        return {ReadStatus::TooLarge, {}, TooLargeText(MaxFileSize)};
    }
    return {ReadStatus::Read, bytes, {}};
}

FileResult WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    const QString target = LinkedFile(path);
    const QFileInfo info(target);
    if (info.exists() && !info.isFile()) {
        return {info.isDir() ? FailureText(EISDIR) : NotAFileText};
    }
    QSaveFile file(target);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        if (info.exists()) {
            return WriteInPlace(target, bytes, error);
        }
        return {Failure(error, file)};
    }
    // The bytes are buffered: only the flush tells whether the disk took them. A failure leaves
    // the temporary file, never the old one.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int error = errno;
        file.cancelWriting();
        return {Failure(error, file)};
    }
    errno = 0;
    if (!file.commit()) {
        return {Failure(errno, file)};
    }
    SyncFolder(info.absolutePath());
    return {};
}

FileResult WriteKeptFile(const QString& path, const QByteArray& bytes) {
    if (const QFileInfo info(LinkedFile(path)); info.isFile() && info.size() > MaxFileSize) {
        return {TooLargeText(MaxFileSize)};
    }
    return WriteFileAtomically(path, bytes);
}

FileResult RemoveKeptFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink() && (!info.isFile() || info.size() > MaxFileSize)) {
        return {};
    }
    if (QFile file(path); file.remove()) {
        return {};
    }
    return WriteFileAtomically(path, QByteArray());
}

QString FailureText(int error) {
    switch (error) {
        case ENOSPC:
            return QStringLiteral("De schijf is vol.");
        case EDQUOT:
            return QStringLiteral("De ruimte die u op de schijf mag gebruiken is op.");
        case EFBIG:
            return QStringLiteral("Het bestand zou groter worden dan het systeem toestaat.");
        case EACCES:
        case EPERM:
            return QStringLiteral("U hebt hier geen toestemming voor.");
        case EROFS:
            return QStringLiteral("Op deze schijf kan niet geschreven worden.");
        case ENOENT:
            return QStringLiteral("De map bestaat niet.");
        case ENOTDIR:
        case EEXIST:
            return QStringLiteral("Een deel van de weg naar het bestand is geen map.");
        case EISDIR:
            return QStringLiteral("Er staat een map met deze naam.");
        case EIO:
            return QStringLiteral("De schijf gaf een lees- of schrijffout.");
        case 0:
            return QStringLiteral("Onbekende fout.");
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

FileResult EnsureFolder(const QString& folder) {
    errno = 0;
    if (!QDir().mkpath(folder)) {
        return {FailureText(errno)};
    }
    return {};
}

bool FileExists(const QString& path) {
    return QFileInfo(path).isFile();
}
