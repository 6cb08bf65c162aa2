#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// One entry of the score list: the stopwatch time at the moment of solving, " - ", the name.
QString ScoreEntry(const QString& finalTime, const QString& name);
// The time of an entry: everything before the first " - ".
QString ScoreTime(const QString& entry);
// The name of an entry: everything after the first " - ".
QString ScoreName(const QString& entry);

// The score list, kept in order: fastest time first, equal times by name without regard to case.
// Entries whose text does not begin with a time follow all timed ones, in text order. Duplicates
// are allowed; an entry equal to others goes after them.
class ScoreList {
  public:
    void Insert(const QString& entry);
    void RemoveAt(int index);
    // Removes the first entry equal to `entry`; false when there is none.
    bool RemoveFirst(const QString& entry);
    void Clear() { entries_.clear(); }
    int Count() const { return static_cast<int>(entries_.size()); }
    const QString& At(int index) const { return entries_[index]; }
    const QStringList& Entries() const { return entries_; }

    static bool Before(const QString& a, const QString& b);

  private:
    QStringList entries_;
};

// Scorelijst.lst: one quoted record per entry, in list order, in Windows-1252 unless a name needs
// UTF-8 (see EncodeFileText). Reading empties the list first and skips empty records.
inline const QString ScoreFileName = QStringLiteral("Scorelijst.lst");
void ReadScoreFile(QByteArrayView text, ScoreList& scores);
QByteArray FormatScoreFile(const ScoreList& scores);
