#include "core/score_list.h"

#include "core/records.h"

#include <algorithm>
#include <optional>

namespace {

const QString NameSeparator = QStringLiteral(" - ");

// The time of an entry in tenths of a second, when the entry begins with H:MM:SS:T and " - ".
std::optional<long long> EntryTenths(const QString& entry) {
    const auto digit = [&entry](qsizetype at) {
        return at < entry.size() && entry[at] >= u'0' && entry[at] <= u'9'
                   ? std::optional<int>(entry[at].unicode() - u'0')
                   : std::nullopt;
    };
    qsizetype at = 0;
    long long hours = 0;
    for (; digit(at); ++at) {
        if (hours > 100'000'000LL) {
            return std::nullopt;
        }
        hours = hours * 10 + *digit(at);
    }
    if (at == 0) {
        return std::nullopt;
    }
    // ":MM:SS:T - " follows the hours.
    const QStringView rest = QStringView(entry).mid(at);
    if (rest.size() < 11 || rest[0] != u':' || rest[3] != u':' || rest[6] != u':' ||
        !rest.mid(8, 3).startsWith(NameSeparator)) {
        return std::nullopt;
    }
    const auto m1 = digit(at + 1), m2 = digit(at + 2), s1 = digit(at + 4), s2 = digit(at + 5),
               tenth = digit(at + 7);
    if (!m1 || !m2 || !s1 || !s2 || !tenth || *m1 > 5 || *s1 > 5) {
        return std::nullopt;
    }
    return ((hours * 60 + *m1 * 10 + *m2) * 60 + *s1 * 10 + *s2) * 10 + *tenth;
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
