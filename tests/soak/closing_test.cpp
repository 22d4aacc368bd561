// Closing the program with Yes at awkward moments, with the real event loop and pacing, wired as
// the program's start-up wires it: it ends at once, and no box comes after the main window. And
// where the secondary windows and boxes of that wiring appear, and whose they are.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "../placement_skip.h"
#include "chm_help.h"
#include "form_vel.h"
#include "help_window.h"
#include "message_boxes.h"
#include "program_windows.h"
#include "window_harness.h"

using namespace zorvel;

namespace {

constexpr int kHung = 2;
constexpr std::chrono::seconds kWatchdog{60};

// Hands every sound started to the test, so it can act at a known point of a move.
class CuedSound : public sound::SoundOutput {
  public:
    void Play(sound::Sound sound) override { onPlay(sound::FileOf(sound)); }
    std::function<void(const QString&)> onPlay;
};

// The main window with its debug window and about box, in a folder holding a pattern file.
class Program {
  public:
    // With `realBoxes` the main window shows the desktop's boxes; else they are answered Yes.
    explicit Program(bool realBoxes = false) : previousDir_(QDir::currentPath()) {
        QDir::setCurrent(folder_.path());
        testing::MakePattern().save(QStringLiteral("ZorPatn.bmp"), "BMP");
        auto sound = std::make_unique<CuedSound>();
        sound_ = sound.get();
        auto boxes = std::make_unique<testing::AnsweringBoxes>();
        boxes->answer = [this](common::BoxKind, const QString&) {
            boxesAfterClosing += closedSignals;
            return true;
        };
        form = std::make_unique<ui::TFormVel>(
            std::make_unique<ui::BoardPicture>(), std::make_unique<ui::EventLoopPacer>(),
            std::move(sound), [&](QWidget* owner) -> std::unique_ptr<common::MessageBoxes> {
                if (realBoxes) return std::make_unique<common::DesktopMessageBoxes>(owner);
                return std::move(boxes);
            });
        form->FormCreate();
        windows = std::make_unique<ProgramWindows>(*form);
        QObject::connect(form.get(), &ui::TFormVel::Closed, [this] {
            ++closedSignals;
            QCoreApplication::exit(0);
        });
        sound_->onPlay = [this](const QString& fileName) {
            soundsAfterClosing += closedSignals;
            if (onSound) onSound(fileName);
        };
        testing::MenuOf(*form).Speed->setChecked(true);
        form->show();
    }
    ~Program() { QDir::setCurrent(previousDir_); }

    // Runs the event loop from `start` until the program ends; the result is the exit code.
    int Run(const std::function<void()>& start) {
        QTimer::singleShot(0, form.get(), start);
        QTimer::singleShot(kWatchdog, form.get(), [] { QCoreApplication::exit(kHung); });
        return QApplication::exec();
    }
    // Closes the main window as soon as the event loop runs again.
    void CloseSoon() {
        QTimer::singleShot(0, form.get(), [this] { form->close(); });
    }

    std::unique_ptr<ui::TFormVel> form;
    std::unique_ptr<ProgramWindows> windows;
    std::function<void(const QString&)> onSound;
    int closedSignals = 0;
    int boxesAfterClosing = 0;
    int soundsAfterClosing = 0;

  private:
    QString previousDir_;
    QTemporaryDir folder_;
    CuedSound* sound_ = nullptr;
};

using Opener = std::function<void(Program&)>;

void PressShiftF12(Program& program) {
    QKeyEvent shiftF12(QEvent::KeyPress, Qt::Key_F12, Qt::ShiftModifier);
    QApplication::sendEvent(program.form.get(), &shiftF12);
}

// The one window of the program shown besides the main window.
QWidget* SecondaryWindowShown(const Program& program) {
    QWidget* shown = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window != program.form.get()) {
            if (shown) return nullptr;
            shown = window;
        }
    }
    return shown;
}

int Stones(const GameData& game) {
    int stones = 0;
    for (int y = Board::kFirst; y <= Board::kLast; ++y)
        for (int x = Board::kFirst; x <= Board::kLast; ++x)
            stones += game.board.At(x, y) != kEmpty ? 1 : 0;
    return stones;
}

}  // namespace

Q_DECLARE_METATYPE(Opener)

class ClosingTest : public QObject {
    Q_OBJECT

  private slots:
    void duringTheOpeningAnimation();
    void duringTheComputersWait();
    void withTheAboutBoxOpen();
    void withTheDebugWindowOpen();
    void secondaryWindowsStayWithTheMainWindow_data();
    void secondaryWindowsStayWithTheMainWindow();
    void helpOpensItsWindowOwnedByTheMainWindow();
};

void ClosingTest::duringTheOpeningAnimation() {
    Program program;
    int stones = 0;
    program.onSound = [&](const QString&) {
        if (++stones == 2) program.CloseSoon();  // while the second stone turns
    };
    QCOMPARE(program.Run([&] { testing::MenuOf(*program.form).StartGame->trigger(); }), 0);
    QCOMPARE(program.closedSignals, 1);
    QCOMPARE(program.soundsAfterClosing, 0);
    QCOMPARE(program.boxesAfterClosing, 0);
    QCOMPARE(program.form->Game().GameState, 0);
    QVERIFY(!program.form->isVisible());
}

void ClosingTest::duringTheComputersWait() {
    Program program;
    program.form->FAttackClick(testing::MenuOf(*program.form).A2P);
    program.onSound = [&](const QString& fileName) {
        if (fileName == sound::kComputerSound) program.CloseSoon();
    };
    QCOMPARE(program.Run([&] { testing::MenuOf(*program.form).StartGame->trigger(); }), 0);
    QCOMPARE(program.closedSignals, 1);
    QCOMPARE(program.soundsAfterClosing, 0);
    QCOMPARE(program.boxesAfterClosing, 0);
    QCOMPARE(Stones(program.form->Game()), 4);  // the computer's stone never came
    QVERIFY(!program.form->isVisible());
}

void ClosingTest::withTheAboutBoxOpen() {
    Program program;
    QCOMPARE(program.Run([&] {
        program.CloseSoon();
        testing::MenuOf(*program.form).Version->trigger();
    }),
             0);
    QCOMPARE(program.closedSignals, 1);
    QCOMPARE(program.boxesAfterClosing, 0);
    QVERIFY(!program.form->isVisible());
    QVERIFY(!program.windows->about.isVisible());
}

void ClosingTest::withTheDebugWindowOpen() {
    Program program;
    QCOMPARE(program.Run([&] {
        QKeyEvent shiftF12(QEvent::KeyPress, Qt::Key_F12, Qt::ShiftModifier);
        QApplication::sendEvent(program.form.get(), &shiftF12);
        QVERIFY(program.windows->debug.isVisible());
        program.form->close();
    }),
             0);
    QCOMPARE(program.closedSignals, 1);
    QCOMPARE(program.boxesAfterClosing, 0);
    QVERIFY(!program.form->isVisible());
    QVERIFY(!program.windows->debug.isVisible());
}

void ClosingTest::secondaryWindowsStayWithTheMainWindow_data() {
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QPoint>("frameAt");  // null: centred on the screen

    QTest::newRow("debug window") << Opener(PressShiftF12) << QPoint(577, 109);
    QTest::newRow("about box") << Opener([](Program& p) {
        testing::MenuOf(*p.form).Version->trigger();
    }) << QPoint();
    QTest::newRow("question box") << Opener([](Program& p) {
        testing::MenuOf(*p.form).StartGame->trigger();
    }) << QPoint();
    QTest::newRow("information box") << Opener([](Program& p) {
        common::DesktopMessageBoxes(p.form.get()).ShowInformation(QStringLiteral("情報"));
    }) << QPoint();
    // The error handler's boxes have no owner of their own.
    QTest::newRow("error box") << Opener([](Program&) {
        common::DesktopMessageBoxes().ShowError(QStringLiteral("!"));
    }) << QPoint();
}

void ClosingTest::secondaryWindowsStayWithTheMainWindow() {
    QFETCH(Opener, open);
    QFETCH(QPoint, frameAt);
    Program program(true);
    QVERIFY(QTest::qWaitForWindowExposed(program.form.get()));

    const QWindow* owner = nullptr;
    QRect frame;
    const QPoint screenCentre = program.form->screen()->geometry().center();
    auto centred = [&](const QRect& rect) {
        return (rect.center() - screenCentre).manhattanLength() <= 2;
    };
    auto placed = [&](const QRect& rect) {
        return frameAt.isNull() ? centred(rect) : rect.topLeft() == frameAt;
    };
    // Boxes block until closed, so the window is looked at from the event loop.
    QTimer::singleShot(0, program.form.get(), [&] {
        QWidget* window = SecondaryWindowShown(program);
        if (!window) return;
        // Until the window manager is done with it.
        static_cast<void>(QTest::qWaitFor([&] { return placed(window->frameGeometry()); }));
        owner = window->windowHandle()->transientParent();
        frame = window->frameGeometry();
        window->close();
    });
    open(program);
    QTRY_VERIFY(owner != nullptr);
    QCOMPARE(owner, program.form->windowHandle());

    SKIP_PLACEMENT_ON_WAYLAND();
    QVERIFY2(centred(program.form->frameGeometry()), "the main window is not centred");
    QVERIFY2(placed(frame), qPrintable(QStringLiteral("the frame lies at (%1, %2) %3 x %4")
                                           .arg(frame.x())
                                           .arg(frame.y())
                                           .arg(frame.width())
                                           .arg(frame.height())));
}

void ClosingTest::helpOpensItsWindowOwnedByTheMainWindow() {
    Program program;
    help::LoadHelpLibrary();
    QVERIFY2(help::HelpAvailable(), "the help reader library is missing");
    QVERIFY(program.form->findChild<help::HelpWindow*>() == nullptr);
    testing::MenuOf(*program.form).Topic->trigger();
    const auto* window = program.form->findChild<help::HelpWindow*>();
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    help::UnloadHelpLibrary();
}

QTEST_MAIN(ClosingTest)
#include "closing_test.moc"
