#include "core/statistics.h"

#include "core/clock.h"
#include "core/game_model.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr int FileVersion = 1;
// Tenths of a hundred years: no game takes longer.
constexpr double LongestTime = 10.0 * 3600 * 24 * 365 * 100;
// A trend smaller than this share of the mean time is no trend.
constexpr double SteadyShare = 0.05;

int LevelOf(const PuzzleGivens& givens) {
    if (!givens.graded || givens.solutions > 1) {
        return 0;
    }
    // A puzzle beyond the ladder is named as its top.
    return givens.level == 0 ? MaxDifficulty : givens.level;
}

// One game holding the completion and the help of both: the faster time, should both have one.
PlayedGame Joined(PlayedGame game, const PlayedGame& other) {
    if (other.completed && (!game.completed || other.tenths < game.tenths)) {
        game.completed = true;
        game.tenths = other.tenths;
    }
    game.help |= other.help;
    return game;
}

bool BegunBefore(const PlayedGame& a, const PlayedGame& b) {
    return a.start.begun < b.start.begun;
}

QString BegunKey(const QDateTime& begun) {
    return begun.toUTC().toString(Qt::ISODateWithMs);
}

QJsonObject EntryJson(const PlayedGame& game) {
    QJsonObject entry;
    WriteStart(entry, game.start, game.help);
    entry[u"level"] = game.level;
    entry[u"completed"] = game.completed;
    if (game.completed) {
        entry[u"tenths"] = game.tenths;
    }
    return entry;
}

bool IsWhole(const QJsonValue& value, double lowest, double highest) {
    const double number = value.toDouble(-1);
    return value.isDouble() && number >= lowest && number <= highest &&
           std::floor(number) == number;
}

std::optional<PlayedGame> EntryOf(const QJsonValue& value) {
    const QJsonObject entry = value.toObject();
    const std::optional<std::pair<GameStart, HelpUsed>> start = ReadStart(entry);
    if (!start || !start->first.begun.isValid() || !IsWhole(entry[u"level"], 0, MaxDifficulty) ||
        entry[u"level"].toInt() == 1 || !entry[u"completed"].isBool()) {
        return std::nullopt;
    }
    PlayedGame game{start->first, entry[u"level"].toInt(), entry[u"completed"].toBool(), 0,
                    start->second};
    if (game.completed) {
        if (!IsWhole(entry[u"tenths"], 0, LongestTime)) {
            return std::nullopt;
        }
        game.tenths = static_cast<long long>(entry[u"tenths"].toDouble());
    }
    return game;
}

struct StatisticsFile {
    int version = FileVersion;
    QJsonArray games;
};

std::optional<StatisticsFile> FileOf(QByteArrayView text) {
    if (text.trimmed().isEmpty()) {
        return StatisticsFile();
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toByteArray(), &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || !IsWhole(root[u"statistiek"], 1, 1e9) ||
        !root[u"games"].isArray()) {
        return std::nullopt;
    }
    return StatisticsFile{root[u"statistiek"].toInt(), root[u"games"].toArray()};
}

// One game to a line, so that the file reads well and changes by lines.
QByteArray FileText(const QJsonArray& games) {
    QByteArray text = "{\n\"statistiek\": " + QByteArray::number(FileVersion) + ",\n\"games\": [\n";
    for (qsizetype i = 0; i < games.size(); ++i) {
        const QByteArray line = QJsonDocument(QJsonArray{games[i]}).toJson(QJsonDocument::Compact);
        text += line.mid(1, line.size() - 2) + (i + 1 < games.size() ? ",\n" : "\n");
    }
    return text + "]\n}\n";
}

}  // namespace

PlayedGame PlayedGameOf(const GameModel& model) {
    return {model.Start(), LevelOf(model.Puzzle()), model.Completed(),
            model.Completed() ? std::max(model.ClockTicks(), 0LL) : 0, model.UsedHelp()};
}

void PutEntries(std::vector<PlayedGame>& games, const std::vector<PlayedGame>& entries) {
    for (const PlayedGame& entry : entries) {
        const auto same = std::find_if(games.begin(), games.end(), [&entry](const PlayedGame& g) {
            return g.start.begun == entry.start.begun;
        });
        if (same != games.end()) {
            *same = Joined(entry, *same);
        } else {
            games.insert(std::upper_bound(games.begin(), games.end(), entry, BegunBefore), entry);
        }
    }
}

GameLog::GameLog(const GameModel& model) {
    const auto enter = [this, &model] { Enter(model); };
    connect(&model, &GameModel::laidOut, this, enter);
    connect(&model, &GameModel::helpUsed, this, enter);
    connect(&model, &GameModel::completed, this, enter);
}

void GameLog::Enter(const GameModel& model) {
    if (model.Start().begun.isValid()) {
        PutEntries(unsaved_, {PlayedGameOf(model)});
        emit changed();
    }
}

std::optional<std::vector<PlayedGame>> ReadStatisticsFile(QByteArrayView text) {
    const std::optional<StatisticsFile> file = FileOf(text);
    if (!file) {
        return std::nullopt;
    }
    std::vector<PlayedGame> games;
    for (const QJsonValue& value : file->games) {
        if (const std::optional<PlayedGame> game = EntryOf(value)) {
            games.push_back(*game);
        }
    }
    return games;
}

std::optional<QByteArray> MergeStatisticsFile(QByteArrayView text,
                                              const std::vector<PlayedGame>& entries) {
    std::optional<StatisticsFile> file = FileOf(text);
    if (!file || file->version > FileVersion) {
        return std::nullopt;
    }
    QJsonArray& games = file->games;
    for (const PlayedGame& entry : entries) {
        const QString key = BegunKey(entry.start.begun);
        const auto keyOf = [&games](qsizetype i) {
            return games[i].toObject()[u"begun"].toString();
        };
        qsizetype at = 0;
        while (at < games.size() && keyOf(at) != key) {
            ++at;
        }
        if (at < games.size()) {
            const std::optional<PlayedGame> there = EntryOf(games[at]);
            games[at] = EntryJson(there ? Joined(entry, *there) : entry);
            continue;
        }
        // Before the first game begun later.
        at = 0;
        while (at < games.size() && !(keyOf(at) > key)) {
            ++at;
        }
        games.insert(at, EntryJson(entry));
    }
    return FileText(games);
}

Summary Summarize(std::vector<PlayedGame> games, QDate today) {
    std::stable_sort(games.begin(), games.end(), BegunBefore);
    Summary summary;
    std::array<std::vector<long long>, std::tuple_size_v<decltype(summary.levels)>> times;
    std::vector<QDate> days;
    for (const PlayedGame& game : games) {
        if (game.start.source == PuzzleSource::Daily && game.completed) {
            days.push_back(game.start.day);
        }
        if (game.level < MinDifficulty) {
            ++summary.unleveled;
            continue;
        }
        const auto level = static_cast<std::size_t>(game.level - MinDifficulty);
        LevelSummary& row = summary.levels[level];
        ++row.begun;
        row.completed += game.completed ? 1 : 0;
        if (game.completed && !game.help) {
            ++row.unaided;
            times[level].push_back(game.tenths);
        }
    }
    for (std::size_t level = 0; level < times.size(); ++level) {
        std::vector<long long>& own = times[level];
        LevelSummary& row = summary.levels[level];
        row.recent.assign(
            own.end() - static_cast<std::ptrdiff_t>(std::min(own.size(), ChartLength)), own.end());
        if (own.empty()) {
            continue;
        }
        std::sort(own.begin(), own.end());
        const std::size_t half = own.size() / 2;
        row.best = own.front();
        row.median = own.size() % 2 == 1 ? own[half] : (own[half - 1] + own[half]) / 2;
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    const auto solved = [&days](QDate day) {
        return std::binary_search(days.begin(), days.end(), day);
    };
    int run = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        run = i > 0 && days[i - 1].addDays(1) == days[i] ? run + 1 : 1;
        summary.longestStreak = std::max(summary.longestStreak, run);
    }
    for (QDate day = solved(today) ? today : today.addDays(-1); solved(day);
         day = day.addDays(-1)) {
        ++summary.streak;
    }
    return summary;
}

std::pair<double, double> TrendOf(const std::vector<long long>& times) {
    const auto n = static_cast<double>(times.size());
    if (times.empty()) {
        return {0, 0};
    }
    const double meanX = (n - 1) / 2;
    const double meanY = std::accumulate(times.begin(), times.end(), 0.0) / n;
    double covariance = 0;
    double variance = 0;
    for (std::size_t i = 0; i < times.size(); ++i) {
        const double dx = static_cast<double>(i) - meanX;
        covariance += dx * (static_cast<double>(times[i]) - meanY);
        variance += dx * dx;
    }
    const double slope = variance > 0 ? covariance / variance : 0;
    return {meanY - slope * meanX, meanY + slope * meanX};
}

QString ChartWords(const std::vector<long long>& times) {
    if (times.empty()) {
        return QStringLiteral("nog geen tijden zonder hulp");
    }
    if (times.size() == 1) {
        return QStringLiteral("1 tijd zonder hulp: %1").arg(ClockText(times.front()));
    }
    const auto [first, last] = TrendOf(times);
    const double mean = (first + last) / 2;
    const QString trend = std::abs(last - first) <= SteadyShare * mean ? QStringLiteral("gelijk")
                          : last < first                               ? QStringLiteral("sneller")
                                         : QStringLiteral("langzamer");
    return QStringLiteral("%1 tijden zonder hulp, de eerste %2, de laatste %3; de lijn: %4")
        .arg(times.size())
        .arg(ClockText(times.front()), ClockText(times.back()), trend);
}
