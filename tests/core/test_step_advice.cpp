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

// Each part as "text [outlined] deciding / second group -> focus, struck digits at cells, links".
QString Described(const StepAdvice& advice) {
    const char* kinds[] = {"rij", "kolom", "blok"};
    QStringList parts;
    for (const AdvicePart& part : advice.parts) {
        QStringList units;
        for (const logic::Unit& unit : part.outlined) {
            units
                << QStringLiteral("%1 %2").arg(kinds[static_cast<int>(unit.kind)]).arg(unit.number);
        }
        QString text =
            QStringLiteral("%1 [%2] %3").arg(part.text, units.join(u", "), Cells(part.deciding));
        if (!part.secondGroup.empty()) {
            text += QStringLiteral(" / ") + Cells(part.secondGroup);
        }
        text += QStringLiteral(" -> ") + Cells(part.focus);
        for (const StruckMark& mark : part.struck) {
            QString digits;
            for (int digit = 1; digit <= 9; ++digit) {
                if (mark.digits & logic::DigitBit(digit)) {
                    digits += QString::number(digit);
                }
            }
            text += QStringLiteral(", %1 struck at %2").arg(digits, Cells({mark.cell}));
        }
        for (const LinkMark& link : part.links) {
            text += QStringLiteral(", %1%2%3")
                        .arg(Cells({link.from}), link.strong ? u"=" : u"-", Cells({link.to}));
        }
        parts << text.simplified();
    }
    return parts.join(QStringLiteral(" | "));
}

// The player takes the advised steps: every part seen, and the number placed.
void TakeSteps(GameModel& model, int steps, logic::StruckCandidates& struck) {
    for (int i = 0; i < steps; ++i) {
        const StepAdvice advice = AdviseNextStep(model, struck);
        for (const AdvicePart& part : advice.parts) {
            Remember(part, struck);
        }
        const QPoint cell = advice.parts.back().focus.front();
        model.Place(cell, model.SolutionGrid()(cell.x(), cell.y()), {});
    }
}

}  // namespace

class TestStepAdvice : public QObject {
    Q_OBJECT
  private slots:
    void adviceOnTheBoard_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("wrong");  // "c r": a wrong number the player placed, if any
        QTest::addColumn<int>("steps");      // the steps the player took before
        QTest::addColumn<QString>("advice");
        QTest::newRow("naked single")
            << "...45..........7...61..........8...54..3.2.....6....812......3....1......59.67..2"
            << "" << 0
            << "In rij 9, kolom 4 past alleen nog de 8: de rest staat al in die rij, kolom of dat "
               "blok. [] (4,1) (4,5) (4,8) (2,9) (3,9) (5,9) (6,9) (9,9) -> (4,9)";
        QTest::newRow("hidden single in a block")
            << "...45..........7...61..........8...54..3.2.....6....812......3....1......59867..2"
            << "" << 0
            << "In blok 7 kan de 6 alleen nog in rij 8, kolom 1. [blok 7] (2,3) (3,6) (5,9) -> "
               "(1,8)";
        QTest::newRow("hidden single in a row")
            << "...3.4.....57.6.....98......1.4..753...1..8..5...38.12.......4.9.....6..637......"
            << "" << 0
            << "In rij 6 kan de 7 alleen nog in kolom 2. [rij 6] (4,2) (7,4) (3,9) -> (2,6)";
        QTest::newRow("hidden single in a column")
            << "..28..9...4.6......36.921...6..4.3.7...3..5...1..7....6.............9.84.9..5...."
            << "" << 0 << "In kolom 7 kan de 4 alleen nog in rij 6. [kolom 7] (2,2) (9,8) -> (7,6)";
        QTest::newRow("pointing")
            << "..4...39.93.4.6......3.9....8......97.....56..9.61..7.24.5.....5....4..18.9.3.2.."
            << "" << 0
            << "Blok-lijnreductie: in blok 2 kan de 1 alleen in rij 1 staan (r1k4 of r1k6), dus "
               "nergens anders in rij 1. Streep dus weg: de 1 in r1k1 en r1k2. Druk F3 voor het "
               "vervolg. [blok 2, rij 1] (4,1) (6,1) -> (1,1) (2,1), 1 struck at (1,1), 1 struck "
               "at (2,1) | "
               "In rij 1, kolom 1 past nu alleen nog de 6: de 1 is net weggestreept en de andere "
               "cijfers staan al in die rij, kolom of dat blok. [] (3,1) (1,2) (2,2) (1,5) (1,7) "
               "(1,8) (1,9) -> (1,1)";
        QTest::newRow("claiming")
            << ".9..8.4...3.9..1..4....29...1.....6..8.3162.7.2..5..1.1......288.24.7..1......7.."
            << "" << 0
            << "Blok-lijnreductie: in rij 7 kan de 4 alleen in blok 7 staan (r7k2 of r7k3), dus "
               "nergens anders in blok 7. Streep dus weg: de 4 in r9k2 en r9k3. Druk F3 voor het "
               "vervolg. [rij 7, blok 7] (2,7) (3,7) -> (2,9) (3,9), 4 struck at (2,9), 4 struck "
               "at (3,9) | "
               "In kolom 2 kan de 4 nu alleen nog in rij 7: in r9k2 is de 4 net weggestreept en de "
               "andere vakjes zien al een 4. [kolom 2] (1,3) (4,8) -> (2,7)";
        QTest::newRow("naked pair")
            << "671...983839716...245893671.162...94.98164....2....16.95...7.1..8.....2..6..5...9"
            << "" << 0
            << "Naakt paar: in blok 8 passen in de vakjes r8k5 en r9k4 samen alleen de 3 en de 4. "
               "Die twee cijfers staan dus in die twee vakjes, en nergens anders in blok 8. Streep "
               "dus weg: de 3 en de 4 in r7k4, r7k5 en r8k4. Druk F3 voor het vervolg. [blok 8] "
               "(5,8) (4,9) -> (4,7) (5,7) (4,8), 34 struck at (4,7), 34 struck at (5,7), 34 "
               "struck at (4,8) | "
               "In rij 7, kolom 4 past nu alleen nog de 6: de 3 en de 4 zijn net weggestreept en "
               "de andere cijfers staan al in die rij, kolom of dat blok. [] (4,3) (4,4) (1,7) "
               "(6,7) (8,7) (5,9) -> (4,7)";
        QTest::newRow("naked triple")
            << "2537.8..1.815......493.185.1258.....49763521836821.5..9164723855729831648341567.."
            << "" << 0
            << "Naakt drietal: in blok 3 passen in de vakjes r1k7, r1k8 en r2k7 samen alleen de 4, "
               "de 6 en de 9. Die drie cijfers staan dus in die drie vakjes, en nergens anders in "
               "blok 3. Streep dus weg: de 4 en de 9 in r2k8; de 6 en de 9 in r2k9; de 6 in r3k9. "
               "Druk F3 voor het vervolg. [blok 3] (7,1) (8,1) (7,2) -> (8,2) (9,2) (9,3), 49 "
               "struck at (8,2), 69 struck at (9,2), 6 struck at (9,3) | "
               "In kolom 9 kan de 6 nu alleen nog in rij 4: in r2k9 en r3k9 is de 6 net "
               "weggestreept en de andere vakjes zien al een 6. [kolom 9] (2,6) (8,8) -> (9,4)";
        QTest::newRow("an elimination that needs another")
            << "248713695956482....3.956248.8...157.5..8..4.......5..9...1...5..75...9.26..52.3.."
            << "" << 0
            << "Blok-lijnreductie: in blok 5 kan de 4 alleen in kolom 5 staan (r4k5 of r6k5), dus "
               "nergens anders in kolom 5. Streep dus weg: de 4 in r7k5 en r8k5. Druk F3 voor het "
               "vervolg. [blok 5, kolom 5] (5,4) (5,6) -> (5,7) (5,8), 4 struck at (5,7), 4 struck "
               "at (5,8) | "
               "Naakt paar: in blok 8 passen in de vakjes r8k4 en r8k5 samen alleen de 3 en de 6. "
               "Die twee cijfers staan dus in die twee vakjes, en nergens anders in blok 8. Streep "
               "dus weg: de 3 en de 6 in r7k5. Druk F3 voor het vervolg. [blok 8] (4,8) (5,8) -> "
               "(5,7), 36 struck at (5,7) | "
               "In rij 7 kan de 6 nu alleen nog in kolom 9: in r7k5 is de 6 net weggestreept en de "
               "andere vakjes zien al een 6. [rij 7] (7,1) (6,3) (1,9) -> (9,7)";
        QTest::newRow("a step's strikes are not said again")
            << "......53...9...4.2......17.341..26........321652..9.4....26..144..9712..1264....."
            << "" << 1
            << "In rij 4, kolom 4 past nu alleen nog de 7: de 5 is eerder weggestreept en de "
               "andere cijfers staan al in die rij, kolom of dat blok. [] (1,4) (2,4) (3,4) (5,4) "
               "(6,4) (7,4) (6,6) -> (4,4)";
        QTest::newRow("x-wing")
            << "98.3261.5.3.7.59...5.4.936.5.3892..6.7.1435.9..9567.3..9127.65332.651.94.6593.2.."
            << "" << 0
            << "X-wing: in de kolommen 1 en 9 kan de 7 alleen in de rijen 3 en 9 staan (r3k1, "
               "r9k1, r3k9 en r9k9). Elk van die twee kolommen krijgt de 7 in een van die twee "
               "rijen, dus in de rijen 3 en 9 staat de 7 alleen in de kolommen 1 en 9. Streep dus "
               "weg: de 7 in r3k3 en r9k8. Druk F3 voor het vervolg. [kolom 1, kolom 9, rij 3, rij "
               "9] (1,3) (1,9) (9,3) (9,9) -> (3,3) (8,9), 7 struck at (3,3), 7 struck at (8,9) | "
               "In rij 3, kolom 3 past nu alleen nog de 2: de 7 is net weggestreept en de andere "
               "cijfers staan al in die rij, kolom of dat blok. [] (1,1) (2,1) (2,2) (2,3) (4,3) "
               "(8,3) (3,7) -> (3,3)";
        QTest::newRow("xy-wing")
            << "...5176233276845915163297842647951389518634727..241965..5.3.247....7.859.7..5.316"
            << "" << 0
            << "XY-wing: r6k2 kan alleen een 3 of 8 zijn, r8k2 een 3 of 4 en r9k1 een 4 of 8. Is "
               "r6k2 geen 8, dan is het een 3, dus r8k2 geen 3 maar een 4, dus r9k1 geen 4 maar "
               "een 8. Een van r6k2 en r9k1 is dus een 8. Streep dus weg: de 8 in r7k2. Druk F3 "
               "voor het vervolg. [] (2,8) (2,6) (1,9) -> (2,7), 8 struck at (2,7), (2,6)-(2,8), "
               "(2,8)-(1,9) | "
               "In rij 7, kolom 2 past nu alleen nog de 9: de 8 is net weggestreept en de andere "
               "cijfers staan al in die rij, kolom of dat blok. [] (2,3) (2,4) (3,7) (5,7) (7,7) "
               "(8,7) (2,9) -> (2,7)";
        QTest::newRow("unique rectangle")
            << "7..319.52.3.7.5..1.516.4793498136275675942318123578946.124.7.393.72915.4.4.8.3127"
            << "" << 0
            << "Unieke rechthoek: r2k5, r3k1 en r3k5 kunnen alleen een 2 of 8 zijn. Kon r2k1 dat "
               "ook alleen, dan konden de 2 en de 8 in deze vier vakjes (twee rijen, twee "
               "kolommen, twee blokken) van plaats ruilen en had de puzzel twee oplossingen. De "
               "puzzel heeft er maar één, dus r2k1 wordt geen 2 of 8. Streep dus weg: de 2 en de 8 "
               "in r2k1. Druk F3 voor het vervolg. [] (5,2) (1,3) (5,3) (1,2) -> (1,2), 28 struck "
               "at (1,2) | "
               "In rij 2, kolom 1 past nu alleen nog de 9: de 2 en de 8 zijn net weggestreept en "
               "de andere cijfers staan al in die rij, kolom of dat blok. [] (1,1) (2,2) (2,3) "
               "(3,3) (1,4) (1,5) -> (1,2)";
        QTest::newRow("skyscraper")
            << "......7...97..12682.17..5.9.7...69.2....7.8...381..4767..5..384..3..7.25....3..97"
            << "" << 0
            << "Wolkenkrabber: in rij 3 kan de 3 alleen in r3k6 of r3k8 en in rij 4 alleen in r4k8 "
               "of r4k4. Is r3k6 geen 3, dan is r3k8 het wel, dus r4k8 niet (zelfde kolom), dus "
               "r4k4 wel. Een van r3k6 en r4k4 is dus een 3. Streep dus weg: de 3 in r1k4, r2k4 en "
               "r5k6. Druk F3 voor het vervolg. [rij 3, rij 4] (6,3) (8,3) (8,4) (4,4) -> (4,1) "
               "(4,2) (6,5), 3 struck at (4,1), 3 struck at (4,2), 3 struck at (6,5), (6,3)=(8,3), "
               "(8,3)-(8,4), (8,4)=(4,4) | "
               "In rij 2, kolom 4 past nu alleen nog de 4: de 3 is net weggestreept en de andere "
               "cijfers staan al in die rij, kolom of dat blok. [] (2,2) (6,2) (7,2) (8,2) (9,2) "
               "(4,3) (4,7) -> (4,2)";
        QTest::newRow("colour trap")
            << ".425976.373..649.5956.....72..9.3.5667...5239395..6..8.69..25745.764.392423759861"
            << "" << 0
            << "Kleuren met klem: waar de 1 in een rij, kolom of blok maar twee plaatsen heeft, "
               "krijgt de ene de 1 en de andere niet. Zo vallen de vakjes in twee groepen, groep A "
               "(r1k1, r3k6 en r8k2) en groep B (r1k8, r2k3, r4k2, r7k1 en r8k6), die elkaar "
               "afwisselen: een van beide krijgt overal de 1. Wat een vakje uit elke groep ziet, "
               "krijgt de 1 dus niet. Streep dus weg: de 1 in r2k4, r3k7 en r3k8. Druk F3 voor het "
               "vervolg. [] (1,1) (6,3) "
               "(2,8) / (8,1) (3,2) (2,4) (1,7) (6,8) -> (4,2) (7,3) (8,3), 1 struck at (4,2), 1 "
               "struck at (7,3), 1 struck at (8,3), (1,1)=(3,2), (1,1)=(8,1), (1,1)=(1,7), "
               "(1,7)=(2,8), (2,8)=(6,8), (2,4)=(2,8), (6,3)=(6,8) | "
               "In rij 3, kolom 7 past nu alleen nog de 4: de 1 is net weggestreept en de andere "
               "cijfers staan al in die rij, kolom of dat blok. [] (7,1) (9,1) (7,2) (9,2) (9,3) "
               "(7,5) (7,9) -> (7,3)";
        QTest::newRow("a wrong number comes first")
            << "...45..........7...61..........8...54..3.2.....6....812......3....1......59867..2"
            << "9 8" << 0 << "De 1 in rij 8, kolom 9 is niet goed. [] -> (9,8)";
        // Columns 7 and 9 of rows 1 and 8 hold 2 and 3 either way round.
        QTest::newRow("several solutions")
            << "879546.1.513297864426138975987463521362851497154972638245319786791684.5.638725149"
            << "" << 0 << "Hier houdt het redeneren op: de volgende stap vraagt een gok. [] ->";
    }
    void adviceOnTheBoard() {
        QFETCH(QString, board);
        QFETCH(QString, wrong);
        QFETCH(int, steps);
        GameModel model;
        LayOutBoard(model, board);
        logic::StruckCandidates struck{};
        TakeSteps(model, steps, struck);
        if (!wrong.isEmpty()) {
            const QStringList place = wrong.split(u' ');
            const QPoint cell(place[0].toInt(), place[1].toInt());
            model.Place(cell, model.SolutionGrid()(cell.x(), cell.y()) % 9 + 1, {});
        }
        QTEST(Described(AdviseNextStep(model, struck)), "advice");
    }
};

QTEST_APPLESS_MAIN(TestStepAdvice)
#include "test_step_advice.moc"
