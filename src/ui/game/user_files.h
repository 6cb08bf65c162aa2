#pragma once

#include "core/score_list.h"
#include "core/settings.h"
#include "platform/files.h"

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <utility>

class QWidget;

// Keeps the user's files: Sudoku.ini and Voorkeuren.ini with the settings and the window's place,
// and Scorelijst.lst with the score list. They are read at start-up, and every change is written
// soon after it is made, merged with what the file holds at that moment, so that two copies of
// the game running side by side keep each other's changes. A file that the run did not change is
// not written.
//
// A file that cannot be written keeps its old bytes, and the user is told once, with the file's
// name and why, until it can be written again; a score entered or deleted is told each time. Read
// and Written do the same for any other file the program keeps for the user.
class UserFiles : public QObject {
    Q_OBJECT
  public:
    // Message boxes have `owner` as their owner.
    UserFiles(GameSettings& settings, ScoreList& scores, QWidget* owner);
    ~UserFiles() override;

    // Reads the settings into the state. Where there is no Sudoku.ini at all, one is made from the
    // state; a file that is there is left as it is until a setting changes.
    void LoadSettings();
    // The game window's size, place and state as they were kept; empty when none were.
    const QByteArray& WindowPlace() const { return windowPlace_; }
    // Keeps the window's size, place and state, when they changed. Failing costs only the place:
    // the window opens where it opens at first.
    void KeepWindowPlace(const QByteArray& place);
    // A setting was changed: it is written a moment later, together with whatever a scroll bar
    // that is being dragged changes meanwhile.
    void SettingsChanged();
    // Writes every change that is not written yet. Without `tell`, a failure is kept from the
    // user, who may not be there to answer (the desktop session is ending).
    void SaveAll(bool tell = true);
    // Brings the score list in step with its file: this run's changes are written, and what
    // another copy of the game wrote meanwhile is taken over. At start-up, reads the list.
    void SyncScores();
    // No more message boxes: the program is ending without the user to answer them (a signal).
    void Quiet() { quiet_ = true; }
    // Another copy of the game keeps the game in progress, the settings and the window's place:
    // this one keeps only its scores, merged with the other's.
    void LeaveToAnotherCopy() { leftToOther_ = true; }
    bool LeftToAnotherCopy() const { return leftToOther_; }

    // A file of the user's, when it is a plain file of a size that a real one has; a larger one is
    // passed over, and the user is told.
    std::optional<QByteArray> Read(const QString& path);
    // A file of the user's written elsewhere (by a thread of its own) was written, or failed to
    // be, and why: told as a failure of the settings or the scores is.
    void Written(const QString& path, const QString& failure);

  private:
    FileContent Look(const QString& path);
    bool Store(const QString& path, const QByteArray& bytes);
    // Writes what `merge` makes of what the file holds now, when that differs; false when the file
    // could not be read or written, which the user is told.
    bool Update(const QString& path, const std::function<QByteArray(const QByteArray&)>& merge);
    void Tell(const QString& path, const QString& text, const QString& failure);
    bool SaveSettings();
    bool SavePreferences();
    bool SaveScores();

    GameSettings& settings_;
    ScoreList& scores_;
    QWidget* owner_;
    // The settings as this run last read or wrote them: what differs from them is this run's.
    GameSettings savedSettings_;
    // The same for the switches of Voorkeuren.ini.
    GameSettings savedPreferences_;
    QTimer settingsTimer_;
    QTimer scoresTimer_;
    QByteArray windowPlace_;
    // The files whose failure the user was told about and that were not written since, each with
    // what the user was told.
    QSet<std::pair<QString, QString>> told_;
    bool quiet_ = false;
    bool leftToOther_ = false;
    // The window has been painted once: message boxes no longer wait for it.
    bool painted_ = false;
};
