#include "engine/base_grids.h"
#include "platform/files.h"
#include "solver/puzzle_save.h"
#include "solver/solver_engine.h"
#include "support/modal.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <deque>
#include <memory>

namespace {

CellTexts TextsOf(const Grid& grid) {
    CellTexts texts;
    for (int n = 1; n <= 81; ++n) {
        const solver::CellPos p = solver::CellPosition(static_cast<std::int16_t>(n));
        texts[n] = QString::number(grid(solver::GridColumn(p), solver::GridRow(p)));
    }
    return texts;
}

QByteArray RowsOf(const Grid& grid) {
    QByteArray bytes;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            bytes += static_cast<char>('0' + grid(c, r));
        }
        bytes += "\r\n";
    }
    return bytes;
}

using Reply = std::function<void(QWidget*)>;

// Puts a name into the input box and presses Ok; letters that keys cannot send are pasted in.
void GiveName(QWidget* modal, const QString& name) {
    auto* edit = modal->findChild<QLineEdit*>();
    edit->selectAll();
    const bool typable = std::all_of(name.begin(), name.end(), [](QChar ch) {
        return ch.unicode() >= 32 && ch.unicode() < 127;
    });
    if (typable) {
        QTest::keyClicks(edit, name);
    } else {
        edit->insert(name);
    }
    QTest::mouseClick(modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
}

// "title|text" of a message or input box.
QString Describe(QWidget* modal) {
    if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        return modal->windowTitle() + u'|' + input->labelText() + u'|' + input->textValue();
    }
    return modal->windowTitle() + u'|' + MessageText(modal);
}

// Answers the dialogs that come up one after the other and notes each one; a dialog beyond the
// answers is noted as well and closed. It watches for as long as it lives.
class Dialogs {
  public:
    explicit Dialogs(std::deque<Reply> replies) : state_(std::make_shared<State>()) {
        state_->replies = std::move(replies);
        Watch(state_);
    }
    ~Dialogs() { state_->watching = false; }
    const QStringList& Seen() const { return state_->seen; }

  private:
    struct State {
        std::deque<Reply> replies;
        QStringList seen;
        bool watching = true;
    };
    static void Watch(std::shared_ptr<State> state) {
        QTimer::singleShot(10, [state] {
            if (!state->watching) {
                return;
            }
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
                state->seen << Describe(modal);
                if (state->replies.empty()) {
                    state->seen << QStringLiteral("(unexpected)");
                    modal->close();
                } else {
                    const Reply reply = state->replies.front();
                    state->replies.pop_front();
                    reply(modal);
                }
            }
            Watch(state);
        });
    }
    std::shared_ptr<State> state_;
};

// A program folder three levels down in a temporary tree, so that a name that climbs out of the
// puzzle folder would still write inside the tree.
struct Tree {
    Tree() {
        QDir(root.path()).mkpath(QStringLiteral("a/b/program/puzzels"));
        SetProgramFolder(Program());
    }
    ~Tree() { SetProgramFolder(QString()); }
    QString Program() const { return root.path() + QStringLiteral("/a/b/program"); }
    QString Puzzle(const QString& file) const { return Program() + "/puzzels/" + file; }
    // Every file and folder of the tree with its size.
    QStringList Listing() const {
        QStringList entries;
        QDirIterator it(root.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info = it.nextFileInfo();
            entries << info.filePath() + u' ' + QString::number(info.size());
        }
        entries.sort();
        return entries;
    }
    QByteArray Read(const QString& file) const {
        QFile f(Puzzle(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Write(const QString& file, const QByteArray& bytes) const {
        QFile f(Puzzle(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir root;
};

const Grid Solution = TransformedGrid(6, 7);
const QString Prompt = QStringLiteral(" Save|Geef een naam voor deze puzzel...|Puzzel-");
const QString Exist = QStringLiteral(" Exist|Deze naam bestaat reeds, wilt u toch saven?");

}  // namespace

class TestPuzzleSave : public QObject {
    Q_OBJECT
  private slots:
    void init() { owner = std::make_unique<QWidget>(); }
    void cleanup() { owner.reset(); }

    // The file is named as typed, blanks and all, and holds the grid row by row.
    void savedFileHoldsTheGridRowByRow_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file");
        QTest::newRow("default name") << QString() << QStringLiteral("Puzzel-.puz");
        QTest::newRow("own name") << QStringLiteral("Zaterdag") << QStringLiteral("Zaterdag.puz");
        QTest::newRow("blanks kept") << QStringLiteral(" twee  ") << QStringLiteral(" twee  .puz");
        QTest::newRow("accents") << QStringLiteral("Één") << QStringLiteral("Één.puz");
    }
    void savedFileHoldsTheGridRowByRow() {
        QFETCH(QString, typed);
        QFETCH(QString, file);
        Tree tree;
        Dialogs dialogs({[typed](QWidget* m) {
            if (typed.isEmpty()) {
                auto* box = m->findChild<QDialogButtonBox*>();
                QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
            } else {
                GiveName(m, typed);
            }
        }});
        SavePuzzle(owner.get(), TextsOf(Solution));
        QCOMPARE(dialogs.Seen(), QStringList{Prompt});
        const QByteArray bytes = tree.Read(file);
        QCOMPARE(bytes.size(), 99);
        QCOMPARE(bytes, RowsOf(Solution));
        QCOMPARE(QDir(tree.Program() + "/puzzels").entryList(QDir::Files | QDir::Hidden),
                 QStringList{file});
    }

    void emptyCellIsReportedAndNothingAsked() {
        Tree tree;
        const QStringList before = tree.Listing();
        for (const int n : {1, 9, 10, 81}) {
            CellTexts texts = TextsOf(Solution);
            texts[n].clear();
            Dialogs dialogs({[](QWidget* m) { Press(m, QMessageBox::Ok); }});
            SavePuzzle(owner.get(), texts);
            QCOMPARE(dialogs.Seen(),
                     QStringList{QStringLiteral(" Error|Niet alle vakjes zijn gevuld!")});
        }
        QCOMPARE(tree.Listing(), before);
    }

    void blankNameOrCancelSavesNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("cancel") << QString();
        QTest::newRow("blanks") << QStringLiteral("    ");
        QTest::newRow("tab") << QStringLiteral("\t");
    }
    void blankNameOrCancelSavesNothing() {
        QFETCH(QString, typed);
        Tree tree;
        const QStringList before = tree.Listing();
        Dialogs dialogs({[typed](QWidget* m) {
            if (typed.isNull()) {
                AnswerInput(m, QString());
                return;
            }
            GiveName(m, typed);
        }});
        SavePuzzle(owner.get(), TextsOf(Solution));
        QCOMPARE(dialogs.Seen(), QStringList{Prompt});
        QCOMPARE(tree.Listing(), before);
    }

    // A name that is no plain file name is refused before anything is written anywhere.
    void unsafeNameWritesNothingAnywhere_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("up one") << QStringLiteral("../uit");
        QTest::newRow("up three") << QStringLiteral("../../../uit");
        QTest::newRow("backslash") << QStringLiteral("..\\uit");
        QTest::newRow("into a folder") << QStringLiteral("sub/uit");
        QTest::newRow("absolute") << tree_root_placeholder();
        QTest::newRow("dot") << QStringLiteral(".");
        QTest::newRow("dot dot") << QStringLiteral("..");
        QTest::newRow("control character") << QStringLiteral("a\x01z");
        QTest::newRow("too long") << QString(300, u'x');
    }
    void unsafeNameWritesNothingAnywhere() {
        QFETCH(QString, typed);
        Tree tree;
        if (typed == tree_root_placeholder()) {
            typed = tree.root.path() + QStringLiteral("/uit");
        }
        const QStringList before = tree.Listing();
        Dialogs dialogs({[typed](QWidget* m) { GiveName(m, typed); },
                         [](QWidget* m) { Press(m, QMessageBox::Ok); }});
        SavePuzzle(owner.get(), TextsOf(Solution));
        QCOMPARE(dialogs.Seen().size(), 2);
        QVERIFY2(dialogs.Seen()[1].startsWith(
                     " Error|Deze naam kan niet als bestandsnaam worden gebruikt."),
                 qPrintable(dialogs.Seen()[1]));
        QCOMPARE(tree.Listing(), before);
    }

    // Yes replaces the old file whole, also one that was longer; No leaves it as it was.
    void existingName_data() {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<bool>("yes");
        const QByteArray other = RowsOf(TransformedGrid(1, 1));
        QTest::newRow("yes") << other << true;
        QTest::newRow("yes, longer old file") << other + QByteArray(300, 'z') << true;
        QTest::newRow("no") << other << false;
        QTest::newRow("no, longer old file") << other + QByteArray(300, 'z') << false;
    }
    void existingName() {
        QFETCH(QByteArray, old);
        QFETCH(bool, yes);
        Tree tree;
        tree.Write(QStringLiteral("Oud.puz"), old);
        Dialogs dialogs(
            {[](QWidget* m) { AnswerInput(m, QStringLiteral("Oud")); },
             [yes](QWidget* m) { Press(m, yes ? QMessageBox::Yes : QMessageBox::No); }});
        SavePuzzle(owner.get(), TextsOf(Solution));
        QCOMPARE(dialogs.Seen(), (QStringList{Prompt, Exist}));
        QCOMPARE(tree.Read(QStringLiteral("Oud.puz")), yes ? RowsOf(Solution) : old);
        QCOMPARE(QDir(tree.Program() + "/puzzels").entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Oud.puz"});
    }

    void missingFolderIsMade() {
        Tree tree;
        QVERIFY(QDir(tree.Program() + "/puzzels").removeRecursively());
        Dialogs dialogs({[](QWidget* m) { AnswerInput(m, QStringLiteral("Nieuw")); }});
        SavePuzzle(owner.get(), TextsOf(Solution));
        QCOMPARE(dialogs.Seen(), QStringList{Prompt});
        QCOMPARE(tree.Read(QStringLiteral("Nieuw.puz")), RowsOf(Solution));
    }

    // A write that fails is reported, and whatever stood there stays.
    void failedWriteIsReported_data() {
        QTest::addColumn<QString>("blocker");
        QTest::newRow("the puzzle folder is a file") << QStringLiteral("puzzels");
        QTest::newRow("the file's name is a folder") << QStringLiteral("puzzels/Vast.puz");
    }
    void failedWriteIsReported() {
        QFETCH(QString, blocker);
        Tree tree;
        QVERIFY(QDir(tree.Program() + "/puzzels").removeRecursively());
        if (blocker == u"puzzels") {
            QFile file(tree.Program() + "/puzzels");
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(tree.Program() + u'/' + blocker));
        }
        const QStringList before = tree.Listing();
        Dialogs dialogs({[](QWidget* m) { AnswerInput(m, QStringLiteral("Vast")); },
                         [](QWidget* m) { Press(m, QMessageBox::Ok); }});
        SavePuzzle(owner.get(), TextsOf(Solution));
        QCOMPARE(dialogs.Seen().size(), 2);
        QVERIFY2(dialogs.Seen()[1].startsWith(" Error|De puzzel kon niet worden opgeslagen"),
                 qPrintable(dialogs.Seen()[1]));
        QCOMPARE(tree.Listing(), before);
    }

  private:
    static QString tree_root_placeholder() { return QStringLiteral("<root>/uit"); }
    std::unique_ptr<QWidget> owner;
};

QTEST_MAIN(TestPuzzleSave)
#include "test_puzzle_save.moc"
