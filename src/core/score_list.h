#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// One entry of the score list: the stopwatch time at the moment of solving, " - ", the name.
QString ScoreEntry(const QString& finalTime, const QString& name);
// The time of an entry: everything before the first " - ".
QString ScoreTime(const QString& entry);
// The name of an entry: everything after the first " - ".
QString ScoreName(const QString& entry);

// The score list, kept in order: fastest time first, equal times by name without regard to case.
// Entries whose text does not begin with a time follow all timed ones, in text order. Duplicates
// are allowed; an entry equal to others goes after them.
//
// The list remembers the insertions and removals made since it was loaded or saved, so that they
// can be made again on the file as another copy of the game may have left it.
class ScoreList {
  public:
    void Insert(const QString& entry);
    // Removes the first entry equal to `entry`; false when there is none.
    bool RemoveFirst(const QString& entry);
    // Removes every entry.
    void Clear();
    int Count() const { return static_cast<int>(entries_.size()); }
    const QString& At(int index) const { return entries_[index]; }
    const QStringList& Entries() const { return entries_; }

    static bool Before(const QString& a, const QString& b);

    // Takes the entries of a file, in whatever order they come, and sorts them once. The list
    // then has no changes.
    void Load(QStringList entries);
    // Whether entries were inserted or removed since the list was loaded or saved.
    bool Changed() const { return !changes_.empty(); }
    // The entries of `file` with this list's changes made on them, in the order they were made.
    ScoreList WithChangesOn(ScoreList file) const;
    // The list becomes `saved`, the list its file holds now, with no changes.
    void Saved(const ScoreList& saved);
    // Called after every insertion or removal.
    void OnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

  private:
    struct Change {
        bool inserted;
        QString entry;
    };
    void Changing(bool inserted, const QString& entry);

    QStringList entries_;
    std::vector<Change> changes_;
    std::function<void()> onChange_;
};

// Scorelijst.lst: one quoted record per entry, in list order, in Windows-1252 unless a name needs
// UTF-8 (see EncodeFileText). Reading replaces the list and skips empty records.
inline const QString ScoreFileName = QStringLiteral("Scorelijst.lst");
void ReadScoreFile(QByteArrayView text, ScoreList& scores);
QByteArray FormatScoreFile(const ScoreList& scores);
