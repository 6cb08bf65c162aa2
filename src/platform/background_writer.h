#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// Keeps one file up to date from a thread of its own, so that the window never waits for the disk:
// each call hands over the file's newest content (or its removal), the thread makes the bytes and
// writes them whole and on the disk as a file kept for the user (WriteKeptFile, RemoveKeptFile),
// and content that a newer one overtook before it was written is skipped.
class BackgroundWriter : public QObject {
    Q_OBJECT
  public:
    // The thread starts with the first content handed over.
    explicit BackgroundWriter(QString path);
    // Writes what is still waiting before it goes.
    ~BackgroundWriter() override;

    const QString& Path() const { return path_; }
    // The file is to hold the bytes that `make` gives; it is called on the writer's thread, so it
    // must hold its own copy of what it needs.
    using Maker = std::function<QByteArray()>;
    void Write(Maker make);
    // The file is to go.
    void Remove();
    // Returns once everything handed over is on the disk.
    void Flush();

  signals:
    // A write is done: `failure` says why it failed, in words for the user, and is empty when it
    // did not. Delivered on the thread of the writer's owner. A file that failed keeps what it
    // held.
    void written(const QString& failure);

  private:
    void Hand(std::optional<Maker> content);
    void Run();

    const QString path_;
    std::mutex mutex_;
    std::condition_variable changed_;
    // What the file is to hold next: the maker of its bytes, or nothing for its removal.
    std::optional<std::optional<Maker>> waiting_;
    bool busy_ = false;
    bool ending_ = false;
    std::thread thread_;
};
