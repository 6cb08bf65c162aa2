#include "core/base_grids.h"
#include "platform/files.h"
#include "solver/solver_engine.h"
#include "support/modal.h"
#include "support/program_folder.h"
#include "ui/solver/puzzle_save.h"

#include <QDirIterator>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <optional>

namespace {

using Reply = std::function<void(QWidget*)>;

// Answers the dialogs that come up, one after the other, and notes "title|text" of each; one
// beyond the replies is noted as "?" and closed. It watches for as long as it lives.
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
            QWidget* modal = QApplication::activeModalWidget();
            if (!state->watching) {
                return;
            }
            if (modal && modal->isVisible()) {
                auto* input = qobject_cast<QInputDialog*>(modal);
                state->seen << modal->windowTitle() + u'|' +
                                   (input ? input->labelText() : MessageText(modal));
                if (state->replies.empty()) {
                    state->seen << QStringLiteral("?");
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

// Puts a name into the input box and presses Ok; what the keys cannot type is pasted.
Reply Name(const QString& name) {
    return [name](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>();
        edit->selectAll();
        if (std::all_of(name.begin(), name.end(),
                        [](QChar ch) { return ch > u' ' && ch < u'~'; })) {
            QTest::keyClicks(edit, name);
        } else {
            edit->insert(name);
        }
        QTest::mouseClick(modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    };
}
Reply Ok(QMessageBox::StandardButton button = QMessageBox::Ok) {
    return [button](QWidget* modal) { Press(modal, button); };
}

// A program folder three levels down in a temporary tree: a name that climbs out of the puzzle
// folder would still write inside the tree, where the test sees it.
struct Tree {
    Tree() {
        QDir(root.path()).mkpath(QStringLiteral("a/b/program/puzzels"));
        SetProgramFolder(Path(QString()));
    }
    ~Tree() { SetProgramFolder(QString()); }
    QString Path(const QString& below) const { return root.path() + "/a/b/program/" + below; }
    QByteArray Read(const QString& below) const { return ReadFile(Path(below)).bytes; }
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
    QTemporaryDir root;
};

const Grid Solution = TransformedGrid(6, 7);
const QString Prompt = QStringLiteral(" Save|Geef een naam voor deze puzzel...");

CellTexts TextsOf(const Grid& grid) {
    CellTexts texts;
    for (int n = 1; n <= 81; ++n) {
        const solver::CellPos p = solver::CellPosition(static_cast<std::int16_t>(n));
        texts[n] = QString::number(grid(solver::GridColumn(p), solver::GridRow(p)));
    }
    return texts;
}

}  // namespace

class TestPuzzleSave : public QObject {
    Q_OBJECT
  private slots:
    // The file is named as typed, blanks and all, and holds the grid row by row.
    void savedFileHoldsTheGridRowByRow_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file");
        QTest::newRow("default name") << QString() << QStringLiteral("Puzzel-.puz");
        QTest::newRow("blanks kept") << QStringLiteral(" twee  ") << QStringLiteral(" twee  .puz");
        QTest::newRow("accents") << QStringLiteral("Één") << QStringLiteral("Één.puz");
    }
    void savedFileHoldsTheGridRowByRow() {
        QFETCH(QString, typed);
        QFETCH(QString, file);
        Tree tree;
        const Reply keep = [](QWidget* m) {
            QTest::mouseClick(m->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        };
        Dialogs dialogs({typed.isNull() ? keep : Name(typed)});
        SavePuzzle(nullptr, TextsOf(Solution));
        QCOMPARE(dialogs.Seen(), QStringList{Prompt});
        QByteArray rows;
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                rows += static_cast<char>('0' + Solution(c, r));
            }
            rows += "\r\n";
        }
        QCOMPARE(rows.size(), 99);
        QCOMPARE(tree.Read("puzzels/" + file), rows);
        QCOMPARE(QDir(tree.Path("puzzels")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{file});
    }

    // An empty cell, a name of blanks, Cancel or a name that is no plain file name: nothing is
    // written anywhere.
    void nothingIsWritten_data() {
        QTest::addColumn<int>("emptyCell");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString unsafe = QStringLiteral(" Error|Deze naam kan niet als bestandsnaam");
        QTest::newRow("first cell empty")
            << 1 << QString() << " Error|Niet alle vakjes zijn gevuld!";
        QTest::newRow("last cell empty")
            << 81 << QString() << " Error|Niet alle vakjes zijn gevuld!";
        QTest::newRow("cancel") << 0 << QString() << QString();
        QTest::newRow("blanks") << 0 << QStringLiteral("   ") << QString();
        QTest::newRow("up one") << 0 << QStringLiteral("../uit") << unsafe;
        QTest::newRow("up three") << 0 << QStringLiteral("../../../uit") << unsafe;
        QTest::newRow("backslash") << 0 << QStringLiteral("..\\uit") << unsafe;
        QTest::newRow("absolute") << 0 << QStringLiteral("/root") << unsafe;
        QTest::newRow("dot dot") << 0 << QStringLiteral("..") << unsafe;
        QTest::newRow("control character") << 0 << QStringLiteral("a\x01z") << unsafe;
        QTest::newRow("too long") << 0 << QString(300, u'x') << unsafe;
    }
    void nothingIsWritten() {
        QFETCH(int, emptyCell);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Tree tree;
        if (typed == u"/root") {
            typed = tree.root.path() + QStringLiteral("/uit");
        }
        const QStringList before = tree.Listing();
        CellTexts texts = TextsOf(Solution);
        texts[emptyCell].clear();
        std::deque<Reply> replies;
        QStringList expected;
        if (emptyCell == 0) {
            replies.push_back(typed.isNull() ? [](QWidget* m) { AnswerInput(m, QString()); }
                                             : Name(typed));
            expected << Prompt;
        }
        if (!message.isEmpty()) {
            replies.push_back(Ok());
        }
        Dialogs dialogs(replies);
        SavePuzzle(nullptr, texts);
        QCOMPARE(dialogs.Seen().mid(0, expected.size()), expected);
        QCOMPARE(dialogs.Seen().size(), expected.size() + !message.isEmpty());
        if (!message.isEmpty()) {
            QVERIFY2(dialogs.Seen().back().startsWith(message), qPrintable(dialogs.Seen().back()));
        }
        QCOMPARE(tree.Listing(), before);
    }

    // Yes replaces the old file whole, also a longer one; No leaves it as it was. A puzzle that
    // came with the program, while the user's files are kept apart, counts as existing too: Yes
    // saves the user's own file of that name beside it.
    void existingName_data() {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("userFolder");
        const QByteArray longer = PuzzleFileBytes(TransformedGrid(1, 1)) + QByteArray(300, 'z');
        QTest::newRow("yes") << PuzzleFileBytes(TransformedGrid(1, 1)) << true << false;
        QTest::newRow("yes, longer old file") << longer << true << false;
        QTest::newRow("no, longer old file") << longer << false << false;
        QTest::newRow("yes, came with the program") << longer << true << true;
        QTest::newRow("no, came with the program") << longer << false << true;
    }
    void existingName() {
        QFETCH(QByteArray, old);
        QFETCH(bool, yes);
        QFETCH(bool, userFolder);
        Tree tree;
        std::optional<TestUserFolder> user;
        if (userFolder) {
            user.emplace();
        }
        QVERIFY(WriteFileAtomically(tree.Path("puzzels/Oud.puz"), old));
        Dialogs dialogs({Name("Oud"), Ok(yes ? QMessageBox::Yes : QMessageBox::No)});
        SavePuzzle(nullptr, TextsOf(Solution));
        QCOMPARE(dialogs.Seen(),
                 (QStringList{Prompt, " Exist|Deze naam bestaat reeds, wilt u toch saven?"}));
        if (user) {
            QCOMPARE(tree.Read("puzzels/Oud.puz"), old);
            QCOMPARE(user->Read("puzzels/Oud.puz"), yes ? PuzzleFileBytes(Solution) : QByteArray());
            return;
        }
        QCOMPARE(tree.Read("puzzels/Oud.puz"), yes ? PuzzleFileBytes(Solution) : old);
        QCOMPARE(QDir(tree.Path("puzzels")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Oud.puz"});
    }

    void missingFolderIsMade() {
        Tree tree;
        QVERIFY(QDir(tree.Path("puzzels")).removeRecursively());
        Dialogs dialogs({Name("Nieuw")});
        SavePuzzle(nullptr, TextsOf(Solution));
        QCOMPARE(tree.Read("puzzels/Nieuw.puz"), PuzzleFileBytes(Solution));
    }

    // A write that fails is reported, and whatever stood there stays.
    void failedWriteIsReported_data() {
        QTest::addColumn<bool>("folderIsFile");
        QTest::newRow("the puzzle folder is a file") << true;
        QTest::newRow("the file's name is a folder") << false;
    }
    void failedWriteIsReported() {
        QFETCH(bool, folderIsFile);
        Tree tree;
        if (folderIsFile) {
            QVERIFY(QDir(tree.Path("puzzels")).removeRecursively());
            QVERIFY(WriteFileAtomically(tree.Path("puzzels"), "x"));
        } else {
            QVERIFY(QDir().mkpath(tree.Path("puzzels/Vast.puz")));
        }
        const QStringList before = tree.Listing();
        Dialogs dialogs({Name("Vast"), Ok()});
        SavePuzzle(nullptr, TextsOf(Solution));
        QCOMPARE(dialogs.Seen().size(), 2);
        QVERIFY2(dialogs.Seen()[1].startsWith(" Error|De puzzel kon niet worden opgeslagen"),
                 qPrintable(dialogs.Seen()[1]));
        QCOMPARE(tree.Listing(), before);
    }
};

QTEST_MAIN(TestPuzzleSave)
#include "test_puzzle_save.moc"
