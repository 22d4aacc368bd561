#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include "board_accessibility.h"
#include "client_area.h"
#include "piece_images.h"
#include "status_panels.h"
#include "window_harness.h"

using namespace zorvel;
using namespace zorvel::testing;

namespace {

// Secondary windows that only count what the main window asks of them.
class CountingWindows final : public ui::SecondaryWindows, private DebugLog {
  public:
    DebugLog& Log() override { return *this; }
    void ShowDebugWindow() override { ++debugWindows; }
    void ShowAboutBox() override { ++aboutBoxes; }
    void ShowHelpFile(const QString& fileName) override { helpFiles << fileName; }
    void AppendLine(const std::string& line) override { lines << QString::fromStdString(line); }

    int debugWindows = 0;
    int aboutBoxes = 0;
    QStringList helpFiles;
    QStringList lines;  // of the debug log
};

// Cell (x, y) as a screen reader finds it.
QAccessibleInterface* AccessibleCell(ui::TFormVel& form, int x, int y) {
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&ClientOf(form));
    return board->tableInterface()->cellAt(y - 1, x - 1);
}

// The cells' names of an empty board, row by row.
QStringList EmptyBoardNames() {
    QStringList names;
    for (int y = Board::kFirst; y <= Board::kLast; ++y)
        for (int x = Board::kFirst; x <= Board::kLast; ++x)
            names << QStringLiteral("X:%1 Y:%2 empty").arg(x).arg(y);
    return names;
}

// The names announced to screen readers while it lives.
class AnnouncedNames {
  public:
    AnnouncedNames() {
        ui::InstallBoardEventHandler([this](QAccessibleEvent& event) {
            if (event.type() == QAccessible::NameChanged)
                names << event.accessibleInterface()->text(QAccessible::Name);
        });
    }
    ~AnnouncedNames() { ui::InstallBoardEventHandler({}); }
    QStringList names;
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsIdleWithTheTitleAndMode();
    void clicksMapToCellsTruncatingTowardZero_data();
    void clicksMapToCellsTruncatingTowardZero();
    void screenReadersSeeTheBoardAsATableOfCells();
    void pressOnACellActsAsAClickOnItsCentre_data();
    void pressOnACellActsAsAClickOnItsCentre();
    void cutsTheImageListInSetThenFrameOrder();
    void menuTreeAndItsChoices();
    void menuEnablingFollowsTheGame();
    void clearBoardAlwaysDrawsTheFirstSetsEmptyCell();
    void turnStonePlaysFiveFramesThenStoresTheValue_data();
    void turnStonePlaysFiveFramesThenStoresTheValue();
    void imageSetChangesShowOnlyOnTheNextStone();
    void gameModeSwitchesTheModePanelAtOnce();
    void clearGameDuringAMoveLeavesPictureAndBoardAgreeing();
    void aRepaintShowsTheBoardAsLastDrawn();
    void closeQuestionAnsweredNoKeepsTheProgram();
    void maximisedTheStatusBarSpansTheBottom_data();
    void maximisedTheStatusBarSpansTheBottom();
    void onlyShiftF12ShowsTheDebugWindow_data();
    void onlyShiftF12ShowsTheDebugWindow();
    void theComputerWaitsWhileAMenuIsOpen();
    void theComputerWeighsByTheTableOfCreation();
    void theTimerKeepsItsBeat_data();
    void theTimerKeepsItsBeat();
    void theTimerTicksOnlyWhileTheComputerCanStart_data();
    void theTimerTicksOnlyWhileTheComputerCanStart();
    void withoutPicturesNoGameCanStart();
};

void WindowTest::startsIdleWithTheTitleAndMode() {
    WindowHarness h;
    h.Create();
    const auto& status = StatusBarOf(*h.form);
    QCOMPARE(status.Text(0), QStringLiteral("VELTOR Ver2.0"));
    QCOMPARE(status.Text(1), QString());
    QCOMPARE(status.Text(2), QStringLiteral("1P MODE"));
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Zorblin Veltor"));
    QCOMPARE(ClientOf(*h.form).size(), QSize(340, 360));
    QCOMPARE(TimerOf(*h.form).interval(), 100);
    // Screen readers get the panels' texts.
    const QLabel* title = status.findChild<QLabel*>(QStringLiteral("StatusPanel0"));
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(const_cast<QLabel*>(title));
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("VELTOR Ver2.0"));
    // The sound output gets ready once the window is on the screen, and only once.
    QCOMPARE(h.Sound().prepared, 0);
    h.form->show();
    QTRY_COMPARE(h.Sound().prepared, 1);
    h.form->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(h.Sound().prepared, 1);
}

void WindowTest::clicksMapToCellsTruncatingTowardZero_data() {
    QTest::addColumn<double>("pixel");
    QTest::addColumn<int>("cell");  // 0: not a cell
    const std::pair<double, int> cases[] = {{-31, 0},   {-30, 0}, {-29.9, 1}, {0, 1},    {2, 1},
                                            {3, 1},     {9.9, 1}, {10, 1},    {49.9, 1}, {50, 2},
                                            {329.9, 8}, {330, 0}, {359, 0},   {1000, 0}};
    for (const auto& [pixel, cell] : cases) QTest::addRow("%g px", pixel) << pixel << cell;
}

// The board lies at (10, 10) in cells of 40; the margin before it counts as the first cell.
void WindowTest::clicksMapToCellsTruncatingTowardZero() {
    QFETCH(double, pixel);
    QFETCH(int, cell);
    QCOMPARE(ui::CellFromPixel(pixel, ui::kBoardLeft), cell);
    QCOMPARE(ui::CellFromPixel(pixel, ui::kBoardTop), cell);
}

void WindowTest::screenReadersSeeTheBoardAsATableOfCells() {
    WindowHarness h;
    h.Create();
    h.form->show();
    h.form->StartGameClick();
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&ClientOf(*h.form));
    QCOMPARE(board->role(), QAccessible::Table);
    QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Board"));
    QCOMPARE(board->tableInterface()->rowCount(), 8);
    QCOMPARE(board->tableInterface()->columnCount(), 8);
    QStringList expected = EmptyBoardNames();
    expected[27] = QStringLiteral("X:4 Y:4 YOU (GREEN)");
    expected[28] = QStringLiteral("X:5 Y:4 COM (RED)");
    expected[35] = QStringLiteral("X:4 Y:5 COM (RED)");
    expected[36] = QStringLiteral("X:5 Y:5 YOU (GREEN)");
    QStringList names;
    for (int i = 0; i < 64; ++i) {
        QAccessibleInterface* cell = board->child(i);
        QCOMPARE(board->indexOfChild(cell), i);
        names << cell->text(QAccessible::Name);
    }
    QCOMPARE(names, expected);
    // The status bar follows the cells.
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(&StatusBarOf(*h.form));
    QCOMPARE(board->child(board->indexOfChild(status)), status);
    // Each cell covers its square on the screen, and pointing there finds it.
    const QRect square(ClientOf(*h.form).mapToGlobal(QPoint(170, 90)), QSize(40, 40));
    QCOMPARE(AccessibleCell(*h.form, 5, 3)->rect(), square);
    QCOMPARE(board->childAt(square.right(), square.top()), AccessibleCell(*h.form, 5, 3));
}

void WindowTest::pressOnACellActsAsAClickOnItsCentre_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("duringAMove");
    QTest::addColumn<bool>("played");
    QTest::addColumn<int>("pauses");
    QTest::newRow("a legal cell") << 5 << 3 << false << true << 10;
    QTest::newRow("an illegal cell") << 1 << 1 << false << false << 0;
    // Legal before the move that runs at (5, 3): only that move's own frames are shown.
    QTest::newRow("while a move runs") << 6 << 4 << true << false << 10;
}

void WindowTest::pressOnACellActsAsAClickOnItsCentre() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, duringAMove);
    QFETCH(bool, played);
    QFETCH(int, pauses);
    WindowHarness h;
    h.Create();
    h.form->StartGameClick();
    h.Pacer().pauses.clear();
    QAccessibleActionInterface* action = AccessibleCell(*h.form, x, y)->actionInterface();
    QCOMPARE(action->actionNames(), QStringList{QStringLiteral("Press")});
    const auto press = [&] {
        action->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
    };
    if (duringAMove) {
        h.Pacer().onPause = [&](std::size_t index) {
            if (index == 0) press();
        };
        h.ClickCell(5, 3);
    } else {
        press();
    }
    QCOMPARE(h.Pacer().pauses.size(), std::size_t(pauses));
    QCOMPARE(h.form->Game().board.At(x, y), played ? kSide0 : kEmpty);
    QCOMPARE(h.form->Game().Turn, played || duringAMove ? kSide1 : kSide0);
}

void WindowTest::cutsTheImageListInSetThenFrameOrder() {
    const ui::ImageList images = ui::CutFrames(MakePattern());
    QCOMPARE(images.size(), std::size_t{33});
    for (int set = 0; set < 3; ++set) {
        for (int frame = 0; frame < 11; ++frame) {
            const QImage& image = images[set * 11 + frame];
            QCOMPARE(image.size(), QSize(40, 40));
            QCOMPARE(image.pixel(20, 20), FrameColour(set, frame));
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);  // teal
            QCOMPARE(qAlpha(image.pixel(kTealCorner, 0)), 255);
        }
    }
}

namespace {

// The menus as the user sees them: captions, separators, check marks, help contexts and any
// shortcut, submenus in braces.
QString MenuTree(const QList<QAction*>& actions) {
    QStringList items;
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            items << QStringLiteral("-");
            continue;
        }
        QString item = action->text();
        if (action->isCheckable()) item += action->isChecked() ? " [x]" : " [ ]";
        if (const QVariant context = action->property("helpContext"); context.isValid())
            item += " #" + context.toString();
        if (!action->shortcut().isEmpty()) item += " key " + action->shortcut().toString();
        if (action->menu() != nullptr) item += " {" + MenuTree(action->menu()->actions()) + "}";
        items << item;
    }
    return items.join(QStringLiteral(" | "));
}

QString MenuTree(const ui::TFormVel& form) {
    return MenuTree(form.menuBar()->actions());
}

}  // namespace

void WindowTest::menuTreeAndItsChoices() {
    WindowHarness h;
    h.Create();
    const ui::MainMenu m = MenuOf(*h.form);
    const QString start = QStringLiteral(
        "&Game #3 {&Start Game #13 | &Clear Game #14 | - | E&xit #15} | "
        "&Option #3 {&Game Mode #4 {1P [x] | 2P [ ]} | "
        "&First Attack #5 {GREEN 1P [x] | RED     2P or Com [ ]} | - | "
        "&Sound On [x] #6 | &High Speed [ ] #7 | - | &Image #8 {Nomal [x] | Star [ ] | Onigiri [ "
        "]}} | "
        "&Help #3 {&Help | - | &Version}");
    QCOMPARE(MenuTree(*h.form), start);

    // One of many, chosen twice to show a choice made again stays made.
    for (QAction* item : {m.G2P, m.A2P, m.Ptn1, m.G2P, m.Speed}) item->trigger();
    QString chosen = start;
    chosen.replace("1P [x] | 2P [ ]", "1P [ ] | 2P [x]")
        .replace("1P [x] | RED     2P or Com [ ]", "1P [ ] | RED     2P or Com [x]")
        .replace("Nomal [x] | Star [ ]", "Nomal [ ] | Star [x]")
        .replace("Speed [ ]", "Speed [x]");
    QCOMPARE(MenuTree(*h.form), chosen);
    QCOMPARE(StatusBarOf(*h.form).Text(2), QStringLiteral("2P MODE"));
    QCOMPARE(ImagePatternOf(*h.form), std::uint8_t{1});

    // During a game, a menu opened before it began changes none of the game options.
    m.StartGame->trigger();
    QCOMPARE(h.form->Game().GameState, std::uint8_t{1});
    for (QAction* item : {m.G1P, m.A1P, m.Ptn2}) item->trigger();
    QCOMPARE(MenuTree(*h.form), chosen);
    QCOMPARE(StatusBarOf(*h.form).Text(2), QStringLiteral("2P MODE"));
    QCOMPARE(ImagePatternOf(*h.form), std::uint8_t{1});

    // Version, Help and Clear Game run their own commands.
    CountingWindows windows;
    h.form->AttachSecondaryWindows(&windows);
    m.Version->trigger();
    QCOMPARE(windows.aboutBoxes, 1);
    QVERIFY(windows.helpFiles.isEmpty());
    m.Topic->trigger();
    QCOMPARE(windows.helpFiles, QStringList{QStringLiteral("zorvel.chm")});
    QCOMPARE(windows.aboutBoxes, 1);
    m.ClearGame->trigger();
    QCOMPARE(h.form->Game().GameState, std::uint8_t{0});
}

void WindowTest::menuEnablingFollowsTheGame() {
    WindowHarness h;
    h.Create();
    const ui::MainMenu m = MenuOf(*h.form);
    auto state = [&] {
        return QList<bool>{m.StartGame->isEnabled(),
                           m.ClearGame->isEnabled(),
                           m.GameMode->menuAction()->isEnabled(),
                           m.Attack->menuAction()->isEnabled(),
                           m.Image->menuAction()->isEnabled(),
                           m.Sound->isEnabled(),
                           m.Speed->isEnabled(),
                           m.Exit->isEnabled()};
    };
    emit m.Option->aboutToShow();
    QCOMPARE(state(), (QList<bool>{true, false, true, true, true, true, true, true}));
    h.form->StartGameClick();
    emit m.Game->aboutToShow();
    QCOMPARE(state(), (QList<bool>{false, true, false, false, false, true, true, true}));
}

void WindowTest::clearBoardAlwaysDrawsTheFirstSetsEmptyCell() {
    WindowHarness h;
    h.Create();
    h.form->ImgPtnClick(MenuOf(*h.form).Ptn2);
    h.form->StartGameClick();
    h.form->ClearGameClick();
    for (int y = Board::kFirst; y <= Board::kLast; ++y)
        for (int x = Board::kFirst; x <= Board::kLast; ++x)
            QCOMPARE(CellColour(h.Picture(), x, y), FrameColour(0, 0));
}

void WindowTest::turnStonePlaysFiveFramesThenStoresTheValue_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<bool>("highSpeed");
    QTest::addColumn<bool>("redMoves");
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<QString>("moverName");
    QTest::newRow("Normal, green") << 0 << false << false << true << "YOU (GREEN)";
    QTest::newRow("Star, high speed, green, no sound")
        << 1 << true << false << false << "YOU (GREEN)";
    QTest::newRow("Onigiri, green") << 2 << false << false << true << "YOU (ONIGIRI)";
    QTest::newRow("Normal, red") << 0 << false << true << true << "2P (RED)";
    QTest::newRow("Star, red") << 1 << false << true << true << "2P (RED)";
    QTest::newRow("Onigiri, red") << 2 << false << true << true << "2P (SUSHI)";
}

void WindowTest::turnStonePlaysFiveFramesThenStoresTheValue() {
    QFETCH(int, set);
    QFETCH(bool, highSpeed);
    QFETCH(bool, redMoves);
    QFETCH(bool, soundOn);
    QFETCH(QString, moverName);
    WindowHarness h;
    h.Create();
    const ui::MainMenu m = MenuOf(*h.form);
    h.form->ImgPtnClick(QList<QAction*>{m.Ptn0, m.Ptn1, m.Ptn2}[set]);
    m.Speed->setChecked(highSpeed);
    m.Sound->setChecked(soundOn);
    if (redMoves) {
        h.form->GModeClick(m.G2P);
        h.form->FAttackClick(m.A2P);
    }
    h.form->StartGameClick();
    h.Pacer().pauses.clear();
    h.Sound().played.clear();
    const AnnouncedNames announced;

    // Green takes (5, 3), turning red's (5, 4); red takes (4, 3), turning green's (4, 4). The
    // frames of the placed stone come first, then the captured one's; each stone's sound starts
    // before its first frame.
    const int x = redMoves ? 4 : 5;
    const Cell mover = redMoves ? kSide1 : kSide0;
    struct Seen {
        QRgb colour;
        Cell value;
        std::size_t sounds;
    };
    std::vector<Seen> seen;
    h.Pacer().onPause = [&](std::size_t) {
        const int y = seen.size() < 5 ? 3 : 4;
        seen.push_back({CellColour(h.Picture(), x, y), h.form->Game().board.At(x, y),
                        h.Sound().played.size()});
    };
    h.ClickCell(x, 3);
    const std::array<int, 5> frames =
        redMoves ? std::array{2, 3, 4, 5, 6} : std::array{7, 8, 9, 10, 1};
    QCOMPARE(seen.size(), std::size_t{10});
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(seen[k].colour, FrameColour(set, frames[k]));
        QCOMPARE(seen[k].value, kEmpty);  // the value comes after the last frame
        QCOMPARE(seen[k].sounds, std::size_t{soundOn ? 1u : 0u});
        QCOMPARE(seen[k + 5].colour, FrameColour(set, frames[k]));
        QCOMPARE(seen[k + 5].value, Opponent(mover));
        QCOMPARE(seen[k + 5].sounds, std::size_t{soundOn ? 2u : 0u});
    }
    QCOMPARE(h.Pacer().pauses, std::vector<unsigned>(10, highSpeed ? 50u : 100u));
    QCOMPARE(h.Sound().played,
             std::vector<QString>(soundOn ? 2 : 0, QStringLiteral("ZorTurn0.wav")));
    QCOMPARE(h.form->Game().board.At(x, 4), mover);
    // Screen readers hear of each cell once it shows its new stone.
    QCoreApplication::processEvents();
    const QString prefix = QStringLiteral("X:%1 Y:").arg(x);
    QCOMPARE(announced.names, (QStringList{prefix + "3 " + moverName, prefix + "4 " + moverName}));
}

// Nothing is redrawn when the set changes, and the names follow at the next status update.
void WindowTest::imageSetChangesShowOnlyOnTheNextStone() {
    WindowHarness h;
    h.Create();
    h.form->GModeClick(MenuOf(*h.form).G2P);
    h.form->ImgPtnClick(MenuOf(*h.form).Ptn2);
    QCOMPARE(h.form->Game().Player[0].Name, std::string("1P (GREEN)"));
    QCOMPARE(CellColour(h.Picture(), 4, 4), FrameColour(0, 0));
    h.form->StartGameClick();
    QCOMPARE(CellColour(h.Picture(), 4, 4), FrameColour(2, 1));
    QCOMPARE(StatusBarOf(*h.form).Text(1), QStringLiteral("1P (ONIGIRI)"));
}

void WindowTest::gameModeSwitchesTheModePanelAtOnce() {
    WindowHarness h;
    h.Create();
    h.form->GModeClick(MenuOf(*h.form).G2P);
    QCOMPARE(StatusBarOf(*h.form).Text(2), QStringLiteral("2P MODE"));
    QVERIFY(!MenuOf(*h.form).G1P->isChecked());
    h.form->FAttackClick(MenuOf(*h.form).A2P);
    h.form->StartGameClick();
    QCOMPARE(h.form->Game().Turn, Cell{1});
    QCOMPARE(StatusBarOf(*h.form).Text(1), QStringLiteral("2P (RED)"));
}

void WindowTest::clearGameDuringAMoveLeavesPictureAndBoardAgreeing() {
    WindowHarness h;
    h.Create();
    h.form->StartGameClick();
    h.Pacer().pauses.clear();
    h.Pacer().onPause = [&](std::size_t index) {
        if (index == 6) h.form->ClearGameClick();
    };
    const AnnouncedNames announced;
    h.ClickCell(5, 3);
    QCoreApplication::processEvents();
    const QStringList emptied = EmptyBoardNames();
    QCOMPARE(QSet<QString>(announced.names.begin(), announced.names.end()),
             QSet<QString>(emptied.begin(), emptied.end()));
    QCOMPARE(h.form->Game().GameState, std::uint8_t{0});
    QCOMPARE(h.form->Game().Busy, std::uint8_t{0});
    QCOMPARE(h.Pacer().pauses.size(), std::size_t{7});
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        for (int x = Board::kFirst; x <= Board::kLast; ++x) {
            QCOMPARE(h.form->Game().board.At(x, y), kEmpty);
            QCOMPARE(CellColour(h.Picture(), x, y), FrameColour(0, 0));
        }
    }
}

void WindowTest::aRepaintShowsTheBoardAsLastDrawn() {
    WindowHarness h;
    h.Create();
    h.form->StartGameClick();
    h.Pacer().pauses.clear();
    int compared = 0;
    h.Pacer().onPause = [&](std::size_t index) {
        if (index != 2) return;
        ++compared;
        const QImage shown = ClientOf(*h.form).grab().toImage();
        QCOMPARE(shown.copy(10, 10, 320, 320).convertToFormat(QImage::Format_RGB32),
                 h.Picture().Bitmap()->convertToFormat(QImage::Format_RGB32));
    };
    h.ClickCell(5, 3);
    QCOMPARE(compared, 1);
}

void WindowTest::maximisedTheStatusBarSpansTheBottom_data() {
    QTest::addColumn<bool>("byTitleBar");
    QTest::addRow("by the program") << false;
    // The title bar the program draws on Wayland asks the window system directly, which tells the
    // widget of the new state only once it has sized the window.
    QTest::addRow("by the title bar") << true;
}

void WindowTest::maximisedTheStatusBarSpansTheBottom() {
    QFETCH(bool, byTitleBar);
    if (byTitleBar && QGuiApplication::platformName() != QStringLiteral("wayland"))
        QSKIP("The program draws its own title bar only on Wayland");
    WindowHarness h;
    h.Create();
    QVERIFY(h.form->windowFlags() & Qt::WindowMaximizeButtonHint);
    h.form->show();
    QCOMPARE(h.form->minimumSize(), h.form->maximumSize());  // not resizable by dragging
    QCOMPARE(StatusBarOf(*h.form).geometry(), QRect(0, 341, 340, 19));
    const auto setState = [&](Qt::WindowState state) {
        if (byTitleBar)
            h.form->windowHandle()->setWindowState(state);
        else
            h.form->setWindowState(state);
    };
    setState(Qt::WindowMaximized);
    QVERIFY(QTest::qWaitFor([&] { return h.form->width() > 340 + 100; }));
    QWidget& client = ClientOf(*h.form);
    const auto& status = StatusBarOf(*h.form);
    QCOMPARE(status.geometry(), QRect(0, client.height() - 19, client.width(), 19));
    const auto panel = [&](int i) {
        return status.findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i))->geometry();
    };
    QCOMPARE(panel(0), QRect(0, 0, 118, 19));
    QCOMPARE(panel(1), QRect(120, 0, 118, 19));
    QCOMPARE(panel(2), QRect(240, 0, client.width() - 240, 19));
    const QImage shown = client.grab().toImage();
    QCOMPARE(shown.copy(10, 10, 320, 320).convertToFormat(QImage::Format_RGB32),
             h.Picture().Bitmap()->convertToFormat(QImage::Format_RGB32));
    // A compositor ends the program if the window takes its fixed size before it is restored.
    setState(Qt::WindowNoState);
    QVERIFY(QTest::qWaitFor([&] { return ClientOf(*h.form).size() == QSize(340, 360); }));
    QTRY_COMPARE(h.form->minimumSize(), h.form->maximumSize());
    QCOMPARE(status.geometry(), QRect(0, 341, 340, 19));
}

void WindowTest::closeQuestionAnsweredNoKeepsTheProgram() {
    WindowHarness h;
    h.Create();
    int closed = 0;
    QObject::connect(h.form.get(), &ui::TFormVel::Closed, [&] { ++closed; });
    h.form->show();
    h.answers = {false};
    MenuOf(*h.form).Exit->trigger();
    QVERIFY(h.form->isVisible());
    QCOMPARE(closed, 0);
    QCOMPARE(h.boxes.back().text, QStringLiteral("プログラムを終了します。よろしいですか。"));
    QCOMPARE(h.boxes.back().kind, common::BoxKind::Question);
    h.answers = {true};
    h.form->close();
    QVERIFY(!h.form->isVisible());
    QCOMPARE(closed, 1);
}

void WindowTest::onlyShiftF12ShowsTheDebugWindow_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("buttonHeld");
    QTest::addColumn<int>("shown");
    const int f12 = Qt::Key_F12;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("Shift+F12") << f12 << shift << false << 1;
    QTest::newRow("Shift+F12, a mouse button held") << f12 << shift << true << 0;
    QTest::newRow("F12") << f12 << int(Qt::NoModifier) << false << 0;
    QTest::newRow("Ctrl+Shift+F12") << f12 << int(shift | Qt::ControlModifier) << false << 0;
    QTest::newRow("Alt+Shift+F12") << f12 << int(shift | Qt::AltModifier) << false << 0;
    QTest::newRow("Shift+F11") << int(Qt::Key_F11) << shift << false << 0;
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier) << false << 0;
}

void WindowTest::onlyShiftF12ShowsTheDebugWindow() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, buttonHeld);
    QFETCH(int, shown);
    WindowHarness h;
    h.Create();
    h.form->show();
    CountingWindows windows;
    h.form->AttachSecondaryWindows(&windows);
    const QPoint outsideTheBoard(335, 5);
    if (buttonHeld) QTest::mousePress(&ClientOf(*h.form), Qt::LeftButton, {}, outsideTheBoard);
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
    QApplication::sendEvent(h.form.get(), &press);
    if (buttonHeld) QTest::mouseRelease(&ClientOf(*h.form), Qt::LeftButton, {}, outsideTheBoard);
    QCOMPARE(windows.debugWindows, shown);
}

void WindowTest::theComputerWaitsWhileAMenuIsOpen() {
    WindowHarness h;
    h.Create();
    h.form->show();
    h.form->FAttackClick(MenuOf(*h.form).A2P);
    h.form->StartGameClick();
    MenuOf(*h.form).Game->popup(h.form->mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    h.form->TimerTimer();
    QCOMPARE(h.form->Game().Turn, Cell{1});
    MenuOf(*h.form).Game->close();
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    h.form->TimerTimer();
    QCOMPARE(h.form->Game().Turn, Cell{0});
    QCOMPARE(h.form->Game().board.At(4, 3), Cell{1});
}

// The window's creation fills the computer's weights; its first turn logs the table it weighed by.
void WindowTest::theComputerWeighsByTheTableOfCreation() {
    WindowHarness h;
    h.Create();
    CountingWindows windows;
    h.form->AttachSecondaryWindows(&windows);
    h.form->FAttackClick(MenuOf(*h.form).A2P);
    h.form->StartGameClick();
    h.form->TimerTimer();
    QCOMPARE(h.form->Game().board.At(4, 3), Cell{1});
    QVERIFY2(windows.lines.contains(QStringLiteral("95-15-50-40-40-50-15-95")),
             qPrintable(windows.lines.join(u'\n')));
}

// Woken after any rest, the timer ticks where its 100 ms beat since start-up falls: the computer
// starts as soon after the human's last frame as the always ticking timer let it.
void WindowTest::theTimerKeepsItsBeat_data() {
    QTest::addColumn<qint64>("nowMs");
    QTest::addColumn<qint64>("lastBeat");
    QTest::addColumn<qint64>("nextBeat");
    QTest::newRow("at start-up") << qint64{0} << qint64{-1} << qint64{1};
    QTest::newRow("between beats") << qint64{250} << qint64{-1} << qint64{3};
    QTest::newRow("on a beat") << qint64{300} << qint64{2} << qint64{4};
    QTest::newRow("after a late tick") << qint64{305} << qint64{3} << qint64{4};
    QTest::newRow("after an early tick") << qint64{299} << qint64{3} << qint64{4};
    QTest::newRow("after an hour asleep") << qint64{3'600'050} << qint64{3} << qint64{36'001};
}

void WindowTest::theTimerKeepsItsBeat() {
    QFETCH(qint64, nowMs);
    QFETCH(qint64, lastBeat);
    QFETCH(qint64, nextBeat);
    QCOMPARE(ui::NextBeat(nowMs, lastBeat, 100), nextBeat);
}

void WindowTest::theTimerTicksOnlyWhileTheComputerCanStart_data() {
    QTest::addColumn<bool>("twoPlayers");
    QTest::addColumn<bool>("redFirst");
    QTest::addColumn<bool>("humanMoves");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("boxOpen");
    QTest::addColumn<bool>("computerStarts");
    QTest::newRow("1P, after the human's move") << false << false << true << false << false << true;
    QTest::newRow("1P, RED first") << false << true << false << false << false << true;
    QTest::newRow("1P, RED first, a box open") << false << true << false << false << true << true;
    QTest::newRow("1P, the human to move") << false << false << false << false << false << false;
    QTest::newRow("1P, RED first, cleared") << false << true << false << true << false << false;
    QTest::newRow("2P, after a move") << true << false << true << false << false << false;
    QTest::newRow("2P, RED first") << true << true << false << false << false << false;
}

// The timer sleeps unless its tick could start the computer's turn; then the turn starts on a tick
// by itself, but never while a box is open.
void WindowTest::theTimerTicksOnlyWhileTheComputerCanStart() {
    QFETCH(bool, twoPlayers);
    QFETCH(bool, redFirst);
    QFETCH(bool, humanMoves);
    QFETCH(bool, cleared);
    QFETCH(bool, boxOpen);
    QFETCH(bool, computerStarts);
    WindowHarness h;
    h.Create();
    TimerOf(*h.form).start();
    QVERIFY(!TimerOf(*h.form).isActive());
    if (twoPlayers) h.form->GModeClick(MenuOf(*h.form).G2P);
    if (redFirst) h.form->FAttackClick(MenuOf(*h.form).A2P);
    h.form->StartGameClick();
    if (humanMoves) h.ClickCell(5, 3);
    if (cleared) h.form->ClearGameClick();
    QCOMPARE(TimerOf(*h.form).isActive(), computerStarts);
    if (!computerStarts) return;
    int ticks = 0;
    connect(&TimerOf(*h.form), &ui::BeatTimer::timeout, [&ticks] { ++ticks; });
    if (boxOpen) {
        QDialog box(h.form.get());
        box.setModal(true);
        box.show();
        QTRY_VERIFY(ticks >= 2);
        QCOMPARE(h.form->Game().Turn, Cell{1});
    }
    QTRY_COMPARE(h.form->Game().Turn, Cell{0});
    QVERIFY(!TimerOf(*h.form).isActive());
}

void WindowTest::withoutPicturesNoGameCanStart() {
    WindowHarness h;
    QFile::remove(QStringLiteral("ZorPatn.bmp"));
    try {
        h.Create();
        QFAIL("a missing picture file must fail");
    } catch (const std::runtime_error& error) {
#ifdef Q_OS_WIN
        const QString reason = qt_error_string(2);  // ERROR_FILE_NOT_FOUND, in the system's words
#else
        const QString reason = QStringLiteral("No such file or directory");
#endif
        const QString expected =
            QStringLiteral("ファイル \"%1\" は開けません。%2")
                .arg(QDir::toNativeSeparators(QDir(h.Folder()).filePath("ZorPatn.bmp")), reason);
        QCOMPARE(QString::fromUtf8(error.what()), expected);
    }
    QCOMPARE(StatusBarOf(*h.form).Text(0), QString());
    emit MenuOf(*h.form).Game->aboutToShow();
    QVERIFY(!MenuOf(*h.form).StartGame->isEnabled());
    h.ClickCell(4, 3);
    h.form->TimerTimer();
    QVERIFY(h.Picture().Bitmap() == nullptr);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
