#include "ui/game/main_window.h"

#include "platform/background_writer.h"
#include "platform/controls.h"
#include "platform/first_paint.h"
#include "platform/fonts.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "platform/zoom_stage.h"
#include "ui/game/board_geometry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

namespace {

// The window's controls in twips, relative to their containers.
constexpr ControlSpec MainLayout[] = {
    {"Frame1", ControlKind::Frame, "", "", 75, -60, 5265, 5355},
    {"Label1", ControlKind::BorderLabel, "Frame1", "", 150, 270, 4920, 4920},
    {"Frame7", ControlKind::Frame, "", "", 75, 5310, 750, 450},
    {"Label5", ControlKind::Label, "Frame7", "0 / 0", 105, 150, 615, 210},
    {"Frame6", ControlKind::Frame, "", "", 885, 5310, 8025, 450},
    {"InfoBalk", ControlKind::Label, "Frame6", "Info", 90, 150, 7830, 255},
    {"Frame5", ControlKind::Frame, "", "", 5430, -60, 840, 5355},
    {"Frame2", ControlKind::Frame, "", "", 6360, -60, 2550, 3750},
    {"Frame3", ControlKind::Frame, "", "", 6360, 3690, 2550, 750},
    // The clock reaches to the frame's edge, so that ten hours and more ("10:00:00:0") fit.
    {"Label2", ControlKind::Label, "Frame3", "0:00:00:0", 180, 150, 2370, 540},
    {"Frame4", ControlKind::Frame, "", "", 6360, 4440, 2550, 855},
    {"Label3", ControlKind::Label, "Frame4", "0 vakjes ingevuld", 150, 210, 2340, 240},
    {"Label4", ControlKind::Label, "Frame4", "0", 150, 480, 2340, 240},
};

constexpr int PicLeft = 240;
constexpr int PicTop = 360;
constexpr int ImgLeft = 270;

int ImgTop(int i) {
    return 300 + (i - 1) * 690;
}

const char* const KnoptextCaptions[] = {"", "Load", "Website", "Hint", "Oplossing", "Printen"};

// The desktop's own keys for a standard command, and the program's keys besides.
QList<QKeySequence> Keys(QKeySequence::StandardKey standard, QList<QKeySequence> own = {}) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : own) {
        if (!keys.contains(key)) {
            keys << key;
        }
    }
    return keys;
}

}  // namespace

int Main::GetalKnopTop(int i) {
    return 285 + (i - 1) * 555;
}

int Main::KnoptextTop(int i) {
    return ImgTop(i) + 90;
}

Main::Main()
    : files_(settings_, scores_, this),
      pic_(board::BoardTwips, board::BoardTwips),
      pic2_(board::BoardTwips, board::BoardTwips),
      board_(model_, boardControls_) {
    Form_Load();
    // The window opens at its original size, also on a small screen, unless it had another.
    resize(sizeHint());
    RestoreWindowPlace();
}

Main::~Main() {
    qApp->removeEventFilter(this);
}

void Main::Form_Load() {
    setWindowTitle(QStringLiteral(" Sudoku"));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    SizeWindowTwips(client_, 9060, 6495, true);
    // The window grows and shrinks as one picture.
    // The board's cells stay alike at every zoom.
    stage_ = new ZoomStage(client_, board::CellPitch / TwipsPerPixel, this);
    setCentralWidget(stage_);
    connect(stage_, &ZoomStage::zoomChanged, this, &Main::ShowPictures);
    controls_ = std::make_unique<Controls>(client_, MainLayout);
    const Controls& c = *controls_;

    QWidget* frame1 = c["Frame1"];
    picView_ = new SurfaceView(pic_, frame1);
    // The program's icon is drawn with text, whose fonts the window's first look does not need.
    AfterFirstPaint(picView_, [this] { setWindowIcon(Plaatjes::ProgramIcon()); });
    // The first new puzzle is made while the player looks at the window.
    AfterFirstPaint(picView_, [this] { PreparePuzzle(); });
    picView_->setObjectName(QStringLiteral("Pic"));
    PlaceTwips(picView_, PicLeft, PicTop, board::BoardTwips, board::BoardTwips);
    pic2View_ = new SurfaceView(pic2_, frame1);
    pic2View_->setObjectName(QStringLiteral("Pic2"));
    PlaceTwips(pic2View_, PicLeft, PicTop, board::BoardTwips, board::BoardTwips);
    pic2View_->hide();
    picView_->SetOverlay(
        [this](QPainter& painter, const QImage& picture) { PaintOverBoard(painter, picture); });
    pauseCover_ = new ClickLabel(frame1);
    pauseCover_->setObjectName(QStringLiteral("PauzeScherm"));
    pauseCover_->setAlignment(Qt::AlignCenter);
    SetControlColour(pauseCover_, QPalette::Window, Qt::white);
    pauseCover_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PlaceTwips(pauseCover_, 150, 270, 4920, 4920);
    pauseCover_->hide();
    connect(pauseCover_, &ClickLabel::Clicked, this, &Main::FilePauze_Click);

    auto* shape1 = new OutlineSquare(picView_);
    shape1->setObjectName(QStringLiteral("Shape1"));
    PlaceTwips(shape1, 0, 0, board::HighlightSize, board::HighlightSize);
    shape1->hide();
    shape1_ = shape1;
    getalLabel_ = new QLabel(picView_);
    getalLabel_->setObjectName(QStringLiteral("GetalLabel"));
    getalLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    getalLabel_->setFont(PointFont(QStringLiteral("Arial"), 15.75, true));
    getalLabel_->setStyleSheet(
        QStringLiteral("color: %1; background: transparent;").arg(board::HintDigit.name()));
    getalLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PlaceTwips(getalLabel_, 0, 0, board::HighlightSize, board::HighlightSize);
    getalLabel_->hide();

    for (int i = 1; i <= 9; ++i) {
        auto* button = new PictureButton(c["Frame5"]);
        button->setObjectName(QStringLiteral("GetalKnop%1").arg(i));
        button->SetPicture(Plaatjes::Knop(i, false));
        button->setToolTip(QStringLiteral(" Getal %1 kiezen (toets %1) ").arg(i));
        PlaceTwips(button, GetalKnopLeft, GetalKnopTop(i), 480, 480);
        connect(button, &QAbstractButton::clicked, this, [this, i] { GetalKnop_Click(i); });
        getalKnop_[i] = button;
    }
    for (int i = 1; i <= 5; ++i) {
        auto* icon = new QLabel(c["Frame2"]);
        icon->setObjectName(QStringLiteral("Img%1").arg(i));
        icon->setPixmap(Plaatjes::CommandIcon(i));
        PlaceTwips(icon, ImgLeft, ImgTop(i), 480, 480);
        img_[i] = icon;
        auto* text = new ClickLabel(c["Frame2"]);
        text->setObjectName(QStringLiteral("Knoptext%1").arg(i));
        text->setText(QString::fromLatin1(KnoptextCaptions[i]));
        text->setFont(PointFont(QStringLiteral("Arial"), 9.75, true));
        text->setCursor(Qt::PointingHandCursor);
        PlaceTwips(text, KnoptextLeft, KnoptextTop(i), KnoptextWidth, KnoptextHeight);
        connect(text, &ClickLabel::Clicked, this, [this, i] { Knoptext_Click(i); });
        knoptext_[i] = text;
    }
    // "Oplossing" is switched on in the settings.
    knoptext_[4]->setEnabled(false);

    label2_ = c.Get<QLabel>("Label2");
    label3_ = c.Get<QLabel>("Label3");
    label4_ = c.Get<QLabel>("Label4");
    label5_ = c.Get<QLabel>("Label5");
    label2_->setFont(PointFont(QStringLiteral("Arial"), 24, true));
    stopWatch_.setObjectName(QStringLiteral("StopWatch"));
    stopWatch_.setTimerType(Qt::PreciseTimer);
    stopWatch_.setInterval(Stopwatch::TickInterval);
    connect(&stopWatch_, &QTimer::timeout, this, &Main::StopWatch_Timer);

    boardControls_.Pic = &pic_;
    boardControls_.Pic2 = &pic2_;
    boardControls_.Label3 = label3_;
    boardControls_.InfoBalk = c.Get<QLabel>("InfoBalk");
    boardControls_.Shape1 = shape1_;
    boardControls_.GetalLabel = getalLabel_;
    ConnectModel();
    ConnectPuzzleMaker();
    ConnectDailyPuzzle();

    connect(picView_, &SurfaceView::MouseDown, this, &Main::Pic_MouseDown);
    connect(picView_, &SurfaceView::MouseMove, this,
            [this](int, QPointF at) { Pic_MouseMove(at); });
    BuildMenus();
    MakeAccessible();
    niveau_ = new QLabel(menuBar());
    niveau_->setObjectName(QStringLiteral("Niveau"));
    menuBar()->setCornerWidget(niveau_, Qt::TopRightCorner);
    niveau_->hide();
    qApp->installEventFilter(this);

    board_.DrawGrid();
    files_.LoadSettings();
    shape1->SetColour(QColor(settings_.HighlightColour.red, settings_.HighlightColour.green,
                             settings_.HighlightColour.blue));
    files_.SyncScores();
    TakeUpKeptGame();
    // Leaving the desktop session ends the program the way closing the window does, without
    // questions that nobody would answer.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] {
        files_.SaveAll(false);
        KeepGameNow();
    });
}

void Main::SaveFiles() {
    files_.SaveAll();
    statistics_.Save();
    KeepGameNow();
}

void Main::FileExit_Click() {
    close();
}

void Main::closeEvent(QCloseEvent* event) {
    // However the window is closed, the settings and the scores of this run are kept.
    SaveFiles();
    stopWatch_.stop();
    event->accept();
}

void Main::BuildMenus() {
    QMenuBar* bar = menuBar();
    const auto menu = [bar](const char* name, const char* caption) {
        QMenu* m = bar->addMenu(QString::fromLatin1(caption));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    const auto item = [this](QMenu* m, const char* name, const char* caption, auto handler,
                             QList<QKeySequence> keys = {}) {
        QAction* action = m->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        // Shown beside the item on every desktop, also where menus hide them by default.
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto separator = [](QMenu* m, const char* name) {
        m->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    using Key = QKeySequence;

    QMenu* file = menu("File", "&File");
    item(file, "FileNieuw", "&Nieuwe puzzel", &Main::FileNieuw_Click, Keys(Key::New));
    item(file, "FilePuzzelVanDeDag", "Puzzel van de &dag", &Main::FilePuzzelVanDeDag_Click,
         {Key(Qt::CTRL | Qt::Key_D)});
    pauze_ = item(file, "FilePauze", "&Pauze", &Main::FilePauze_Click, {Key(Qt::Key_P)});
    pauze_->setCheckable(true);
    separator(file, "Filestreep1");
    // The commands of the column on the right, from the keyboard too.
    item(file, "FileLaden", "Puzzel &laden...", &Main::LoadPuzzle, Keys(Key::Open));
    QMenu* save = file->addMenu(QStringLiteral("&Opslaan"));
    save->setObjectName(QStringLiteral("FileSave"));
    item(save, "Save1", "Als &Jpg plaatje", [this] { Save_Click(1); });
    item(save, "Save2", "Als &Bmp plaatje", [this] { Save_Click(2); });
    item(save, "Save3", "Als &webpagina", &Main::ExportWebPage);
    item(file, "FileAfdrukken", "&Afdrukken...", &Main::PrintPuzzleDialog, Keys(Key::Print));
    item(file, "FilePuzzelboekje", "Puzzel&boekje...", &Main::FilePuzzelboekje_Click);
    separator(file, "filestreep2");
    item(file, "FileExit", "&Sluiten", &Main::FileExit_Click,
         Keys(Key::Quit, {Key(Qt::CTRL | Qt::Key_Q)}));

    QMenu* edit = menu("Edit", "&Edit");
    ongedaan_ =
        item(edit, "EditOngedaan", "&Ongedaan maken", &Main::EditOngedaan_Click, Keys(Key::Undo));
    opnieuw_ =
        item(edit, "EditOpnieuw", "Opn&ieuw", &Main::EditOpnieuw_Click,
             Keys(Key::Redo, {Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), Key(Qt::CTRL | Qt::Key_Y)}));
    separator(edit, "EditStreep1");
    kandidaten_ = item(edit, "EditKandidaten", "&Kandidaten invullen", &Main::EditKandidaten_Click,
                       {Key(Qt::CTRL | Qt::Key_K)});
    separator(edit, "EditStreep2");
    item(edit, "EditOplosser", "&Puzzel ontwerpen", &Main::EditOplosser_Click);
    QMenu* punten = menu("Punten", "&Score");
    item(punten, "Puntenlijst", "&Scorelijst", &Main::Puntenlijst_Click);
    item(punten, "PuntenStatistiek", "S&tatistieken", &Main::PuntenStatistiek_Click);
    QMenu* tools = menu("Tools", "&Tools");
    item(tools, "ToolsGonfig", "&Instellingen", &Main::ToolsGonfig_Click);
    separator(tools, "ToolsStreep1");
    item(tools, "ToolsPatroonOntwerpen", "&Patroon ontwerpen", &Main::ToolsPatroonOntwerpen_Click);
    QMenu* beeld = menu("Beeld", "&Beeld");
    item(beeld, "BeeldGroter", "&Groter", &Main::BeeldGroter_Click,
         Keys(Key::ZoomIn, {Key(Qt::CTRL | Qt::Key_Equal)}));
    item(beeld, "BeeldKleiner", "&Kleiner", &Main::BeeldKleiner_Click, Keys(Key::ZoomOut));
    item(beeld, "BeeldWareGrootte", "&Ware grootte", &Main::BeeldWareGrootte_Click,
         {Key(Qt::CTRL | Qt::Key_0)});
    QMenu* help = menu("Help", "&Help");
    item(help, "HelpInleiding", "&Inleiding", &Main::HelpInleiding_Click, {Key(Qt::Key_F1)});
    item(help, "HelpUitleg", "&Uitleg programma", &Main::HelpUitleg_Click, {Key(Qt::Key_F2)});
    item(help, "HelpVolgendeStap", "&Volgende stap", &Main::HelpVolgendeStap_Click,
         {Key(Qt::Key_F3)});
    item(help, "HelpHint", "&Hint", [this] { board_.ShowHint(); }, {Key(Qt::Key_H)});
    QAction* solution = item(help, "HelpOplossing", "Op&lossing tonen", [this] {
        if (knoptext_[4]->isEnabled()) {
            ToggleSolution();
        }
    });
    // As the command on the right: only where the settings allow it.
    connect(help, &QMenu::aboutToShow, this,
            [this, solution] { solution->setEnabled(knoptext_[4]->isEnabled()); });
    // For a player who does not see the board: a unit, the numbers a cell can still take, and the
    // time, read aloud.
    separator(help, "HelpStreep2");
    item(help, "HelpLeesRij", "&Rij voorlezen", [this] { SpeakUnit(SpokenUnit::Row); },
         {Key(Qt::Key_R)});
    item(help, "HelpLeesKolom", "&Kolom voorlezen", [this] { SpeakUnit(SpokenUnit::Column); },
         {Key(Qt::Key_K)});
    item(help, "HelpLeesBlok", "&Blok voorlezen", [this] { SpeakUnit(SpokenUnit::Block); },
         {Key(Qt::Key_B)});
    item(help, "HelpLeesKandidaten", "Mogelijke &getallen voorlezen", &Main::SpeakCandidates,
         {Key(Qt::Key_G)});
    item(help, "HelpLeesTijd", "&Tijd voorlezen", &Main::SpeakTime, {Key(Qt::Key_T)});
    // Escape takes the marks of the next step away.
    auto* forget = new QAction(this);
    forget->setObjectName(QStringLiteral("StapVergeten"));
    forget->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(forget, &QAction::triggered, this, &Main::ForgetAdvice);
    addAction(forget);
    separator(help, "HelpStreep1");
    item(help, "HelpSoftware", "&Meer software", &Main::HelpSoftware_Click);

    // F10 opens the first menu, as on the desktops that have no key of their own for it.
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("MenuKey"));
    menuKey->setShortcut(Key(Qt::Key_F10));
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this,
            [bar] { bar->setActiveAction(bar->actions().constFirst()); });
    ShowCommands();
}
