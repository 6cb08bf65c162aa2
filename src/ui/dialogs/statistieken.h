#pragma once

#include "core/statistics.h"

#include <QDialog>
#include <QString>

class QTableWidget;

// The statistics: for each level the games begun, completed and completed without help, the best
// and the median time without help and a chart of the last times without help; below them the
// days in a row whose puzzle of the day was solved. A table that the keys walk cell by cell, so
// that a screen reader reads each number with its level and its column.
class Statistieken : public QDialog {
    Q_OBJECT
  public:
    // `note` says why the games could not all be read, when they could not.
    Statistieken(const Summary& summary, const QString& note, QWidget* parent = nullptr);

    // "3 dagen op rij opgelost (langste reeks: 5 dagen)".
    static QString StreakText(const Summary& summary);

  private:
    void FillTable(const Summary& summary);

    QTableWidget* table_ = nullptr;
};
