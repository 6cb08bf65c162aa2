#include "ui/game/user_files.h"

#include "core/settings_file.h"
#include "platform/message_box.h"

#include <QFileInfo>
#include <QWidget>

#include <utility>

namespace {

// A dragged scroll bar changes a setting many times a second; it is written once it rests.
constexpr int SettingsDelayMs = 200;

QString NotSavedText(const QString& path) {
    return QStringLiteral("%1 kon niet worden opgeslagen; het bestand is gebleven zoals het was.")
        .arg(QFileInfo(path).fileName());
}

bool Usable(const FileContent& file) {
    return file.status == ReadStatus::Read || file.status == ReadStatus::Missing;
}

}  // namespace

UserFiles::UserFiles(GameSettings& settings, ScoreList& scores, QWidget* owner)
    : settings_(settings), scores_(scores), owner_(owner) {
    settingsTimer_.setSingleShot(true);
    settingsTimer_.setInterval(SettingsDelayMs);
    connect(&settingsTimer_, &QTimer::timeout, this, &UserFiles::SaveSettings);
    // A score is written as soon as the event that entered or deleted it is done.
    scoresTimer_.setSingleShot(true);
    scoresTimer_.setInterval(0);
    connect(&scoresTimer_, &QTimer::timeout, this, &UserFiles::SaveScores);
    scores_.OnChange([this] { scoresTimer_.start(); });
}

UserFiles::~UserFiles() {
    scores_.OnChange({});
    quiet_ = true;
    SaveAll();
}

void UserFiles::LoadSettings() {
    const QString path = DataPath(SettingsFileName);
    const FileContent file = Look(path);
    if (file.status == ReadStatus::Read) {
        ReadSettingsFile(file.bytes, settings_);
    }
    savedSettings_ = settings_;
    if (file.status == ReadStatus::Missing && !QFileInfo(path).isSymLink()) {
        Store(path, FormatSettingsFile(settings_));
    }
}

void UserFiles::SettingsChanged() {
    settingsTimer_.start();
}

void UserFiles::SaveAll(bool tell) {
    const bool quiet = std::exchange(quiet_, quiet_ || !tell);
    SaveSettings();
    SaveScores();
    quiet_ = quiet;
}

void UserFiles::SyncScores() {
    if (scores_.Changed()) {
        SaveScores();
        return;
    }
    const FileContent file = Look(DataPath(ScoreFileName));
    if (Usable(file)) {
        ScoreList onDisk;
        ReadScoreFile(file.bytes, onDisk);
        scores_.Saved(onDisk);
    }
}

std::optional<QByteArray> UserFiles::Read(const QString& path) {
    FileContent file = Look(path);
    if (file.status != ReadStatus::Read) {
        return std::nullopt;
    }
    return std::move(file.bytes);
}

FileContent UserFiles::Look(const QString& path) {
    FileContent file = ReadFile(path);
    if (file.status == ReadStatus::TooLarge) {
        Tell(path, QStringLiteral("%1 is overgeslagen.").arg(QFileInfo(path).fileName()),
             file.failure);
    }
    return file;
}

bool UserFiles::Store(const QString& path, const QByteArray& bytes) {
    const FileResult result = WriteFileAtomically(path, bytes);
    Written(path, result.failure);
    return bool(result);
}

void UserFiles::Written(const QString& path, const QString& failure) {
    if (failure.isEmpty()) {
        told_.remove(path);
    } else {
        Tell(path, NotSavedText(path), failure);
    }
}

void UserFiles::Tell(const QString& path, const QString& text, const QString& failure) {
    if (told_.contains(path)) {
        return;
    }
    told_.insert(path);
    qWarning("%s: %s", qPrintable(path), qPrintable(failure));
    // Where the data folder itself is unusable, start-up has said so already.
    if (quiet_ || !DataFolderFailure().isEmpty()) {
        return;
    }
    // At start-up the box waits for the window, so that it stands in front of it.
    if (!owner_->isVisible()) {
        QTimer::singleShot(0, owner_, [owner = owner_, text, path, failure] {
            FileFailureBox(owner, text, path, failure);
        });
        return;
    }
    FileFailureBox(owner_, text, path, failure);
}

bool UserFiles::SaveSettings() {
    settingsTimer_.stop();
    if (FormatSettingsFile(settings_) == FormatSettingsFile(savedSettings_)) {
        return true;
    }
    const QString path = DataPath(SettingsFileName);
    const FileContent file = Look(path);
    if (!Usable(file)) {
        Tell(path, NotSavedText(path), file.failure);
        return false;
    }
    const QByteArray bytes = MergeSettingsFile(file.bytes, savedSettings_, settings_);
    if ((file.status == ReadStatus::Missing || bytes != file.bytes) && !Store(path, bytes)) {
        return false;
    }
    savedSettings_ = settings_;
    return true;
}

bool UserFiles::SaveScores() {
    scoresTimer_.stop();
    if (!scores_.Changed()) {
        return true;
    }
    const QString path = DataPath(ScoreFileName);
    const FileContent file = Look(path);
    if (!Usable(file)) {
        Tell(path, NotSavedText(path), file.failure);
        return false;
    }
    ScoreList onDisk;
    ReadScoreFile(file.bytes, onDisk);
    const ScoreList merged = scores_.WithChangesOn(std::move(onDisk));
    const QByteArray bytes = FormatScoreFile(merged);
    const bool create = file.status == ReadStatus::Missing && merged.Count() > 0;
    if ((create || bytes != file.bytes) && !Store(path, bytes)) {
        return false;
    }
    scores_.Saved(merged);
    return true;
}
