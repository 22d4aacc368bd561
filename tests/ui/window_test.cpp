#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "client_area.h"
#include "piece_images.h"
#include "status_panels.h"
#include "window_harness.h"

using namespace zorvel;
using namespace zorvel::testing;

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsIdleWithTheTitleAndMode();
    void clicksMapToCellsTruncatingTowardZero_data();
    void clicksMapToCellsTruncatingTowardZero();
    void cutsTheImageListInSetThenFrameOrder();
    void menuCaptionsAndCheckMarks_data();
    void menuCaptionsAndCheckMarks();
    void menuEnablingFollowsTheGame();
    void clearBoardAlwaysDrawsTheFirstSetsEmptyCell();
    void turnStonePlaysFiveFramesThenStoresTheValue_data();
    void turnStonePlaysFiveFramesThenStoresTheValue();
    void imageSetChangesShowOnlyOnTheNextStone();
    void gameModeSwitchesTheModePanelAtOnce();
    void clearGameDuringAMoveLeavesPictureAndBoardAgreeing();
    void aRepaintShowsTheBoardAsLastDrawn();
    void closeQuestionAnsweredNoKeepsTheProgram();
    void onlyShiftF12ShowsTheDebugWindow_data();
    void onlyShiftF12ShowsTheDebugWindow();
    void theComputerWaitsWhileAMenuIsOpen();
    void withoutPicturesNoGameCanStart();
};

void WindowTest::startsIdleWithTheTitleAndMode() {
    WindowHarness h;
    h.Create();
    const auto& status = h.form->StatusBar();
    QCOMPARE(status.Text(0), QStringLiteral("VELTOR Ver2.0"));
    QCOMPARE(status.Text(1), QString());
    QCOMPARE(status.Text(2), QStringLiteral("1P MODE"));
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Zorblin Veltor"));
    QCOMPARE(h.form->Client().size(), QSize(340, 360));
    QCOMPARE(status.geometry(), QRect(0, 341, 340, 19));
    QCOMPARE(h.form->Timer().interval(), 100);
    // Screen readers get the panels' texts.
    const QLabel* title = status.findChild<QLabel*>(QStringLiteral("StatusPanel0"));
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(const_cast<QLabel*>(title));
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("VELTOR Ver2.0"));
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
    QCOMPARE(ui::CellFromPixel(pixel, ui::ClientArea::kBoardLeft), cell);
    QCOMPARE(ui::CellFromPixel(pixel, ui::ClientArea::kBoardTop), cell);
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

void WindowTest::menuCaptionsAndCheckMarks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("checked");
    const struct {
        const char* name;
        const char* caption;
        bool checked;
    } items[] = {
        {"StartGame", "&Start Game", false},
        {"ClearGame", "&Clear Game", false},
        {"Exit", "E&xit", false},
        {"GameMode", "&Game Mode", false},
        {"G1P", "1P", true},
        {"G2P", "2P", false},
        {"Attack", "&First Attack", false},
        {"A1P", "GREEN 1P", true},
        {"A2P", "RED     2P or Com", false},
        {"Sound", "&Sound On", true},
        {"Speed", "&High Speed", false},
        {"Image", "&Image", false},
        {"Ptn0", "Nomal", true},
        {"Ptn1", "Star", false},
        {"Ptn2", "Onigiri", false},
        {"Topic", "&Help", false},
        {"Version", "&Version", false},
    };
    for (const auto& item : items)
        QTest::newRow(item.name) << item.name << QString::fromUtf8(item.caption) << item.checked;
}

void WindowTest::menuCaptionsAndCheckMarks() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, checked);
    WindowHarness h;
    const QList<QAction*> found = h.form->findChildren<QAction*>(name);
    QVERIFY(!found.isEmpty());
    QCOMPARE(found.first()->text(), caption);
    QCOMPARE(found.first()->isChecked(), checked);
    QVERIFY(found.first()->shortcut().isEmpty());
}

void WindowTest::menuEnablingFollowsTheGame() {
    WindowHarness h;
    h.Create();
    const ui::MainMenu& m = h.form->Menu();
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
    h.form->ImgPtnClick(h.form->Menu().Ptn2);
    h.form->StartGameClick();
    h.form->ClearGameClick();
    for (int y = 1; y <= 8; ++y)
        for (int x = 1; x <= 8; ++x) QCOMPARE(CellColour(*h.form, x, y), FrameColour(0, 0));
}

void WindowTest::turnStonePlaysFiveFramesThenStoresTheValue_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<bool>("highSpeed");
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("Normal") << 0 << false << true;
    QTest::newRow("Star, high speed, no sound") << 1 << true << false;
    QTest::newRow("Onigiri") << 2 << false << true;
}

void WindowTest::turnStonePlaysFiveFramesThenStoresTheValue() {
    QFETCH(int, set);
    QFETCH(bool, highSpeed);
    QFETCH(bool, soundOn);
    WindowHarness h;
    h.Create();
    const ui::MainMenu& m = h.form->Menu();
    h.form->ImgPtnClick(QList<QAction*>{m.Ptn0, m.Ptn1, m.Ptn2}[set]);
    m.Speed->setChecked(highSpeed);
    m.Sound->setChecked(soundOn);
    h.form->StartGameClick();
    h.Pacer().pauses.clear();
    h.Sound().played.clear();

    // Green takes (5, 3), turning red's (5, 4): frames of the placed stone, then the captured one.
    std::vector<std::pair<QRgb, Cell>> seen;
    h.Pacer().onPause = [&](std::size_t) {
        seen.emplace_back(CellColour(*h.form, 5, seen.size() < 5 ? 3 : 4),
                          h.form->Game().board.At(5, seen.size() < 5 ? 3 : 4));
    };
    h.ClickCell(5, 3);
    const int toGreen[] = {7, 8, 9, 10, 1};
    QCOMPARE(seen.size(), std::size_t{10});
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(seen[k].first, FrameColour(set, toGreen[k]));
        QCOMPARE(seen[k].second, kEmpty);  // the value comes after the last frame
        QCOMPARE(seen[k + 5].first, FrameColour(set, toGreen[k]));
        QCOMPARE(seen[k + 5].second, kSide1);
    }
    QCOMPARE(h.Pacer().pauses, std::vector<unsigned>(10, highSpeed ? 50u : 100u));
    QCOMPARE(h.Sound().played,
             std::vector<QString>(soundOn ? 2 : 0, QStringLiteral("ZorTurn0.wav")));
    QCOMPARE(h.form->Game().board.At(5, 4), kSide0);
}

void WindowTest::imageSetChangesShowOnlyOnTheNextStone() {
    WindowHarness h;
    h.Create();
    h.form->GModeClick(h.form->Menu().G2P);
    h.form->StartGameClick();
    h.form->ImgPtnClick(h.form->Menu().Ptn2);
    QCOMPARE(h.form->StatusBar().Text(1), QStringLiteral("1P (GREEN)"));
    QCOMPARE(CellColour(*h.form, 4, 4), FrameColour(0, 1));
    h.ClickCell(5, 3);
    QCOMPARE(CellColour(*h.form, 4, 4), FrameColour(0, 1));  // not redrawn
    QCOMPARE(CellColour(*h.form, 5, 3), FrameColour(2, 1));
    QCOMPARE(h.form->StatusBar().Text(1), QStringLiteral("2P (SUSHI)"));
}

void WindowTest::gameModeSwitchesTheModePanelAtOnce() {
    WindowHarness h;
    h.Create();
    h.form->GModeClick(h.form->Menu().G2P);
    QCOMPARE(h.form->StatusBar().Text(2), QStringLiteral("2P MODE"));
    QVERIFY(!h.form->Menu().G1P->isChecked());
    h.form->FAttackClick(h.form->Menu().A2P);
    h.form->StartGameClick();
    QCOMPARE(h.form->Game().Turn, Cell{1});
    QCOMPARE(h.form->StatusBar().Text(1), QStringLiteral("2P (RED)"));
}

void WindowTest::clearGameDuringAMoveLeavesPictureAndBoardAgreeing() {
    WindowHarness h;
    h.Create();
    h.form->StartGameClick();
    h.Pacer().pauses.clear();
    h.Pacer().onPause = [&](std::size_t index) {
        if (index == 6) h.form->ClearGameClick();
    };
    h.ClickCell(5, 3);
    QCOMPARE(h.form->Game().GameState, std::uint8_t{0});
    QCOMPARE(h.form->Game().Busy, std::uint8_t{0});
    QCOMPARE(h.Pacer().pauses.size(), std::size_t{7});
    for (int y = 1; y <= 8; ++y) {
        for (int x = 1; x <= 8; ++x) {
            QCOMPARE(h.form->Game().board.At(x, y), kEmpty);
            QCOMPARE(CellColour(*h.form, x, y), FrameColour(0, 0));
        }
    }
}

void WindowTest::aRepaintShowsTheBoardAsLastDrawn() {
    WindowHarness h;
    h.Create();
    h.form->StartGameClick();
    h.Pacer().onPause = [&](std::size_t index) {
        if (index != 2) return;
        const QImage shown = h.form->Client().grab().toImage();
        QCOMPARE(shown.copy(10, 10, 320, 320).convertToFormat(QImage::Format_RGB32),
                 h.form->Picture().Bitmap()->convertToFormat(QImage::Format_RGB32));
    };
    h.ClickCell(5, 3);
}

void WindowTest::closeQuestionAnsweredNoKeepsTheProgram() {
    WindowHarness h;
    h.Create();
    int closed = 0;
    QObject::connect(h.form.get(), &ui::TFormVel::Closed, [&] { ++closed; });
    h.form->show();
    h.answers = {false};
    h.form->Menu().Exit->trigger();
    QVERIFY(h.form->isVisible());
    QCOMPARE(closed, 0);
    QCOMPARE(h.boxes.back().text, QStringLiteral("プログラムを終了します。よろしいですか。"));
    QCOMPARE(h.boxes.back().kind, ui::BoxKind::Question);
    h.answers = {true};
    h.form->close();
    QVERIFY(!h.form->isVisible());
    QCOMPARE(closed, 1);
}

void WindowTest::onlyShiftF12ShowsTheDebugWindow_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("shown");
    QTest::newRow("Shift+F12") << int(Qt::Key_F12) << int(Qt::ShiftModifier) << 1;
    QTest::newRow("F12") << int(Qt::Key_F12) << int(Qt::NoModifier) << 0;
    QTest::newRow("Ctrl+Shift+F12")
        << int(Qt::Key_F12) << int(Qt::ShiftModifier | Qt::ControlModifier) << 0;
    QTest::newRow("Alt+Shift+F12")
        << int(Qt::Key_F12) << int(Qt::ShiftModifier | Qt::AltModifier) << 0;
    QTest::newRow("Shift+F11") << int(Qt::Key_F11) << int(Qt::ShiftModifier) << 0;
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier) << 0;
}

void WindowTest::onlyShiftF12ShowsTheDebugWindow() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, shown);
    WindowHarness h;
    h.Create();
    int showCount = 0;
    h.form->AttachSecondaryWindows({nullptr, [&] { ++showCount; }, nullptr});
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
    QApplication::sendEvent(h.form.get(), &press);
    QCOMPARE(showCount, shown);
}

void WindowTest::theComputerWaitsWhileAMenuIsOpen() {
    WindowHarness h;
    h.Create();
    h.form->show();
    h.form->FAttackClick(h.form->Menu().A2P);
    h.form->StartGameClick();
    h.form->Menu().Game->popup(h.form->mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    h.form->TimerTimer();
    QCOMPARE(h.form->Game().Turn, Cell{1});
    h.form->Menu().Game->close();
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    h.form->TimerTimer();
    QCOMPARE(h.form->Game().Turn, Cell{0});
    QCOMPARE(h.form->Game().board.At(4, 3), Cell{1});
}

void WindowTest::withoutPicturesNoGameCanStart() {
    WindowHarness h;
    QFile::remove(QStringLiteral("ZorPatn.bmp"));
    try {
        h.Create();
        QFAIL("a missing picture file must fail");
    } catch (const std::runtime_error& error) {
        const QString expected =
            QStringLiteral("ファイル \"%1\" は開けません。No such file or directory")
                .arg(QDir(h.Folder()).filePath(QStringLiteral("ZorPatn.bmp")));
        QCOMPARE(QString::fromUtf8(error.what()), expected);
    }
    QCOMPARE(h.form->StatusBar().Text(0), QString());
    emit h.form->Menu().Game->aboutToShow();
    QVERIFY(!h.form->Menu().StartGame->isEnabled());
    h.ClickCell(4, 3);
    h.form->TimerTimer();
    QVERIFY(h.form->Picture().Bitmap() == nullptr);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
