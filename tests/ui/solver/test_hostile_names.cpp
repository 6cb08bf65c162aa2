// A hundred names that are not plain file names, typed at the solver window's save prompt: each
// is refused with its message, and nothing is written anywhere.
#include "platform/files.h"
#include "support/modal.h"
#include "ui/solver/puzzle_save.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QWidget>

namespace {

QStringList HostileNames() {
    QStringList names;
    for (char16_t control = 1; control < 0x20; ++control) {
        names << QStringLiteral("puzzel") + QChar(control) + QStringLiteral("naam");
    }
    for (char16_t control = 0x7f; control <= 0x9f; ++control) {
        names << QChar(control) + QStringLiteral("naam");
    }
    names << QString(QChar(u'\0')) + QStringLiteral("x") << QStringLiteral("a\u0000b");
    for (const char* path : {"/",
                             "//",
                             "\\",
                             "a/b",
                             "a\\b",
                             "../uit",
                             "..\\uit",
                             "../../uit",
                             "/tmp/uit",
                             "./uit",
                             "uit/",
                             "\\\\server\\share\\uit",
                             "C:\\Windows\\uit",
                             "~/uit",
                             "puzzels/../../uit",
                             "a/./b",
                             "/etc/passwd",
                             "..",
                             ".",
                             "../",
                             "/..",
                             "../..",
                             "..\\..",
                             "./.",
                             ". /x"}) {
        names << QString::fromLatin1(path);
    }
    for (int length : {252, 253, 300, 1000, 5000}) {
        names << QString(length, u'x');
    }
    for (int length : {126, 127, 200}) {
        names << QString(length, u'é');  // two bytes each
    }
    const char32_t smile = 0x1F600;
    names << QString::fromUcs4(&smile, 1).repeated(63);  // four bytes each
    while (names.size() < 100) {
        names << QStringLiteral("lang-%1-").arg(names.size()) + QString(260, u'z');
    }
    return names;
}

// Every file below a folder.
QStringList FilesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << it.next();
    }
    return files;
}

}  // namespace

class TestHostileNames : public QObject {
    Q_OBJECT
  private slots:
    void everyHostileNameIsRefusedAndNothingWritten() {
        const QStringList names = HostileNames();
        QCOMPARE(names.size(), 100);
        QTemporaryDir root;
        const QString program = root.path() + QStringLiteral("/een/twee/programma");
        QDir().mkpath(program + QStringLiteral("/puzzels"));
        SetProgramFolder(program);
        CellTexts texts;
        static const char* const Grid =
            "123456789456789123789123456214365897365897214897214365"
            "531642978642978531978531642";
        for (int n = 1; n <= 81; ++n) {
            texts[n] = QString(QChar::fromLatin1(Grid[n - 1]));
        }
        QWidget owner;
        int refused = 0;
        for (const QString& name : names) {
            QString message;
            WhenModal([&](QWidget* prompt) {
                auto* input = qobject_cast<QInputDialog*>(prompt);
                QVERIFY(input);
                input->setTextValue(name);
                WhenModal([&](QWidget* box) {
                    message = MessageText(box);
                    Press(box, QMessageBox::Ok);
                });
                input->accept();
            });
            SavePuzzle(&owner, texts);
            QVERIFY2(message.startsWith(QStringLiteral("Deze naam kan niet als bestandsnaam")),
                     qPrintable(QStringLiteral("%1: %2").arg(names.indexOf(name)).arg(message)));
            ++refused;
        }
        QCOMPARE(refused, 100);
        QCOMPARE(FilesBelow(root.path()), QStringList());
        QVERIFY(!QFile::exists(QStringLiteral("/tmp/uit.puz")));
        QVERIFY(!QFile::exists(QDir::homePath() + QStringLiteral("/uit.puz")));
        SetProgramFolder(QString());
    }
};

QTEST_MAIN(TestHostileNames)
#include "test_hostile_names.moc"
