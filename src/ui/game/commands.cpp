// The menus' and the command column's actions, the stopwatch and the help pages.
#include "core/maker.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/pause.h"
#include "platform/pictures.h"
#include "platform/shell.h"
#include "ui/game/main_window.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QTextBrowser>

void Main::StartKlok() {
    model_.StartClock(Stopwatch::Clock::now());
    stopWatch_.start();
    label2_->setText(QStringLiteral("0:00:00:0"));
    ShowClockAloud(0);
}

void Main::StopWatch_Timer() {
    const long long ticks = model_.Tick(Stopwatch::Clock::now());
    label2_->setText(ClockText(ticks));
    ShowClockAloud(ticks);
    // The time played is kept every five seconds, besides with every move.
    if (ticks >= keptTicks_ + 50) {
        keepTimer_.start();
    }
}

void Main::FilePauze_Click() {
    const auto now = Stopwatch::Clock::now();
    if (model_.Paused()) {
        model_.Resume(now);
    } else {
        model_.Pause(now);
    }
    // A command that could not be carried out shows what is.
    ShowCommands();
}

void Main::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        model_.HoldClock(isMinimized(), Stopwatch::Clock::now());
    }
    QMainWindow::changeEvent(event);
}

void Main::Knoptext_Click(int index) {
    ClickLabel* text = knoptext_[index];
    PlaceTwips(text, KnoptextLeft + 30, KnoptextTop(index) + 30, KnoptextWidth, KnoptextHeight);
    SetControlColour(text, QPalette::WindowText, Qt::red);
    if (!Pause(0.2, text)) {
        return;
    }
    PlaceTwips(text, KnoptextLeft, KnoptextTop(index), KnoptextWidth, KnoptextHeight);
    SetControlColour(text, QPalette::WindowText, Qt::black);
    switch (index) {
        case 1:
            LoadPuzzle();
            break;
        case 2:
            ExportWebPage();
            break;
        case 3:
            board_.ShowHint();
            break;
        case 4:
            ToggleSolution();
            break;
        default:
            PrintPuzzleDialog();
            break;
    }
}

void Main::ToggleSolution() {
    const bool showSolution = picView_->isVisible();
    if (showSolution) {
        model_.UseHelp(Help::Solution);
        board_.SolutionBoard();
    }
    // The board in view keeps the focus that the other had.
    const bool focused = picView_->hasFocus() || pic2View_->hasFocus();
    pic2View_->setVisible(showSolution);
    picView_->setVisible(!showSolution);
    if (focused) {
        (showSolution ? pic2View_ : picView_)->setFocus();
    }
    img_[4]->setPixmap(showSolution ? Plaatjes::SlotOpen(PictureZoom())
                                    : Plaatjes::SlotClose(PictureZoom()));
}

void Main::ShowHelp(const QString& fragment, const QString& key) {
    if (webBrowser_ && webBrowser_->isVisible()) {
        webBrowser_->hide();
        board_.ShowInfo(QStringLiteral("Info"));
        return;
    }
    if (!webBrowser_) {
        // Made when help is first asked for, which keeps it out of the program's start.
        webBrowser_ = new QTextBrowser(client_);
        webBrowser_->setObjectName(QStringLiteral("WebBrowser"));
        webBrowser_->setOpenExternalLinks(true);
        PlaceTwips(webBrowser_, 75, 30, 8835, 5265);
    }
    const QString path = ProgramPath(QStringLiteral("help/help.htm"));
    if (QFileInfo(path).isFile()) {
        QUrl url = QUrl::fromLocalFile(path);
        url.setFragment(fragment);
        webBrowser_->setSource(url);
        if (!fragment.isEmpty()) {
            webBrowser_->scrollToAnchor(fragment);
        }
    } else {
        webBrowser_->setHtml(QStringLiteral("<h3>Geen help beschikbaar</h3><p>Het helpbestand "
                                            "<tt>%1</tt> is niet gevonden.</p>")
                                 .arg(path.toHtmlEscaped()));
    }
    webBrowser_->show();
    webBrowser_->raise();
    // The page scrolls with the keys while it shows.
    webBrowser_->setFocus();
    board_.ShowInfo(
        QStringLiteral("Druk nogmaals op %1 om dit venster weer te sluiten...").arg(key));
}

void Main::HelpInleiding_Click() {
    ShowHelp(QString(), QStringLiteral("F1"));
}

void Main::HelpUitleg_Click() {
    ShowHelp(QStringLiteral("001"), QStringLiteral("F2"));
}

void Main::HelpSoftware_Click() {
    OpenDocument(this, MakerAddress);
}
