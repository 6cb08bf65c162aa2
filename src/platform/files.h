#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The program folder: the folder of the executable, where the program keeps its files.
QString ProgramFolder();
// A path below the program folder, written with "/" ("sounds/goed.wav").
QString ProgramPath(const QString& relative);
// Tests give every run a folder of its own.
void SetProgramFolder(const QString& folder);

// The whole content of a file, or nothing when it cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path);
// Writes a file whole or not at all: the bytes go to a temporary file beside it, which then
// replaces the old file in one step. A failed or interrupted write leaves the old file as it was.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);
// Writes a file as WriteFileAtomically does, unless it holds these very bytes already.
bool UpdateFile(const QString& path, const QByteArray& bytes);
// Makes sure the folder exists.
bool EnsureFolder(const QString& folder);
bool FileExists(const QString& path);
