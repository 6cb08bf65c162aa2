#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The program folder: the folder of the executable, with the help pages, the sounds and the
// puzzles that come with the program.
QString ProgramFolder();
// A path below the program folder, written with "/" ("sounds/goed.wav").
QString ProgramPath(const QString& relative);
// Tests give every run a folder of its own.
void SetProgramFolder(const QString& folder);

// The folder of the files the program writes: Sudoku.ini, Scorelijst.lst, puzzels and website.
// It is the program folder, unless start-up chose the user's own data folder because the program
// folder cannot be written (a system-wide install).
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
// Chooses once, at start-up, where the files are kept: the program folder when it can be written,
// else the user's data folder (~/.local/share/ and the application's name), which is made here.
void ChooseDataFolder(bool programFolderWritable);

// The whole content of a file, or nothing when it cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path);
// Writes a file whole or not at all: the bytes go to a temporary file beside it, which then
// replaces the old file in one step. A failed or interrupted write leaves the old file as it was.
// A folder that refuses the temporary file but lets the file itself be written gets the bytes
// written in place, so that the save is not lost.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);
// Writes a file as WriteFileAtomically does, unless it holds these very bytes already.
bool UpdateFile(const QString& path, const QByteArray& bytes);
// Makes sure the folder exists.
bool EnsureFolder(const QString& folder);
bool FileExists(const QString& path);
