#include "form_vel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <stdexcept>

#include "board_accessibility.h"
#include "board_geometry.h"
#include "client_area.h"
#include "program_font.h"
#include "program_identity.h"
#include "screen_centre.h"
#include "status_panels.h"

namespace zorvel::ui {
namespace {

const QString kCloseQuestion = QStringLiteral("プログラムを終了します。よろしいですか。");
constexpr int kHelpContext = 1;
constexpr int kTimerInterval = 100;  // ms between the game's ticks

// The program's other windows go with the main window: the debug and help windows, and an about
// box still open, whose modal loop then ends as it would by its close box.
void CloseOtherWindows(const QWidget* mainWindow) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != mainWindow && window->isVisible()) window->close();
    }
}

// Only a choice the menu offers counts, so the game options change only between games; the
// options are then read from the check marks.
bool Choose(QAction* item) {
    if (!item->actionGroup()->isEnabled()) return false;
    item->setChecked(true);
    return true;
}

}  // namespace

TFormVel::TFormVel(std::unique_ptr<BoardPicture> picture, std::unique_ptr<Pacer> pacer,
                   std::unique_ptr<sound::SoundOutput> sound, const MessageBoxesFor& boxesFor)
    : picture_(std::move(picture)),
      pacer_(std::move(pacer)),
      sound_(std::move(sound)),
      boxes_(boxesFor(this)) {
    setObjectName(QStringLiteral("FormVel"));
    setWindowTitle(QString::fromUtf8(common::kProgramName));
    setFont(common::ProgramFont());
    setProperty("helpContext", kHelpContext);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);

    menu_ = BuildMainMenu(menuBar());
    InstallBoardAccessibility();
    client_ = new ClientArea(
        this, [this] { return picture_->Bitmap(); },
        [this](QPointF position) { FormMouseDown(position); });
    client_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client_);
    client_->setMinimumSize(kClientWidth, kClientHeight);
    statusBar_ = new StatusPanels(client_);
    view_ = std::make_unique<BoardView>(BoardView::Parts{.picture = *picture_,
                                                         .client = *client_,
                                                         .statusBar = *statusBar_,
                                                         .options = options_,
                                                         .pacer = *pacer_,
                                                         .sound = *sound_,
                                                         .boxes = *boxes_},
                                        [this] { OfferMenuItems(); });
    flow_ = std::make_unique<GameFlow>(*view_, options_, log_);
    FollowWindowState();

    ConnectMenu();
    timer_ = new BeatTimer(kTimerInterval, this);
    timer_->setObjectName(QStringLiteral("Timer"));
    connect(timer_, &BeatTimer::timeout, this, &TFormVel::TimerTimer);
}

TFormVel::~TFormVel() = default;

void TFormVel::AttachSecondaryWindows(SecondaryWindows* windows) {
    windows_ = windows;
    log_.Attach(windows != nullptr ? &windows->Log() : nullptr);
}

void TFormVel::ConnectMenu() {
    connect(menu_.Game, &QMenu::aboutToShow, this, &TFormVel::MenuClick);
    connect(menu_.Option, &QMenu::aboutToShow, this, &TFormVel::MenuClick);
    connect(menu_.StartGame, &QAction::triggered, this, &TFormVel::StartGameClick);
    connect(menu_.ClearGame, &QAction::triggered, this, &TFormVel::ClearGameClick);
    connect(menu_.Exit, &QAction::triggered, this, &TFormVel::ExitClick);
    // A choice checks its item, which unchecks the others of its group, before the handler runs;
    // the groups are disabled while a game runs, so a menu opened before it cannot change them.
    connect(menu_.GameModes, &QActionGroup::triggered, this, &TFormVel::GModeClick);
    connect(menu_.Attacks, &QActionGroup::triggered, this, &TFormVel::FAttackClick);
    connect(menu_.ImagePatterns, &QActionGroup::triggered, this, &TFormVel::ImgPtnClick);
    // Sound On and High Speed are plain check items: the menu toggles the mark, and the next
    // sound or frame reads it.
    connect(menu_.Topic, &QAction::triggered, this, &TFormVel::TopicClick);
    connect(menu_.Version, &QAction::triggered, this, &TFormVel::VersionClick);
}

void TFormVel::FormCreate() {
    flow_->Computer().InitWeights();
    // On a high-resolution screen the board is drawn in screen pixels from the 2x frames.
    const qreal ratio = devicePixelRatioF();
    PieceImages images = LoadPieceImagesFor(kPatternFile, ratio);
    picture_->Create(std::move(images.frames), images.highResolution ? ratio : 1.0);
    flow_->StartUp();
    // A broken 2x file is reported like the pattern file, once the game is ready without it.
    if (!images.twinError.empty()) throw std::runtime_error(images.twinError);
}

void TFormVel::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The title bar's maximise button asks the window system directly: the widget would hear of
    // the new state only once the window has been sized, too late to lift the size limit.
    connect(windowHandle(), &QWindow::windowStateChanged, this, &TFormVel::FollowWindowState,
            Qt::UniqueConnection);
    if (centred_) return;
    centred_ = true;
    common::CentreFrameOnScreen(*this);
}

// The sound output gets ready as soon as the window has been painted: its libraries do not delay
// the window, and the first click of the first game is not late.
void TFormVel::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (soundPrepared_) return;
    soundPrepared_ = true;
    QTimer::singleShot(0, this, [this] { sound_->Prepare(); });
}

// Not resizable by dragging: a normal window keeps the size of its menu bar and client area. A
// maximised or full-screen one takes the size the window system gives it, with the board at the
// top left and the status bar along the bottom edge; so does one a window manager sizes itself.
void TFormVel::FollowWindowState() {
    const Qt::WindowStates asked = windowHandle() ? windowHandle()->windowStates() : windowState();
    if ((windowState() | asked) & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else if (!isVisible() || size() == sizeHint()) {
        // Restored, the window is fixed only once the window system has given it back its own
        // size: a Wayland compositor ends a program whose window changes size before that.
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

void TFormVel::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) FollowWindowState();
}

void TFormVel::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    statusBar_->setGeometry(0, client_->height() - StatusPanels::kHeight, client_->width(),
                            StatusPanels::kHeight);
    FollowWindowState();
}

void TFormVel::StartGameClick() {
    flow_->StartGameClick();
    FollowComputerTurn();
}

void TFormVel::ClearGameClick() {
    flow_->ClearGameClick();
    FollowComputerTurn();
}

void TFormVel::ExitClick() {
    close();
}

void TFormVel::MenuClick() {
    OfferMenuItems();
}

// Start Game and the game options between games, Clear Game during one. Without pictures there
// is nothing to play on, so no game can be started.
void TFormVel::OfferMenuItems() {
    const bool gameRuns = Game().GameState != 0;
    menu_.StartGame->setEnabled(!gameRuns && picture_->Ready());
    menu_.ClearGame->setEnabled(gameRuns);
    for (QMenu* options : {menu_.GameMode, menu_.Attack, menu_.Image})
        options->menuAction()->setEnabled(!gameRuns);
    for (QActionGroup* choice : {menu_.GameModes, menu_.Attacks, menu_.ImagePatterns})
        choice->setEnabled(!gameRuns);
}

void TFormVel::GModeClick(QAction* item) {
    if (Choose(item)) flow_->UpdateStatus();
}

void TFormVel::FAttackClick(QAction* item) {
    Choose(item);
}

void TFormVel::ImgPtnClick(QAction* item) {
    Choose(item);
}

void TFormVel::TopicClick() {
    if (windows_ != nullptr) windows_->ShowHelpFile(QStringLiteral("zorvel.chm"));
}

void TFormVel::VersionClick() {
    if (windows_ != nullptr) windows_->ShowAboutBox();
}

void TFormVel::FormMouseDown(QPointF position) {
    flow_->HumanMove(CellFromPixel(position.x(), kBoardLeft),
                     CellFromPixel(position.y(), kBoardTop));
    FollowComputerTurn();
}

void TFormVel::TimerTimer() {
    // The computer waits while a box or a menu is open, so that what the user confirms there
    // still meets the board they saw.
    if (QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr)
        return;
    flow_->TimerTimer();
    FollowComputerTurn();
}

// Only the game's commands change whose turn it is, and each of them ends here: even one run inside
// another's wait, so the last to end leaves the timer as the game stands.
void TFormVel::FollowComputerTurn() {
    timer_->SetWanted(flow_->ComputerToMove());
}

void TFormVel::closeEvent(QCloseEvent* event) {
    if (!boxes_->AskQuestion(kCloseQuestion)) {
        event->ignore();
        return;
    }
    flow_->AbandonRunningMoves();
    timer_->stop();
    event->accept();
    CloseOtherWindows(this);
    emit Closed();
}

void TFormVel::keyPressEvent(QKeyEvent* event) {
    const bool onlyShift =
        event->modifiers() == Qt::ShiftModifier && QApplication::mouseButtons() == Qt::NoButton;
    if (event->key() == Qt::Key_F12 && onlyShift && windows_ != nullptr)
        windows_->ShowDebugWindow();
    QMainWindow::keyPressEvent(event);  // the key is not consumed
}

}  // namespace zorvel::ui
