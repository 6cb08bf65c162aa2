#include "core/saved_game.h"

#include "core/base_grids.h"
#include "solver/logic_grader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int Version = 2;
// Version 1 knew six techniques, numbered in their order then.
constexpr std::array<logic::Technique, 6> FirstTechniques{
    logic::Technique::NakedSingle, logic::Technique::HiddenSingle, logic::Technique::BoxLine,
    logic::Technique::NakedPair,   logic::Technique::NakedTriple,  logic::Technique::NakedQuad};
// No game is played for a hundred years.
constexpr long long LongestClock = 10LL * 3600 * 24 * 365 * 100;

QString DigitsText(const Grid& grid) {
    QString text;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            text += QChar(u'0' + grid(c, r));
        }
    }
    return text;
}

QJsonValue Count(std::optional<int> count) {
    return count ? QJsonValue(*count) : QJsonValue();
}

QString MarksText(const std::bitset<10>& marks) {
    QString text;
    for (int digit = 1; digit <= 9; ++digit) {
        if (marks.test(static_cast<std::size_t>(digit))) {
            text += QChar(u'0' + digit);
        }
    }
    return text;
}

QJsonArray ContentJson(const CellContent& content) {
    return {content.digit, MarksText(content.marks),
            QJsonArray{content.ink.red, content.ink.green, content.ink.blue}};
}

// Reading: every value is checked against what the game can hold; the first that fails ends
// the reading.
class Reader {
  public:
    bool ok = true;

    int Number(const QJsonValue& value, int lowest, int highest) {
        const double number = value.toDouble(-1e18);
        if (!value.isDouble() || number < lowest || number > highest ||
            number != static_cast<int>(number)) {
            ok = false;
            return lowest;
        }
        return static_cast<int>(number);
    }
    std::optional<int> OptionalNumber(const QJsonValue& value, int lowest, int highest) {
        return value.isNull() ? std::nullopt : std::optional<int>(Number(value, lowest, highest));
    }
    QJsonArray Array(const QJsonValue& value, qsizetype size = -1) {
        if (!value.isArray() || (size >= 0 && value.toArray().size() != size)) {
            ok = false;
            return QJsonArray();
        }
        return value.toArray();
    }
    Grid Digits(const QJsonValue& value) {
        Grid grid;
        const QString text = value.toString();
        if (text.size() != 81) {
            ok = false;
            return grid;
        }
        for (int i = 0; i < 81; ++i) {
            const int digit = text[i].digitValue();
            ok = ok && digit >= 0;
            grid(i % 9 + 1, i / 9 + 1) = static_cast<std::uint8_t>(std::max(digit, 0));
        }
        return grid;
    }
    CellContent Content(const QJsonValue& value) {
        const QJsonArray parts = Array(value, 3);
        CellContent content;
        if (!ok) {
            return content;
        }
        content.digit = Number(parts[0], 0, 9);
        for (const QChar mark : parts[1].toString()) {
            const int digit = mark.digitValue();
            ok = ok && digit >= 1;
            content.marks.set(static_cast<std::size_t>(std::max(digit, 0)));
        }
        ok = ok && parts[1].isString() && (content.digit == 0 || content.marks.none());
        const QJsonArray ink = Array(parts[2], 3);
        if (ok) {
            content.ink = {Number(ink[0], 0, 255), Number(ink[1], 0, 255), Number(ink[2], 0, 255)};
        }
        return content;
    }
    QPoint Cell(const QJsonValue& value) {
        const QJsonArray place = Array(value, 2);
        return ok ? QPoint(Number(place[0], 1, 9), Number(place[1], 1, 9)) : QPoint(1, 1);
    }
};

}  // namespace

QByteArray SavedGameText(const GameRecord& record) {
    QJsonObject game;
    game[u"sudoku"] = Version;
    game[u"solution"] = DigitsText(record.solution);
    QString givens;
    for (std::size_t i = 0; i < record.givens.cells.size(); ++i) {
        givens += record.givens.cells[i] ? u'1' : u'0';
    }
    game[u"givens"] = givens;
    game[u"graded"] = record.givens.graded;
    game[u"solutions"] = record.givens.solutions;
    game[u"hardest"] =
        record.givens.hardest ? QJsonValue(static_cast<int>(*record.givens.hardest)) : QJsonValue();
    game[u"level"] = record.givens.level;
    QJsonArray cells;
    for (const CellContent& content : record.cells) {
        cells.append(ContentJson(content));
    }
    game[u"cells"] = cells;
    game[u"origin"] = QJsonArray{record.grid, record.symmetry};
    game[u"cursor"] = QJsonArray{record.cursor.x(), record.cursor.y()};
    game[u"selected"] = record.selected;
    game[u"shown"] = Count(record.shownCorrect);
    game[u"clock"] = record.clockTicks;
    game[u"paused"] = record.paused;
    QJsonArray moves;
    for (const GameMove& move : record.history) {
        QJsonArray edits;
        for (const CellEdit& edit : move.edits) {
            edits.append(QJsonArray{QJsonArray{edit.cell.x(), edit.cell.y()},
                                    ContentJson(edit.before), ContentJson(edit.after)});
        }
        QJsonObject object;
        object[u"edits"] = edits;
        object[u"shownBefore"] = Count(move.shownBefore);
        object[u"shownAfter"] = Count(move.shownAfter);
        moves.append(object);
    }
    game[u"moves"] = moves;
    game[u"done"] = static_cast<qint64>(record.done);
    WriteStart(game, record.start, record.help);
    return QJsonDocument(game).toJson(QJsonDocument::Compact);
}

std::optional<GameRecord> ReadSavedGame(QByteArrayView text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject game = document.object();
    Reader read;
    const int version = read.Number(game[u"sudoku"], 1, Version);
    GameRecord record;
    record.solution = read.Digits(game[u"solution"]);
    const QString givens = game[u"givens"].toString();
    read.ok = read.ok && givens.size() == 81 && IsValidSolution(record.solution);
    for (qsizetype i = 0; read.ok && i < 81; ++i) {
        read.ok = givens[i] == u'0' || givens[i] == u'1';
        record.givens.cells[static_cast<std::size_t>(i)] = givens[i] == u'1';
    }
    record.givens.graded = game[u"graded"].toBool();
    record.givens.solutions = read.Number(game[u"solutions"], 1, 2);
    if (const std::optional<int> hardest = read.OptionalNumber(
            game[u"hardest"], 0, version == 1 ? 5 : logic::TechniqueCount - 1)) {
        record.givens.hardest = version == 1 ? FirstTechniques[static_cast<std::size_t>(*hardest)]
                                             : static_cast<logic::Technique>(*hardest);
    }
    if (version > 1) {
        record.givens.level = read.Number(game[u"level"], 0, MaxDifficulty);
    } else if (record.givens.hardest) {
        record.givens.level = logic::DifficultyOf(*record.givens.hardest,
                                                  static_cast<int>(record.givens.cells.count()));
    }
    const QJsonArray cells = read.Array(game[u"cells"], 81);
    for (qsizetype i = 0; read.ok && i < 81; ++i) {
        const CellContent content = read.Content(cells[i]);
        // A given shows its own digit; the player's cells may hold anything.
        read.ok = read.ok && (!record.givens.cells[static_cast<std::size_t>(i)] ||
                              content.digit == record.solution(i % 9 + 1, i / 9 + 1));
        record.cells[static_cast<std::size_t>(i)] = content;
    }
    const QJsonArray origin = read.Array(game[u"origin"], 2);
    if (read.ok) {
        // A new puzzle names its base grid and symmetry, counted from 1; a puzzle from a file
        // laid out before any new one names neither.
        record.grid = read.Number(origin[0], 0, BaseGridCount);
        record.symmetry = read.Number(origin[1], 0, TransformationCount);
        read.ok = read.ok && (record.grid == 0) == (record.symmetry == 0);
    }
    record.cursor = read.Cell(game[u"cursor"]);
    record.selected = read.Number(game[u"selected"], 0, 9);
    record.shownCorrect = read.OptionalNumber(game[u"shown"], 0, 81);
    const double clock = game[u"clock"].toDouble(-2);
    read.ok = read.ok && clock >= -1 && clock <= static_cast<double>(LongestClock);
    record.clockTicks = static_cast<long long>(clock);
    record.paused = game[u"paused"].toBool();
    const QJsonArray moves = read.Array(game[u"moves"]);
    for (const QJsonValue& value : moves) {
        if (!read.ok) {
            break;
        }
        const QJsonObject object = value.toObject();
        GameMove move;
        for (const QJsonValue& edit : read.Array(object[u"edits"])) {
            const QJsonArray parts = read.Array(edit, 3);
            if (!read.ok) {
                break;
            }
            const QPoint cell = read.Cell(parts[0]);
            // Moves never touch a given.
            read.ok = read.ok && !record.givens.cells[CellBit(cell.x(), cell.y())];
            move.edits.push_back({cell, read.Content(parts[1]), read.Content(parts[2])});
        }
        read.ok = read.ok && !move.edits.empty();
        move.shownBefore = read.OptionalNumber(object[u"shownBefore"], 0, 81);
        move.shownAfter = read.OptionalNumber(object[u"shownAfter"], 0, 81);
        record.history.push_back(std::move(move));
    }
    record.done = static_cast<std::size_t>(
        read.Number(game[u"done"], 0, static_cast<int>(record.history.size())));
    const std::optional<std::pair<GameStart, HelpUsed>> start = ReadStart(game);
    if (!read.ok || !start) {
        return std::nullopt;
    }
    std::tie(record.start, record.help) = *start;
    return record;
}
