#include "platform/controls.h"
#include "platform/fonts.h"
#include "support/game_window.h"
#include "support/modal.h"
#include "ui/dialogs/config.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>

namespace {

template <class T = QWidget>
T* Find(const QObject* parent, const QString& name) {
    return parent->findChild<T*>(name);
}

// Where a part of a scroll bar lies: its arrows and the groove on either side of the thumb.
QPoint PartCentre(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

void ClickPart(QScrollBar* bar, QStyle::SubControl part, int times = 1) {
    for (int k = 0; k < times; ++k) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, PartCentre(bar, part));
    }
}

// Clicks a part of a bar (0 left arrow, 1 right arrow, 2 left page, 3 right page), or presses a
// key on it, a number of times.
void Operate(QScrollBar* bar, int partOrKey, int times = 1) {
    const QStyle::SubControl parts[] = {QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine,
                                        QStyle::SC_ScrollBarSubPage, QStyle::SC_ScrollBarAddPage};
    for (int k = 0; k < times; ++k) {
        if (partOrKey < 4) {
            ClickPart(bar, parts[partOrKey]);
        } else {
            QTest::keyClick(bar, Qt::Key(partOrKey));
        }
    }
}

// Drags the thumb of a bar to a value and lets it go.
void Drag(QScrollBar* bar, int value) {
    bar->setSliderDown(true);
    bar->setSliderPosition(value);
    bar->setSliderDown(false);
}

void Press(QWidget* dialog, const QString& name) {
    QTest::mouseClick(Find(dialog, name), Qt::LeftButton);
}

// A settings dialog on its own state, shown and ready for clicks.
struct Settings {
    explicit Settings(const GameSettings& start = {}) : state(start) {
        QApplication::setQuitOnLastWindowClosed(false);
        oplossing.setEnabled(false);
        dialog = std::make_unique<Config>(state, &oplossing);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    QScrollBar* Bar(const QString& name) const { return Find<QScrollBar>(dialog.get(), name); }
    GameSettings state;
    QWidget oplossing;
    std::unique_ptr<Config> dialog;
};

// The settings the dialog may change.
struct Snapshot {
    explicit Snapshot(const GameSettings& s)
        : difficulty(s.Difficulty),
          colour(s.DigitColour),
          usePattern(s.UsePattern),
          checkMoves(s.CheckMoves),
          highlight(s.HighlightColour),
          pattern(s.PatternRows) {}
    bool operator==(const Snapshot&) const = default;
    int difficulty;
    Rgb colour;
    bool usePattern;
    bool checkMoves;
    Rgb highlight;
    std::array<QString, 10> pattern;
};

void OpenSettings(GameWindow& game, std::function<void(QWidget*)> answer) {
    WhenModal(std::move(answer));
    Find<QAction>(game.main.get(), "ToolsGonfig")->trigger();
}

// Places a number in cell (c, r) as the player does: the number button, then a click.
void Place(GameWindow& game, int number, int c, int r) {
    QTest::mouseClick(Find(game.main.get(), QStringLiteral("GetalKnop%1").arg(number)),
                      Qt::LeftButton);
    QTRY_COMPARE(game.Model().SelectedNumber(), number);
    QTest::mouseClick(Find(game.main.get(), "Pic"), Qt::LeftButton, {}, FaceCentre(c, r));
}

}  // namespace

class TestConfig : public QObject {
    Q_OBJECT
  private slots:
    // The program's own fonts, as it starts with them.
    void initTestCase() { InstallFontSubstitutes(); }

    void captionsFitAndAreDarkGrey() {
        Settings settings;
        QCOMPARE(settings.dialog->windowTitle(), QStringLiteral(" Tools"));
        // The switches below the classic settings make the window taller.
        QCOMPARE(settings.dialog->size(), QSize(312, 258));
        int captions = 0;
        for (const char* name : {"Frame1", "Frame2"}) {
            QWidget* frame = Find(settings.dialog.get(), name);
            for (QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                // Every control lies within the frame.
                QVERIFY2(frame->rect().contains(control->geometry()),
                         qPrintable(control->objectName()));
                if (auto* label = qobject_cast<QLabel*>(control);
                    label && !label->text().isEmpty()) {
                    ++captions;
                    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(64, 64, 64));
                    if (label->wordWrap()) {
                        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                                 qPrintable(label->objectName()));
                    } else {
                        QVERIFY2(label->sizeHint().width() <= label->width(),
                                 qPrintable(label->objectName()));
                    }
                } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
                    ++captions;
                    QCOMPARE(box->palette().color(QPalette::WindowText), QColor(64, 64, 64));
                    QStyleOptionButton option;
                    option.initFrom(box);
                    option.text = box->text();
                    const QRect text =
                        box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
                    QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= text.width(),
                             qPrintable(box->objectName()));
                } else if (auto* button = qobject_cast<QPushButton*>(control)) {
                    ++captions;
                    QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(64, 64, 64));
                    QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) + 8 <=
                            button->width());
                }
            }
        }
        QCOMPARE(captions, 16);
        const QFont digit = Find(settings.dialog.get(), "Label3")->font();
        QVERIFY(digit.bold());
        QCOMPARE(digit.pixelSize(), 13);
    }

    void loadShowsTheSettings_data() {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<bool>("usePattern");
        QTest::addColumn<bool>("checkMoves");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("name");  // of the difficulty shown
        QTest::newRow("start values") << 3 << false << false << 3 << "makkelijk";
        QTest::newRow("easiest, both options") << 2 << true << true << 2 << "zeer makkelijk";
        QTest::newRow("hardest, pattern") << 8 << true << false << 8 << "buitengewoon moeilijk";
        QTest::newRow("sound only") << 5 << false << true << 5 << "moeilijk";
        QTest::newRow("below the range") << 0 << false << false << 2 << "zeer makkelijk";
        QTest::newRow("above the range") << 200 << false << false << 8 << "buitengewoon moeilijk";
    }
    void loadShowsTheSettings() {
        QFETCH(int, difficulty);
        QFETCH(bool, usePattern);
        QFETCH(bool, checkMoves);
        QFETCH(int, shown);
        GameSettings start;
        start.Difficulty = difficulty;
        start.UsePattern = usePattern;
        start.CheckMoves = checkMoves;
        start.DigitColour = {12, 34, 56};
        Settings settings(start);
        QCOMPARE(settings.Bar("HScroll1")->value(), shown);
        QCOMPARE(Find<QLabel>(settings.dialog.get(), "Label3")->text(), QString::number(shown));
        QTEST(Find<QLabel>(settings.dialog.get(), "LabelNiveau")->text(), "name");
        QTEST(settings.Bar("HScroll1")->accessibleDescription(), "name");
        QCOMPARE(settings.state.Difficulty, shown);
        QCOMPARE(settings.Bar("HScroll2")->value(), 12);
        QCOMPARE(settings.Bar("HScroll3")->value(), 34);
        QCOMPARE(settings.Bar("HScroll4")->value(), 56);
        QCOMPARE(settings.dialog->PreviewColour(), 12 + 256 * 34 + 65536 * 56);
        QCOMPARE(Find<QCheckBox>(settings.dialog.get(), "CheckPatroon")->isChecked(), usePattern);
        QCOMPARE(Find<QCheckBox>(settings.dialog.get(), "CheckZet")->isChecked(), checkMoves);
        QCOMPARE(settings.state.UsePattern, usePattern);
        QCOMPARE(settings.state.CheckMoves, checkMoves);
        QCOMPARE(settings.state.DigitColour, (Rgb{12, 34, 56}));
    }

    void untouchedDialogChangesNothing_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Ok") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape") << 2;
        // Not a press of the dialog's first button, "Aan".
        QTest::newRow("Return on a bar, then the close box") << 3;
    }
    void untouchedDialogChangesNothing() {
        QFETCH(int, way);
        GameWindow game;
        for (bool options : {false, true}) {
            game.Settings().Difficulty = options ? 7 : 3;
            game.Settings().DigitColour = options ? Rgb{1, 2, 3} : Rgb{190, 0, 0};
            game.Settings().UsePattern = options;
            game.Settings().CheckMoves = options;
            game.main->Knoptext(4)->setEnabled(options);
            const Snapshot before(game.Settings());
            OpenSettings(game, [&](QWidget* modal) {
                if (way == 0) {
                    Press(modal, "OkKnop");
                } else if (way == 1) {
                    modal->close();
                } else if (way == 2) {
                    QTest::keyClick(modal, Qt::Key_Escape);
                } else {
                    QWidget* bar = modal->findChild<QWidget*>(QStringLiteral("HScroll1"));
                    bar->setFocus();
                    QTest::keyClick(bar, Qt::Key_Return);
                    modal->close();
                }
            });
            QCOMPARE(Snapshot(game.Settings()), before);
            QCOMPARE(game.main->Knoptext(4)->isEnabled(), options);
            QVERIFY(game.main->findChildren<Config*>().isEmpty());
        }
    }

    void difficultyBar_data() {
        // A click on a part: 0 left arrow, 1 right arrow, 2 left page, 3 right page; or a key.
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("times");
        QTest::addColumn<int>("expected");
        QTest::newRow("one to the right") << 1 << 1 << 4;
        QTest::newRow("one to the left") << 0 << 1 << 2;
        QTest::newRow("right end") << 1 << 10 << 8;
        QTest::newRow("left end") << 0 << 10 << 2;
        QTest::newRow("page right") << 3 << 1 << 4;
        QTest::newRow("page left") << 2 << 1 << 2;
        QTest::newRow("pages to the right end") << 3 << 9 << 8;
        QTest::newRow("Right key") << int(Qt::Key_Right) << 1 << 4;
        QTest::newRow("Left key") << int(Qt::Key_Left) << 1 << 2;
        QTest::newRow("Right key to the end") << int(Qt::Key_Right) << 10 << 8;
        QTest::newRow("PageDown key") << int(Qt::Key_PageDown) << 1 << 4;
        QTest::newRow("End key") << int(Qt::Key_End) << 1 << 8;
        QTest::newRow("Home key") << int(Qt::Key_Home) << 1 << 2;
    }
    void difficultyBar() {
        QFETCH(int, part);
        QFETCH(int, times);
        QFETCH(int, expected);
        Settings settings;
        Operate(settings.Bar("HScroll1"), part, times);
        QCOMPARE(settings.state.Difficulty, expected);
        QCOMPARE(Find<QLabel>(settings.dialog.get(), "Label3")->text(), QString::number(expected));
    }

    void draggingCountsOnRelease() {
        Settings settings;
        QScrollBar* bar = settings.Bar("HScroll1");
        bar->setSliderDown(true);
        bar->setSliderPosition(7);
        QCOMPARE(settings.state.Difficulty, 3);
        QCOMPARE(Find<QLabel>(settings.dialog.get(), "Label3")->text(), QStringLiteral("3"));
        bar->setSliderDown(false);
        QCOMPARE(settings.state.Difficulty, 7);
        QCOMPARE(Find<QLabel>(settings.dialog.get(), "Label3")->text(), QStringLiteral("7"));
    }

    void colourBars_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("part");  // as in difficultyBar
        QTest::addColumn<Rgb>("expected");
        QTest::newRow("red down") << "HScroll2" << 0 << Rgb{189, 0, 0};
        QTest::newRow("red page up") << "HScroll2" << 3 << Rgb{191, 0, 0};
        QTest::newRow("green up") << "HScroll3" << 1 << Rgb{190, 1, 0};
        QTest::newRow("green below 0") << "HScroll3" << 0 << Rgb{190, 0, 0};
        QTest::newRow("blue up") << "HScroll4" << 1 << Rgb{190, 0, 1};
        QTest::newRow("red with the Left key") << "HScroll2" << int(Qt::Key_Left) << Rgb{189, 0, 0};
        QTest::newRow("blue with the End key")
            << "HScroll4" << int(Qt::Key_End) << Rgb{190, 0, 255};
    }
    void colourBars() {
        QFETCH(QString, bar);
        QFETCH(int, part);
        QFETCH(Rgb, expected);
        Settings settings;
        Operate(settings.Bar(bar), part);
        QCOMPARE(settings.state.DigitColour, expected);
        QCOMPARE(settings.dialog->PreviewColour(), expected.Value());
    }

    void previewShowsTheMixedColour() {
        Settings settings;
        settings.Bar("HScroll2")->triggerAction(QAbstractSlider::SliderToMaximum);
        Drag(settings.Bar("HScroll3"), 128);
        ClickPart(settings.Bar("HScroll4"), QStyle::SC_ScrollBarSubLine);
        QCOMPARE(settings.state.DigitColour, (Rgb{255, 128, 0}));
        QCOMPARE(settings.dialog->PreviewColour(), 33023);
        QWidget* preview = Find(settings.dialog.get(), "Label5");
        const QImage shown = preview->grab().toImage();
        QCOMPARE(QColor(shown.pixel(shown.rect().center())), QColor(255, 128, 0));
    }

    void checkBoxesSetTheOptions_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("usePattern");
        QTest::addColumn<bool>("checkMoves");
        QTest::newRow("pattern on") << "CheckPatroon" << 1 << true << false;
        QTest::newRow("pattern on and off") << "CheckPatroon" << 2 << false << false;
        QTest::newRow("sound on") << "CheckZet" << 1 << false << true;
        QTest::newRow("sound on, off, on") << "CheckZet" << 3 << false << true;
    }
    void checkBoxesSetTheOptions() {
        QFETCH(QString, box);
        QFETCH(int, clicks);
        Settings settings;
        for (int k = 0; k < clicks; ++k) {
            QTest::mouseClick(Find(settings.dialog.get(), box), Qt::LeftButton);
        }
        QTEST(settings.state.UsePattern, "usePattern");
        QTEST(settings.state.CheckMoves, "checkMoves");
        QCOMPARE(settings.state.Difficulty, 3);
    }

    void switchesTheSolutionCommandAtOnce() {
        GameWindow game;
        ClickLabel* oplossing = game.main->Knoptext(4);
        QVERIFY(!oplossing->isEnabled());
        bool afterAan = false;
        bool afterUit = true;
        bool afterSecondAan = false;
        OpenSettings(game, [&](QWidget* modal) {
            Press(modal, "OplosKnopaan");
            afterAan = oplossing->isEnabled();
            Press(modal, "OplosKnopuit");
            afterUit = oplossing->isEnabled();
            Press(modal, "OplosKnopaan");
            afterSecondAan = oplossing->isEnabled();
            Press(modal, "OkKnop");
        });
        QVERIFY(afterAan);
        QVERIFY(!afterUit);
        QVERIFY(afterSecondAan);
        QVERIFY(oplossing->isEnabled());
        // The dialog does not remember the switch: the next opening leaves it as it is.
        OpenSettings(game, [&](QWidget* modal) { Press(modal, "OkKnop"); });
        QVERIFY(oplossing->isEnabled());
        OpenSettings(game, [&](QWidget* modal) {
            Press(modal, "OplosKnopuit");
            modal->close();
        });
        QVERIFY(!oplossing->isEnabled());
    }

    void colourChangeRecoloursOnlyLaterDigits() {
        GameWindow game;
        game.LayOut({});
        const Grid& solution = game.Model().SolutionGrid();
        Place(game, solution(1, 1), 1, 1);
        QCOMPARE(game.Model().BoardGrid()(1, 1), solution(1, 1));
        OpenSettings(game, [&](QWidget* modal) {
            Find<QScrollBar>(modal, "HScroll2")->triggerAction(QAbstractSlider::SliderToMinimum);
            Find<QScrollBar>(modal, "HScroll4")->triggerAction(QAbstractSlider::SliderToMaximum);
            Press(modal, "OkKnop");
        });
        QCOMPARE(game.Settings().DigitColour, (Rgb{0, 0, 255}));
        Place(game, solution(2, 1), 2, 1);
        QCOMPARE(game.Model().BoardGrid()(2, 1), solution(2, 1));
        const QImage& pic = game.main->PicSurface().Image();
        const QSet<QRgb> first = Colours(pic, FacePixels(1, 1));
        const QSet<QRgb> second = Colours(pic, FacePixels(2, 1));
        QVERIFY(first.contains(qRgb(190, 0, 0)));
        QVERIFY(!first.contains(qRgb(0, 0, 255)));
        QVERIFY(second.contains(qRgb(0, 0, 255)));
        QVERIFY(!second.contains(qRgb(190, 0, 0)));
    }

    void difficultyAndColourOutliveTheRunButTheOptionsDoNot() {
        GameWindow game;
        const GameSettings before = game.Settings();
        OpenSettings(game, [&](QWidget* modal) {
            ClickPart(Find<QScrollBar>(modal, "HScroll1"), QStyle::SC_ScrollBarAddLine, 10);
            Drag(Find<QScrollBar>(modal, "HScroll3"), 99);
            QTest::mouseClick(Find(modal, "CheckPatroon"), Qt::LeftButton);
            QTest::mouseClick(Find(modal, "CheckZet"), Qt::LeftButton);
            for (const SettingSwitch& setting : SettingSwitches) {
                // On the box itself: a short caption leaves the middle of the line empty.
                QTest::mouseClick(Find(modal, QStringLiteral("Check") + setting.key),
                                  Qt::LeftButton, {}, QPoint(8, 8));
            }
            Press(modal, "OplosKnopaan");
            // Written while the dialog is still open, soon after the change.
            QTRY_VERIFY(game.folder.Read(QStringLiteral("Sudoku.ini"))
                            .endsWith("\r\n190,99,0\r\n255,0,0\r\n8\r\n"));
            Press(modal, "OkKnop");
        });
        QCOMPARE(game.Settings().Difficulty, 8);
        QVERIFY(game.Settings().UsePattern);
        QVERIFY(game.Settings().CheckMoves);
        Find<QAction>(game.main.get(), "FileExit")->trigger();
        QVERIFY(game.folder.Read(QStringLiteral("Sudoku.ini"))
                    .endsWith("\r\n190,99,0\r\n255,0,0\r\n8\r\n"));

        Main next;
        QCOMPARE(next.Settings().Difficulty, 8);
        QCOMPARE(next.Settings().DigitColour, (Rgb{190, 99, 0}));
        QVERIFY(!next.Settings().UsePattern);
        QVERIFY(!next.Settings().CheckMoves);
        QVERIFY(!next.Knoptext(4)->isEnabled());
        // Each switch keeps what its click made of it.
        for (const SettingSwitch& setting : SettingSwitches) {
            QVERIFY2(next.Settings().*setting.value == !(before.*setting.value), setting.key);
        }
    }

    void patternOptionMakesTheNextPuzzleUseThePattern() {
        GameWindow game;
        for (int r = 1; r <= 9; ++r) {
            game.Settings().PatternRows[r] = r == 5 ? QStringLiteral("111111111") : EmptyPatternRow;
        }
        OpenSettings(game, [&](QWidget* modal) {
            QTest::mouseClick(Find(modal, "CheckPatroon"), Qt::LeftButton);
            Press(modal, "OkKnop");
        });
        game.main->GeneratePuzzle();
        QCOMPARE(game.Model().FilledCount(), 9);
        for (int c = 1; c <= 9; ++c) {
            QCOMPARE(game.Model().BoardGrid()(c, 5), game.Model().SolutionGrid()(c, 5));
            QCOMPARE(game.Model().BoardGrid()(c, 4), 0);
        }
    }
};

QTEST_MAIN(TestConfig)
#include "test_config.moc"
