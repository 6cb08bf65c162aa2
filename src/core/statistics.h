#pragma once

#include "core/game_start.h"
#include "core/settings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class GameModel;

// One game begun, as the statistics keep it.
struct PlayedGame {
    GameStart start;
    // The level 2..8 the window named for the puzzle; 0 for one that was not graded or has more
    // than one solution.
    int level = 0;
    bool completed = false;
    // The time of a completed game, in tenths of a second.
    long long tenths = 0;
    HelpUsed help;
    bool operator==(const PlayedGame&) const = default;
};

// The game on the board as the statistics keep it.
PlayedGame PlayedGameOf(const GameModel& model);

// The games with these entries put in: an entry joins a game of the same beginning, which keeps
// the help and the completion of both, or stands on its own in the order of beginning.
void PutEntries(std::vector<PlayedGame>& games, const std::vector<PlayedGame>& entries);

// Follows the games played on a model: a game that has its moment of beginning is entered when it
// is laid out or taken up, and again when help is used or it is completed. The entries wait here
// until they are written.
class GameLog : public QObject {
    Q_OBJECT
  public:
    explicit GameLog(const GameModel& model);

    // The entries that changed since they were last written, in the order of beginning.
    const std::vector<PlayedGame>& Unsaved() const { return unsaved_; }
    // The entries were written as they stand.
    void Saved() { unsaved_.clear(); }

  signals:
    void changed();

  private:
    void Enter(const GameModel& model);

    std::vector<PlayedGame> unsaved_;
};

// Statistiek.json: a JSON object with the format's version ("statistiek") and the games, one to a
// line, in the order of beginning.
inline const QString StatisticsFileName = QStringLiteral("Statistiek.json");
// The games of a file (none of an empty one), passing over those this version cannot read;
// nothing when the text is not a statistics file.
std::optional<std::vector<PlayedGame>> ReadStatisticsFile(QByteArrayView text);
// The file's text with the entries put in (see PutEntries); what this version cannot read stays as
// it is. Nothing when the text is not a statistics file of this version or an older one.
std::optional<QByteArray> MergeStatisticsFile(QByteArrayView text,
                                              const std::vector<PlayedGame>& entries);

// The charts show at most this many times, the last ones.
inline constexpr std::size_t ChartLength = 30;

// What the statistics show of a level.
struct LevelSummary {
    int begun = 0;
    int completed = 0;
    // Completed without help.
    int unaided = 0;
    // Of the times without help, in tenths.
    std::optional<long long> best;
    std::optional<long long> median;
    // The last ChartLength times without help, in the order the games were begun.
    std::vector<long long> recent;
};

struct Summary {
    // Levels MinDifficulty..MaxDifficulty.
    std::array<LevelSummary, MaxDifficulty - MinDifficulty + 1> levels;
    // Games of puzzles without a level.
    int unleveled = 0;
    // Days in a row whose puzzle of the day was completed, up to today, or up to yesterday while
    // today's is not completed yet; and the longest such run.
    int streak = 0;
    int longestStreak = 0;
};
Summary Summarize(std::vector<PlayedGame> games, QDate today);

// The straight line nearest to the times (least squares), given by its heights at the first time
// and at the last: how they went.
std::pair<double, double> TrendOf(const std::vector<long long>& times);
// A chart of times in words, for a screen reader: how many, the first and the last, and whether
// they went down or up.
QString ChartWords(const std::vector<long long>& times);
