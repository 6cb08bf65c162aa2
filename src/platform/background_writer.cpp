#include "platform/background_writer.h"

#include "platform/files.h"

BackgroundWriter::BackgroundWriter(QString path) : path_(std::move(path)) {}

BackgroundWriter::~BackgroundWriter() {
    if (!thread_.joinable()) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void BackgroundWriter::Write(Maker make) {
    Hand(std::move(make));
}

void BackgroundWriter::Remove() {
    Hand(std::nullopt);
}

void BackgroundWriter::Hand(std::optional<Maker> content) {
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { Run(); });
    }
    {
        const std::lock_guard lock(mutex_);
        waiting_ = std::move(content);
    }
    changed_.notify_all();
}

void BackgroundWriter::Flush() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_ && !busy_; });
}

void BackgroundWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return waiting_ || ending_; });
        if (!waiting_) {
            return;
        }
        const std::optional<Maker> content = std::move(*waiting_);
        waiting_.reset();
        busy_ = true;
        lock.unlock();
        const QString failure =
            (content ? WriteKeptFile(path_, (*content)()) : RemoveKeptFile(path_)).failure;
        QMetaObject::invokeMethod(
            this, [this, failure] { emit written(failure); }, Qt::QueuedConnection);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}
