#include "ui/dialogs/statistieken.h"

#include "core/clock.h"
#include "core/givens.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/pictures.h"
#include "platform/trend_chart.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const Columns[] = {"Niveau",
                               "Begonnen",
                               "Opgelost",
                               "Zonder hulp",
                               "Beste tijd",
                               "Mediaan",
                               "Laatste 30 tijden zonder hulp"};
constexpr int ChartColumn = 6;

QString Days(int count) {
    return count == 1 ? QStringLiteral("1 dag") : QStringLiteral("%1 dagen").arg(count);
}

QTableWidgetItem* Cell(const QString& text, const QString& spoken = QString()) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    if (!spoken.isEmpty()) {
        item->setData(Qt::AccessibleTextRole, spoken);
    }
    return item;
}

QTableWidgetItem* TimeCell(const std::optional<long long>& tenths) {
    return tenths ? Cell(ClockText(*tenths))
                  : Cell(QStringLiteral("\u2013"), QStringLiteral("geen"));
}

// A label that Tab reaches, so that a screen reader reads it too.
QLabel* ReadableLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(PointFont(QStringLiteral("Comic Sans MS"), 9.75));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setAccessibleName(text);
    return label;
}

}  // namespace

Statistieken::Statistieken(const Summary& summary, const QString& note, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Statistieken"));
    setWindowTitle(QStringLiteral(" Statistieken"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("Tabel"));
    table_->setAccessibleName(QStringLiteral("Statistiek per niveau"));
    table_->setFont(PointFont(QStringLiteral("Arial"), 9.75));
    SetControlColour(table_, QPalette::Base, QColor(230, 230, 210));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FillTable(summary);
    layout->addWidget(table_);

    layout->addWidget(ReadableLabel(QStringLiteral("Reeks"),
                                    QStringLiteral("Puzzel van de dag: ") + StreakText(summary),
                                    this));
    QStringList notes;
    if (summary.unleveled > 0) {
        notes << QStringLiteral(
                     "Daarnaast %1 begonnen zonder niveau (niet beoordeeld, of met "
                     "meer dan \u00e9\u00e9n oplossing).")
                     .arg(summary.unleveled == 1
                              ? QStringLiteral("1 puzzel")
                              : QStringLiteral("%1 puzzels").arg(summary.unleveled));
    }
    if (!note.isEmpty()) {
        notes << note;
    }
    if (!notes.isEmpty()) {
        layout->addWidget(ReadableLabel(QStringLiteral("Opmerking"), notes.join(u' '), this));
    }

    auto* exitKnop = new PictureButton(this);
    exitKnop->setObjectName(QStringLiteral("ExitKnop"));
    exitKnop->SetPicture(Plaatjes::ClosePicture());
    exitKnop->setCursor(Qt::PointingHandCursor);
    exitKnop->setAccessibleName(QStringLiteral("Sluiten"));
    connect(exitKnop, &QAbstractButton::clicked, this, &QDialog::accept);
    layout->addWidget(exitKnop, 0, Qt::AlignRight);
    table_->setFocus();
}

QString Statistieken::StreakText(const Summary& summary) {
    if (summary.longestStreak == 0) {
        return QStringLiteral("nog niet opgelost.");
    }
    return QStringLiteral("%1 op rij opgelost (langste reeks: %2).")
        .arg(Days(summary.streak), Days(summary.longestStreak));
}

void Statistieken::FillTable(const Summary& summary) {
    const int columns = static_cast<int>(std::size(Columns));
    table_->setColumnCount(columns);
    table_->setRowCount(static_cast<int>(summary.levels.size()));
    for (int column = 0; column < columns; ++column) {
        table_->setHorizontalHeaderItem(column, Cell(QString::fromLatin1(Columns[column])));
    }
    for (int row = 0; row < table_->rowCount(); ++row) {
        const LevelSummary& level = summary.levels[static_cast<std::size_t>(row)];
        QTableWidgetItem* name = Cell(LevelName(MinDifficulty + row));
        name->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table_->setItem(row, 0, name);
        table_->setItem(row, 1, Cell(QString::number(level.begun)));
        table_->setItem(row, 2, Cell(QString::number(level.completed)));
        table_->setItem(row, 3, Cell(QString::number(level.unaided)));
        table_->setItem(row, 4, TimeCell(level.best));
        table_->setItem(row, 5, TimeCell(level.median));
        const QString words = ChartWords(level.recent);
        QTableWidgetItem* chartCell = Cell(QString(), words);
        chartCell->setToolTip(words);
        table_->setItem(row, ChartColumn, chartCell);
        auto* chart = new TrendChart(table_);
        chart->SetTimes(level.recent);
        chart->setToolTip(words);
        table_->setCellWidget(row, ChartColumn, chart);
    }
    table_->resizeColumnsToContents();
    const QSize chart = TrendChart(nullptr).sizeHint();
    table_->setColumnWidth(ChartColumn,
                           std::max(table_->columnWidth(ChartColumn), chart.width() + 8));
    table_->resizeRowsToContents();
    int height = table_->horizontalHeader()->height() + 2 * table_->frameWidth();
    for (int row = 0; row < table_->rowCount(); ++row) {
        table_->setRowHeight(row, std::max(table_->rowHeight(row), chart.height() + 4));
        height += table_->rowHeight(row);
    }
    int width = 2 * table_->frameWidth();
    for (int column = 0; column < columns; ++column) {
        width += table_->columnWidth(column);
    }
    table_->setFixedSize(width, height);
}
