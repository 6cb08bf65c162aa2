#include "ui/game/user_files.h"

#include "core/preferences_file.h"
#include "core/settings_file.h"
#include "platform/first_paint.h"
#include "platform/message_box.h"

#include <QFileInfo>
#include <QWidget>

#include <algorithm>
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
    AfterFirstPaint(owner_, [this] { painted_ = true; });
    scores_.OnChange([this] {
        // Each score entered or deleted is told when it cannot be kept.
        const QString path = DataPath(ScoreFileName);
        told_.remove({path, NotSavedText(path)});
        scoresTimer_.start();
    });
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
    const FileContent preferences = Look(DataPath(PreferencesFileName));
    ReadPreferencesFile(preferences.bytes, settings_);
    windowPlace_ = WindowPlaceIn(preferences.bytes);
    savedSettings_ = settings_;
    savedPreferences_ = settings_;
    if (file.status == ReadStatus::Missing && !QFileInfo(path).isSymLink()) {
        Store(path, FormatSettingsFile(settings_));
    }
}

void UserFiles::KeepWindowPlace(const QByteArray& place) {
    if (place != windowPlace_ && !leftToOther_ &&
        Update(DataPath(PreferencesFileName),
               [&place](const QByteArray& bytes) { return WithWindowPlace(bytes, place); })) {
        windowPlace_ = place;
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
    const FileResult result = WriteKeptFile(path, bytes);
    Written(path, result.failure);
    return bool(result);
}

bool UserFiles::Update(const QString& path,
                       const std::function<QByteArray(const QByteArray&)>& merge) {
    const FileContent file = Look(path);
    if (!Usable(file)) {
        Tell(path, NotSavedText(path), file.failure);
        return false;
    }
    const QByteArray bytes = merge(file.bytes);
    return bytes == file.bytes || Store(path, bytes);
}

void UserFiles::Written(const QString& path, const QString& failure) {
    if (failure.isEmpty()) {
        told_.removeIf(
            [&path](const std::pair<QString, QString>& told) { return told.first == path; });
    } else {
        Tell(path, NotSavedText(path), failure);
    }
}

void UserFiles::Tell(const QString& path, const QString& text, const QString& failure) {
    if (told_.contains({path, text})) {
        return;
    }
    told_.insert({path, text});
    qWarning("%s: %s", qPrintable(path), qPrintable(failure));
    // Where the data folder itself is unusable, start-up has said so already.
    if (quiet_ || !DataFolderFailure().isEmpty()) {
        return;
    }
    const auto box = [owner = owner_, text, path, failure] {
        FileFailureBox(owner, text, path, failure);
    };
    // At start-up the boxes wait, in turn, until the window stands painted where the desktop put
    // it, so that they stand over it. A window that is closed has nobody to tell.
    if (!painted_) {
        AfterFirstPaint(owner_, box);
    } else if (owner_->isVisible()) {
        box();
    }
}

bool UserFiles::SaveSettings() {
    settingsTimer_.stop();
    if (leftToOther_) {
        return true;
    }
    const bool preferences = SavePreferences();
    if (FormatSettingsFile(settings_) == FormatSettingsFile(savedSettings_)) {
        return preferences;
    }
    if (!Update(DataPath(SettingsFileName), [this](const QByteArray& bytes) {
            return MergeSettingsFile(bytes, savedSettings_, settings_);
        })) {
        return false;
    }
    savedSettings_ = settings_;
    return preferences;
}

bool UserFiles::SavePreferences() {
    if (std::none_of(SettingSwitches.begin(), SettingSwitches.end(),
                     [this](const SettingSwitch& setting) {
                         return settings_.*setting.value != savedPreferences_.*setting.value;
                     })) {
        return true;
    }
    if (!Update(DataPath(PreferencesFileName), [this](const QByteArray& bytes) {
            return MergePreferencesFile(bytes, savedPreferences_, settings_);
        })) {
        return false;
    }
    savedPreferences_ = settings_;
    return true;
}

bool UserFiles::SaveScores() {
    scoresTimer_.stop();
    if (!scores_.Changed()) {
        return true;
    }
    ScoreList merged;
    if (!Update(DataPath(ScoreFileName), [this, &merged](const QByteArray& bytes) {
            ScoreList onDisk;
            ReadScoreFile(bytes, onDisk);
            merged = scores_.WithChangesOn(std::move(onDisk));
            return FormatScoreFile(merged);
        })) {
        return false;
    }
    scores_.Saved(merged);
    return true;
}
