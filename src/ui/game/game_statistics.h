#pragma once

#include "core/statistics.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class GameModel;
class UserFiles;

// The record of every game begun, kept in Statistiek.json in the data folder. A game is written
// when it is begun, when help of a kind is first used and when it is completed, merged with what
// the file holds at that moment, so that two copies of the game keep each other's games. A file
// that cannot be read, or that is no statistics file of this game, is left as it is, and the user
// is told once, as of the other files.
class GameStatistics : public QObject {
    Q_OBJECT
  public:
    GameStatistics(const GameModel& model, UserFiles& files);
    // Writes what is not written yet, without telling a failure.
    ~GameStatistics() override;

    // Writes the games not written yet.
    void Save();
    // Every game, this run's among them; `note` says why the file could not be read, when it
    // could not.
    std::vector<PlayedGame> Games(QString& note);

  private:
    GameLog log_;
    UserFiles& files_;
    QTimer saveTimer_;
};
