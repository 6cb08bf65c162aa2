#include "platform/controls.h"
#include "platform/twips.h"
#include "support/full_disk.h"
#include "support/game_window.h"
#include "support/modal.h"
#include "ui/game/board_geometry.h"

#include <QAction>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>

#include <optional>

namespace {

void SaveAs(Main& main, int index) {
    main.findChild<QAction*>(QStringLiteral("Save%1").arg(index))->trigger();
}

// A game in play: givens, two of the player's digits, a pencil mark, the highlight square on an
// open cell and the solution on show.
void PlayALittle(GameWindow& game) {
    game.LayOut({"100000001", "010000010", "001000100", "000101000", "000010000", "000101000",
                 "001000100", "010000010", "100000001"});
    game.Settings().DigitColour = {0, 130, 0};
    Main& main = *game.main;
    for (const QPoint cell : {QPoint(2, 1), QPoint(5, 3)}) {
        main.GetalKnop_Click(game.Model().SolutionGrid()(cell.x(), cell.y()));
        main.Pic_MouseDown(
            1, QPointF(board::CellLeft(cell.x()) + 262, board::CellTop(cell.y()) + 262));
    }
    main.Pic_MouseDown(4, QPointF(board::CellLeft(4) + 262, board::CellTop(1) + 262));
    main.Pic_MouseMove(QPointF(board::CellLeft(3) + 262, board::CellTop(1) + 262));
    main.Knoptext(4)->setEnabled(true);
    QTest::mouseClick(main.Knoptext(4), Qt::LeftButton);
    QVERIFY(main.findChild<QWidget*>(QStringLiteral("Pic2"))->isVisible());
}

QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

}  // namespace

class TestImageExport : public QObject {
    Q_OBJECT
  private slots:
    void theBitmapIsTheBoardPixelForPixel_data() {
        QTest::addColumn<bool>("inPlay");
        QTest::newRow("before the first puzzle") << false;
        QTest::newRow("in play, solution shown") << true;
    }
    void theBitmapIsTheBoardPixelForPixel() {
        QFETCH(bool, inPlay);
        GameWindow game;
        if (inPlay) {
            PlayALittle(game);
        }
        const QString path = game.folder.Path(QStringLiteral("bord.bmp"));
        QString filter;
        AnswerSave(path, &filter);
        SaveAs(*game.main, 2);
        QCOMPARE(filter, QStringLiteral("Bitmap format (*.bmp)"));
        QImage saved;
        QVERIFY(saved.load(path, "BMP"));
        const QImage board = game.main->PicSurface().Image();
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), board);
        // One pixel for every 15 twips, also when the screen has more.
        QCOMPARE(saved.size(), TwipsRect(0, 0, board::BoardTwips, board::BoardTwips).size());
        if (inPlay) {
            QVERIFY(Colours(board, FacePixels(2, 1)).contains(qRgb(0, 130, 0)));
            QVERIFY(Colours(board, FacePixels(4, 1)).contains(board::MarkInk.rgb()));
            QVERIFY(board != game.main->Pic2Surface().Image());
        }
        QVERIFY(!game.folder.Exists(QStringLiteral("mydummy.bmp")));
    }

    void theChosenNameIsUsedAsItIs() {
        GameWindow game;
        AnswerSave(game.folder.Path(QStringLiteral("plaatje")));
        SaveAs(*game.main, 2);
        QVERIFY(game.folder.Exists(QStringLiteral("plaatje")));
        QVERIFY(!game.folder.Exists(QStringLiteral("plaatje.bmp")));
        AnswerSave(game.folder.Path(QStringLiteral("foto")));
        SaveAs(*game.main, 1);
        QVERIFY(game.folder.Exists(QStringLiteral("foto")));
        QCOMPARE(QImageReader(game.folder.Path(QStringLiteral("foto"))).format(),
                 QByteArray("jpeg"));
    }

    void theJpegLooksLikeTheBoardAndLeavesNoTemporaryFile() {
        GameWindow game;
        PlayALittle(game);
        const QString path = game.folder.Path(QStringLiteral("bord.jpg"));
        QString filter;
        AnswerSave(path, &filter);
        SaveAs(*game.main, 1);
        QCOMPARE(filter, QStringLiteral("Jpg format (*.jpg)"));
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage saved = reader.read().convertToFormat(QImage::Format_RGB32);
        const QImage board = game.main->PicSurface().Image();
        QCOMPARE(saved.size(), board.size());
        double difference = 0;
        for (int y = 0; y < board.height(); ++y) {
            for (int x = 0; x < board.width(); ++x) {
                difference += std::abs(qGray(saved.pixel(x, y)) - qGray(board.pixel(x, y)));
            }
        }
        QVERIFY(difference / (board.width() * board.height()) < 4);
        QVERIFY(!game.folder.Exists(QStringLiteral("mydummy.bmp")));
    }

    void cancellingDoesNothing_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("jpeg") << 1;
        QTest::newRow("bitmap") << 2;
    }
    void cancellingDoesNothing() {
        QFETCH(int, index);
        GameWindow game;
        const QString folder = game.folder.Path(QString());
        const QStringList before = Files(folder);
        AnswerSave(QString());
        MessageWatch messages;
        SaveAs(*game.main, index);
        QTest::qWait(50);
        QCOMPARE(messages.text, QString());
        QCOMPARE(Files(folder), before);
    }

    // The message names the file that could not be written and why, and no part of a picture is
    // left behind.
    void aFailedSaveIsReported_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("folderGone");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("failedFile");
        QTest::newRow("jpeg into a missing folder")
            << 1 << false << false << "Fout bij het saven naar JPG!"
            << "weg/bord.jpg";
        QTest::newRow("jpeg, program folder gone")
            << 1 << true << false << "Fout bij het saven naar JPG!"
            << "bestaat-niet/mydummy.bmp";
        QTest::newRow("bitmap into a missing folder")
            << 2 << false << false << "Fout bij het saven naar BMP!"
            << "weg/bord.jpg";
        QTest::newRow("bitmap, disk full") << 2 << false << true << "Fout bij het saven naar BMP!"
                                           << "bord.bmp";
    }
    void aFailedSaveIsReported() {
        QFETCH(int, index);
        QFETCH(bool, folderGone);
        QFETCH(bool, diskFull);
        QFETCH(QString, failedFile);
        GameWindow game;
        const QString target = folderGone ? game.folder.Path(QStringLiteral("bord.jpg"))
                               : diskFull ? game.folder.Path(failedFile)
                                          : game.folder.Path(QStringLiteral("weg/bord.jpg"));
        if (folderGone) {
            SetProgramFolder(game.folder.Path(QStringLiteral("bestaat-niet")));
        }
        MessageWatch messages;
        AnswerSave(target);
        {
            std::optional<FullDisk> full;
            if (diskFull) {
                full.emplace();
            }
            SaveAs(*game.main, index);
        }
        QTEST(messages.text, "message");
        QVERIFY2(messages.details.startsWith(game.folder.Path(failedFile) + u'\n'),
                 qPrintable(messages.details));
        QVERIFY(!QFile::exists(target));
        QVERIFY(!game.folder.Exists(QStringLiteral("mydummy.bmp")));
    }

    void anExistingFileIsReplacedOnlyWhenAllowed() {
        GameWindow game;
        const QString path = game.folder.Path(QStringLiteral("oud.bmp"));
        game.folder.Write(QStringLiteral("oud.bmp"), "oude inhoud");
        // No: the file stays and the dialog asks again; then it is cancelled.
        bool asked = false;
        AnswerSave(path, nullptr, [&] {
            WhenModal([&](QWidget* box) {
                asked = qobject_cast<QMessageBox*>(box) != nullptr;
                AnswerSave(QString());
                Press(box, QMessageBox::No);
            });
        });
        SaveAs(*game.main, 2);
        QVERIFY(asked);
        QCOMPARE(game.folder.Read(QStringLiteral("oud.bmp")), QByteArray("oude inhoud"));
        // Yes: the board replaces it.
        AnswerSave(path, nullptr,
                   [] { WhenModal([](QWidget* box) { Press(box, QMessageBox::Yes); }); });
        SaveAs(*game.main, 2);
        QImage saved;
        QVERIFY(saved.load(path, "BMP"));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), game.main->PicSurface().Image());
    }
};

QTEST_MAIN(TestImageExport)
#include "test_image_export.moc"
