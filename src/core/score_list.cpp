#include "core/score_list.h"

#include "core/records.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

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

// The time of an entry in tenths of a second, for sorting; entries without a time go last.
constexpr long long Untimed = std::numeric_limits<long long>::max();

long long TimeKey(const QString& entry) {
    return EntryTenths(entry).value_or(Untimed);
}

// The order of two entries of the same time key: by name when they have a time, else by their
// whole text, without regard to case.
int SameTimeOrder(const QString& a, const QString& b, bool timed) {
    if (!timed) {
        return a.compare(b, Qt::CaseInsensitive);
    }
    // The name follows the hours, ":MM:SS:T" and " - ".
    const auto name = [](const QString& entry) {
        qsizetype at = 0;
        while (entry[at] >= u'0' && entry[at] <= u'9') {
            ++at;
        }
        return QStringView(entry).mid(at + 11);
    };
    return name(a).compare(name(b), Qt::CaseInsensitive);
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
    const long long ta = TimeKey(a);
    const long long tb = TimeKey(b);
    return ta != tb ? ta < tb : SameTimeOrder(a, b, ta != Untimed) < 0;
}

void ScoreList::Insert(const QString& entry) {
    const auto at = std::upper_bound(entries_.begin(), entries_.end(), entry, Before);
    entries_.insert(at, entry);
    Changing(true, entry);
}

bool ScoreList::RemoveFirst(const QString& entry) {
    const qsizetype at = entries_.indexOf(entry);
    if (at < 0) {
        return false;
    }
    entries_.removeAt(at);
    Changing(false, entry);
    return true;
}

void ScoreList::Clear() {
    // Removed one by one, so that a save takes out these entries and keeps any that another copy
    // of the game added meanwhile.
    while (!entries_.isEmpty()) {
        changes_.push_back({false, entries_.takeLast()});
    }
    if (onChange_) {
        onChange_();
    }
}

void ScoreList::Load(QStringList list) {
    const QStringList& entries = list;
    // Each entry's time is worked out once; entries that stay equal keep the file's order, as
    // they would inserted one after the other.
    std::vector<std::pair<long long, qsizetype>> keys;
    keys.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        keys.emplace_back(TimeKey(entries[i]), i);
    }
    // By time first, then each run of equal times by name.
    std::sort(keys.begin(), keys.end());
    for (auto run = keys.begin(); run != keys.end();) {
        const long long time = run->first;
        const auto end =
            std::find_if(run, keys.end(), [time](const auto& key) { return key.first != time; });
        std::stable_sort(run, end, [&entries, time](const auto& a, const auto& b) {
            return SameTimeOrder(entries[a.second], entries[b.second], time != Untimed) < 0;
        });
        run = end;
    }
    QStringList sorted;
    sorted.reserve(entries.size());
    for (const auto& key : keys) {
        sorted << std::move(list[key.second]);
    }
    entries_ = std::move(sorted);
    changes_.clear();
}

ScoreList ScoreList::WithChangesOn(ScoreList file) const {
    for (const Change& change : changes_) {
        if (change.inserted) {
            file.Insert(change.entry);
        } else {
            file.RemoveFirst(change.entry);
        }
    }
    return file;
}

void ScoreList::Saved(const ScoreList& saved) {
    entries_ = saved.entries_;
    changes_.clear();
}

void ScoreList::Changing(bool inserted, const QString& entry) {
    changes_.push_back({inserted, entry});
    if (onChange_) {
        onChange_();
    }
}

void ReadScoreFile(QByteArrayView text, ScoreList& scores) {
    QStringList entries;
    entries.reserve(text.count('\n') + 1);
    RecordReader reader(text);
    while (std::optional<QString> entry = reader.NextText()) {
        if (!entry->isEmpty()) {
            entries << std::move(*entry);
        }
    }
    scores.Load(std::move(entries));
}

QByteArray FormatScoreFile(const ScoreList& scores) {
    RecordWriter writer;
    for (const QString& entry : scores.Entries()) {
        writer.Text(entry).EndRecord();
    }
    return writer.Bytes();
}
