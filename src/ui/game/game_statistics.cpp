#include "ui/game/game_statistics.h"

#include "platform/files.h"
#include "ui/game/user_files.h"

namespace {

const QString NotStatistics =
    QStringLiteral("Het bestand is geen statistiek die dit spel kan lezen.");

}  // namespace

GameStatistics::GameStatistics(const GameModel& model, UserFiles& files)
    : log_(model), files_(files) {
    // A game is written as soon as the event that began, helped or completed it is done.
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(0);
    connect(&saveTimer_, &QTimer::timeout, this, &GameStatistics::Save);
    connect(&log_, &GameLog::changed, &saveTimer_, qOverload<>(&QTimer::start));
}

GameStatistics::~GameStatistics() {
    files_.Quiet();
    Save();
}

void GameStatistics::Save() {
    saveTimer_.stop();
    if (log_.Unsaved().empty()) {
        return;
    }
    const QString path = DataPath(StatisticsFileName);
    const FileContent file = ReadFile(path);
    if (file.status != ReadStatus::Read && file.status != ReadStatus::Missing) {
        files_.Written(path, file.failure);
        return;
    }
    const std::optional<QByteArray> merged = MergeStatisticsFile(file.bytes, log_.Unsaved());
    if (!merged) {
        files_.Written(path, NotStatistics);
        return;
    }
    if (file.status == ReadStatus::Read && *merged == file.bytes) {
        log_.Saved();
        return;
    }
    const FileResult written = WriteFileAtomically(path, *merged);
    files_.Written(path, written.failure);
    if (written) {
        log_.Saved();
    }
}

std::vector<PlayedGame> GameStatistics::Games(QString& note) {
    Save();
    const QString path = DataPath(StatisticsFileName);
    const FileContent file = ReadFile(path);
    std::optional<std::vector<PlayedGame>> games =
        file.status == ReadStatus::Read || file.status == ReadStatus::Missing
            ? ReadStatisticsFile(file.bytes)
            : std::nullopt;
    if (!games) {
        note = QStringLiteral("%1 kon niet worden gelezen. %2")
                   .arg(StatisticsFileName, file.failure.isEmpty() ? NotStatistics : file.failure);
        games.emplace();
    }
    PutEntries(*games, log_.Unsaved());
    return std::move(*games);
}
