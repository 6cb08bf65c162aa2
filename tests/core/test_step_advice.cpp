// The advice on the next step, as the player reads it and sees it marked.
#include "core/game_model.h"
#include "core/step_advice.h"
#include "solver/logic_test_support.h"

#include <QTest>

namespace {

// A game whose givens are the board's digits, with the solution the test's own search finds.
void LayOutBoard(GameModel& model, const QString& board) {
    const logic::Digits digits = logic_test::Parse(board);
    logic::Digits solution{};
    logic_test::CountPlainly(digits, 1, &solution);
    Grid grid;
    CellSet givens;
    for (int i = 0; i < logic::CellCount; ++i) {
        grid(i % 9 + 1, i / 9 + 1) = solution[i];
        givens[i] = digits[i] != 0;
    }
    model.LayOut(grid, givens);
}

QString Cells(const std::vector<QPoint>& cells) {
    QStringList names;
    for (const QPoint& cell : cells) {
        names << QStringLiteral("(%1,%2)").arg(cell.x()).arg(cell.y());
    }
    return names.join(u' ');
}

// Each part as "text [outlined] deciding -> focus".
QString Described(const StepAdvice& advice) {
    const char* kinds[] = {"rij", "kolom", "blok"};
    QStringList parts;
    for (const AdvicePart& part : advice.parts) {
        QStringList units;
        for (const logic::Unit& unit : part.outlined) {
            units
                << QStringLiteral("%1 %2").arg(kinds[static_cast<int>(unit.kind)]).arg(unit.number);
        }
        parts << QStringLiteral("%1 [%2] %3 -> %4")
                     .arg(part.text, units.join(QStringLiteral(", ")), Cells(part.deciding),
                          Cells(part.focus))
                     .simplified();
    }
    return parts.join(QStringLiteral(" | "));
}

}  // namespace

class TestStepAdvice : public QObject {
    Q_OBJECT
  private slots:
    void adviceOnTheBoard_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("wrong");  // "c r": a wrong number the player placed, if any
        QTest::addColumn<QString>("advice");
        QTest::newRow("naked single")
            << "...45..........7...61..........8...54..3.2.....6....812......3....1......59.67..2"
            << ""
            << "In rij 9, kolom 4 past alleen nog de 8: de rest staat al in die rij, kolom of "
               "dat blok. [] (4,1) (4,5) (4,8) (2,9) (3,9) (5,9) (6,9) (9,9) -> (4,9)";
        QTest::newRow("hidden single in a block")
            << "...45..........7...61..........8...54..3.2.....6....812......3....1......59867..2"
            << ""
            << "In blok 7 kan de 6 alleen nog in rij 8, kolom 1. [blok 7] (2,3) (3,6) (5,9) "
               "-> (1,8)";
        QTest::newRow("hidden single in a row")
            << "...3.4.....57.6.....98......1.4..753...1..8..5...38.12.......4.9.....6..637......"
            << ""
            << "In rij 6 kan de 7 alleen nog in kolom 2. [rij 6] (4,2) (7,4) (3,9) -> (2,6)";
        QTest::newRow("hidden single in a column")
            << "..28..9...4.6......36.921...6..4.3.7...3..5...1..7....6.............9.84.9..5...."
            << ""
            << "In kolom 7 kan de 4 alleen nog in rij 6. [kolom 7] (2,2) (9,8) -> (7,6)";
        QTest::newRow("pointing")
            << "..4...39.93.4.6......3.9....8......97.....56..9.61..7.24.5.....5....4..18.9.3.2.."
            << ""
            << "In blok 2 moet de 1 in rij 1 staan, dus niet in rij 1, kolom 1. (F3) [blok 2, "
               "rij 1] (4,1) (6,1) -> (1,1) | In rij 1, kolom 1 past alleen nog de 6: de rest "
               "staat al in die rij, kolom of dat blok. [] (3,1) (1,2) (2,2) (1,5) (1,7) "
               "(1,8) (1,9) -> (1,1)";
        QTest::newRow("claiming")
            << ".9..8.4...3.9..1..4....29...1.....6..8.3162.7.2..5..1.1......288.24.7..1......7.."
            << ""
            << "In rij 7 moet de 4 in blok 7 staan, dus nergens anders in blok 7. (F3) [rij "
               "7, blok 7] (2,7) (3,7) -> (2,9) | In kolom 2 kan de 4 alleen nog in rij 7. "
               "[kolom 2] (1,3) (4,8) -> (2,7)";
        QTest::newRow("naked pair")
            << "671...983839716...245893671.162...94.98164....2....16.95...7.1..8.....2..6..5...9"
            << ""
            << "In blok 8 kunnen de twee gele vakjes alleen 3 en 4 bevatten, dus die nergens "
               "anders in het blok. (F3) [blok 8] (5,8) (4,9) -> (4,7) | In rij 7, kolom 4 "
               "past alleen nog de 6: de rest staat al in die rij, kolom of dat blok. [] "
               "(4,3) (4,4) (1,7) (6,7) (8,7) (5,9) -> (4,7)";
        QTest::newRow("naked triple")
            << "..2.16.58...58....8513276496....548...3.68..7....7..96...6.2..4...74.8.543.8519.2"
            << ""
            << "In kolom 3 kunnen rij 4, 8 en 9 alleen 6, 7 en 9 bevatten, dus die niet in "
               "rij 2. (F3) [kolom 3] (3,4) (3,8) (3,9) -> (3,2) | In rij 2, kolom 3 past "
               "alleen nog de 4: de rest staat al in die rij, kolom of dat blok. [] (3,1) "
               "(1,3) (2,3) (3,3) (3,5) -> (3,2)";
        QTest::newRow("an elimination that needs another")
            << "248713695956482....3.956248.8...157.5..8..4.......5..9...1...5..75...9.26..52.3.."
            << ""
            << "In blok 5 moet de 4 in kolom 5 staan, dus niet in kolom 5, rij 8. (F3) [blok "
               "5, kolom 5] (5,4) (5,6) -> (5,8) | In blok 8 kunnen de twee gele vakjes "
               "alleen 3 en 6 bevatten, dus die nergens anders in het blok. (F3) [blok 8] "
               "(4,8) (5,8) -> (5,7) | In rij 7 kan de 6 alleen nog in kolom 9. [rij 7] (7,1) "
               "(6,3) (1,9) -> (9,7)";
        QTest::newRow("a wrong number comes first")
            << "...45..........7...61..........8...54..3.2.....6....812......3....1......59867..2"
            << "9 8"
            << "De 1 in rij 8, kolom 9 is niet goed. [] -> (9,8)";
        // Columns 7 and 9 of rows 1 and 8 hold 2 and 3 either way round.
        QTest::newRow("several solutions")
            << "879546.1.513297864426138975987463521362851497154972638245319786791684.5.638725149"
            << ""
            << "Hier houdt het redeneren op: de volgende stap vraagt een gok. [] ->";
    }
    void adviceOnTheBoard() {
        QFETCH(QString, board);
        QFETCH(QString, wrong);
        GameModel model;
        LayOutBoard(model, board);
        if (!wrong.isEmpty()) {
            const QStringList place = wrong.split(u' ');
            const QPoint cell(place[0].toInt(), place[1].toInt());
            model.Place(cell, model.SolutionGrid()(cell.x(), cell.y()) % 9 + 1, {});
        }
        QTEST(Described(AdviseNextStep(model)), "advice");
    }
};

QTEST_APPLESS_MAIN(TestStepAdvice)
#include "test_step_advice.moc"
