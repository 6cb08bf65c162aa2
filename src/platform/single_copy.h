#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

// One copy of the game for each folder of the user's files, as the desktop's own programs have one
// window: the first copy started on the folder holds a lock in the user's runtime folder and
// listens beside it; a later one asks it to bring its window to the front, and ends. A lock left
// by a copy that was killed is taken over. The runtime folder is the user's own, so two users are
// never in each other's way.
class SingleCopy : public QObject {
    Q_OBJECT
  public:
    enum class Start {
        // No other copy runs on the folder, or none can be told from this one: this one plays.
        First,
        // Another copy runs and brings its window to the front: this one ends.
        Raised,
        // Another copy holds the lock but did not answer in time: this one plays, keeping only
        // what can be merged with the other's files.
        OtherUnreached,
    };

    // `folder` is the folder of the user's files.
    explicit SingleCopy(const QString& folder);
    Start Claim();

  signals:
    // A later copy was started: the window is to come to the front.
    void raiseRequested();

  private:
    void Answer();

    QString name_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};
