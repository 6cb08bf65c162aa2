#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program folder: the folder of the executable, with the help pages, the sounds and the
// puzzles that come with the program.
QString ProgramFolder();
// A path below the program folder, written with "/" ("sounds/goed.wav").
QString ProgramPath(const QString& relative);
// Tests give every run a folder of its own.
void SetProgramFolder(const QString& folder);

// The folder of the files the program writes: Sudoku.ini, Scorelijst.lst, puzzels and website.
// It is the program folder of a portable copy, else the user's own data folder.
QString DataFolder();
// A path below the data folder, written with "/".
QString DataPath(const QString& relative);
// The folders in which the files the program keeps are looked for, the user's own first: the
// data folder and, when that is another, the program folder with what came with the program.
QStringList DataFolders();
// The path of a file the program keeps in the first of these folders that holds it; empty when
// none does.
QString FindDataFile(const QString& relative);
// Whether these files can be kept in the folder: it takes new files, or each of them is there
// already and can be written.
bool CanKeepFilesIn(const QString& folder, const QStringList& names);
// The file that marks a portable copy of the program: one that keeps the user's files beside
// itself, as the build folder and the install for one user do. A system-wide install has none.
inline const QString PortableMark = QStringLiteral("portable");
// Whether the folder is a portable copy's program folder that belongs to the user running it and
// can keep these files.
bool IsPortableFolder(const QString& folder, const QStringList& names);
// Chooses once, at start-up, where the files are kept: the program folder of a portable copy,
// else the user's data folder (~/.local/share/ and the application's name), which is made here.
// The answer is empty when the files can be kept there (the folder takes new files, or holds
// these ones and they can be written), else why they cannot, for the user.
QString ChooseDataFolder(bool portable, const QStringList& names = {});
// What the choice found wrong with the data folder; empty when nothing.
QString DataFolderFailure();

// Why a file could not be written or read, in words for the user: empty when nothing went wrong.
struct [[nodiscard]] FileResult {
    QString failure;
    explicit operator bool() const { return failure.isEmpty(); }
};

// No file the program reads whole comes near this size; a larger one is passed over.
inline constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

enum class ReadStatus { Read, Missing, NotAFile, TooLarge, Unreadable };
struct FileContent {
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;
    // Why the file was not read, for the user, unless it is missing.
    QString failure;
};
// The whole content of a plain file of at most MaxFileSize bytes. A folder, a FIFO or a device in
// the file's place is passed over without waiting for it, and so is a larger file.
FileContent ReadFile(const QString& path);

// Writes a file whole or not at all: the bytes go to a temporary file beside it, which then
// replaces the old file in one step, on the disk before the answer comes. A failed or interrupted
// write leaves the old file as it was. A link is followed, so that it keeps pointing at the file
// it pointed at, which is the one written; a folder, a FIFO or a device in the file's place is
// left alone. A folder that refuses the temporary file but lets the file itself be written gets
// the bytes written in place, in an order that keeps the old bytes when the disk is full.
FileResult WriteFileAtomically(const QString& path, const QByteArray& bytes);
// A file the program keeps for the user, written as WriteFileAtomically writes it, unless it is
// larger than MaxFileSize: such a file was passed over when it was read, and is left as it is.
FileResult WriteKeptFile(const QString& path, const QByteArray& bytes);
// Removes a file the program keeps for the user, unless it was passed over when it was read. In a
// folder that lets it be written but not removed, it is emptied: an empty file keeps nothing.
FileResult RemoveKeptFile(const QString& path);
// Why a write or read failed with this error number of the system, in words for the user.
QString FailureText(int error);
// Makes sure the folder exists, and says why when it cannot be made.
FileResult EnsureFolder(const QString& folder);
bool FileExists(const QString& path);
