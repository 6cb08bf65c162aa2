#include "dialogs/score_list.h"

#include "game/records.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

const QString NameSeparator = QStringLiteral(" - ");

// The time of an entry in tenths of a second, when the entry begins with H:MM:SS:T and " - ".
std::optional<long long> EntryTenths(const QString& entry) {
    static const QRegularExpression time(QStringLiteral("^(\\d+):([0-5]\\d):([0-5]\\d):(\\d) - "));
    const QRegularExpressionMatch match = time.match(entry);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    bool ok = false;
    const long long hours = match.captured(1).toLongLong(&ok);
    if (!ok || hours > 1'000'000'000LL) {
        return std::nullopt;
    }
    return ((hours * 60 + match.captured(2).toInt()) * 60 + match.captured(3).toInt()) * 10 +
           match.captured(4).toInt();
}

}  // namespace

QString ScoreEntry(const QString& finalTime, const QString& name) {
    return finalTime + NameSeparator + name;
}

QString ScoreTime(const QString& entry) {
    const qsizetype at = entry.indexOf(NameSeparator);
    return at < 0 ? entry : entry.left(at);
}

QString ScoreName(const QString& entry) {
    const qsizetype at = entry.indexOf(NameSeparator);
    return at < 0 ? QString() : entry.mid(at + NameSeparator.size());
}

bool ScoreList::Before(const QString& a, const QString& b) {
    const std::optional<long long> ta = EntryTenths(a);
    const std::optional<long long> tb = EntryTenths(b);
    if (ta && tb) {
        if (*ta != *tb) {
            return *ta < *tb;
        }
        return ScoreName(a).compare(ScoreName(b), Qt::CaseInsensitive) < 0;
    }
    if (ta || tb) {
        return ta.has_value();
    }
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

void ScoreList::Insert(const QString& entry) {
    const auto at = std::upper_bound(entries_.begin(), entries_.end(), entry, Before);
    entries_.insert(at, entry);
}

void ScoreList::RemoveAt(int index) {
    if (index >= 0 && index < Count()) {
        entries_.removeAt(index);
    }
}

bool ScoreList::RemoveFirst(const QString& entry) {
    const qsizetype at = entries_.indexOf(entry);
    if (at < 0) {
        return false;
    }
    entries_.removeAt(at);
    return true;
}

void ReadScoreFile(QByteArrayView text, ScoreList& scores) {
    scores.Clear();
    RecordReader reader(text);
    while (const std::optional<QString> entry = reader.NextText()) {
        if (!entry->isEmpty()) {
            scores.Insert(*entry);
        }
    }
}

QByteArray FormatScoreFile(const ScoreList& scores) {
    RecordWriter writer;
    for (const QString& entry : scores.Entries()) {
        writer.Text(entry).EndRecord();
    }
    return writer.Bytes();
}
