#include "core/spoken.h"

#include "core/game_model.h"
#include "solver/logic_grid.h"

#include <QStringList>

namespace {

QString Place(QPoint cell) {
    return QStringLiteral("rij %1, kolom %2").arg(cell.y()).arg(cell.x());
}

// "1", "1 of 4", "1, 4 of 9".
QString OneOf(const QStringList& items) {
    if (items.size() < 2) {
        return items.join(QString());
    }
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" of ") +
           items.last();
}

}  // namespace

QString CellSpoken(const GameModel& model, QPoint cell) {
    const CellContent content = model.Content(cell);
    QString spoken = Place(cell) + QStringLiteral(", ");
    if (content.digit != 0) {
        spoken += QString::number(content.digit);
        if (model.IsGiven(cell)) {
            spoken += QStringLiteral(", gegeven");
        }
        if (model.Repeats()[CellBit(cell.x(), cell.y())]) {
            spoken += QStringLiteral(", dubbel");
        }
        return spoken;
    }
    spoken += QStringLiteral("leeg");
    if (content.marks.any()) {
        spoken += QStringLiteral(", potlood");
        for (int digit = 1; digit <= 9; ++digit) {
            if (content.marks[digit]) {
                spoken += u' ' + QString::number(digit);
            }
        }
    }
    return spoken;
}

QString UnitSpoken(const GameModel& model, SpokenUnit unit, QPoint cell) {
    QStringList cells;
    QString name;
    for (int i = 0; i < 9; ++i) {
        QPoint member;
        switch (unit) {
            case SpokenUnit::Row:
                member = {i + 1, cell.y()};
                name = QStringLiteral("rij %1").arg(cell.y());
                break;
            case SpokenUnit::Column:
                member = {cell.x(), i + 1};
                name = QStringLiteral("kolom %1").arg(cell.x());
                break;
            case SpokenUnit::Block: {
                const QPoint corner((cell.x() - 1) / 3 * 3, (cell.y() - 1) / 3 * 3);
                member = corner + QPoint(i % 3 + 1, i / 3 + 1);
                name = QStringLiteral("blok %1").arg(corner.y() + corner.x() / 3 + 1);
                break;
            }
        }
        const int digit = model.BoardGrid()(member.x(), member.y());
        cells << (digit != 0 ? QString::number(digit) : QStringLiteral("leeg"));
    }
    return name + QStringLiteral(": ") + cells.join(QStringLiteral(", "));
}

QString TimeSpoken(long long seconds) {
    QStringList parts;
    const auto part = [&parts](long long count, const char* one, const char* more) {
        parts << QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : more));
    };
    if (seconds >= 3600) {
        part(seconds / 3600, "uur", "uur");
    }
    if (seconds >= 60) {
        part(seconds / 60 % 60, "minuut", "minuten");
    }
    part(seconds % 60, "seconde", "seconden");
    if (parts.size() < 2) {
        return parts.join(QString());
    }
    return parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" en ") +
           parts.last();
}

QString CandidatesSpoken(const GameModel& model, QPoint cell) {
    const int digit = model.BoardGrid()(cell.x(), cell.y());
    if (digit != 0) {
        return Place(cell) + QStringLiteral(" is ingevuld met ") + QString::number(digit);
    }
    const logic::CandidateGrid grid(DigitsOf(model.BoardGrid()));
    const logic::DigitMask left = grid.Candidates(static_cast<int>(CellBit(cell.x(), cell.y())));
    QStringList numbers;
    for (int d = 1; d <= 9; ++d) {
        if (left & logic::DigitBit(d)) {
            numbers << QString::number(d);
        }
    }
    if (numbers.isEmpty()) {
        return Place(cell) + QStringLiteral(": geen getal past hier meer");
    }
    return Place(cell) + QStringLiteral(" kan nog ") + OneOf(numbers) + QStringLiteral(" worden");
}
