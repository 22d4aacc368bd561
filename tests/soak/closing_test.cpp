// Closing the program with Yes at awkward moments, with the real event loop and pacing, wired as
// the program's start-up wires it: it ends at once, and no box comes after the main window.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "about_box.h"
#include "form_debug.h"
#include "form_vel.h"
#include "message_boxes.h"
#include "window_harness.h"

using namespace zorvel;

namespace {

constexpr int kHung = 2;
constexpr std::chrono::seconds kWatchdog{60};

// Hands every sound started to the test, so it can act at a known point of a move.
class CuedSound : public ui::SoundOutput {
  public:
    void Play(const QString& fileName) override { onPlay(fileName); }
    std::function<void(const QString&)> onPlay;
};

// The main window with its debug window and about box, in a folder holding a pattern file.
class Program {
  public:
    Program() : previousDir_(QDir::currentPath()) {
        QDir::setCurrent(folder_.path());
        testing::MakePattern().save(QStringLiteral("ZorPatn.bmp"), "BMP");
        auto sound = std::make_unique<CuedSound>();
        sound_ = sound.get();
        form = std::make_unique<ui::TFormVel>(std::make_unique<ui::EventLoopPacer>(),
                                              std::move(sound));
        form->FormCreate();
        form->AttachSecondaryWindows(
            {&debug, [this] { debug.ShowOrRaise(); }, [this] { about.exec(); }});
        QObject::connect(form.get(), &ui::TFormVel::Closed, [this] {
            ++closedSignals;
            QCoreApplication::exit(0);
        });
        ui::SetBoxAnswerer([this](ui::BoxKind, const QString&) {
            boxesAfterClosing += closedSignals;
            return true;
        });
        sound_->onPlay = [this](const QString& fileName) {
            soundsAfterClosing += closedSignals;
            if (onSound) onSound(fileName);
        };
        form->Menu().Speed->setChecked(true);
        form->show();
    }
    ~Program() {
        ui::SetBoxAnswerer(nullptr);
        QDir::setCurrent(previousDir_);
    }

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
    TFormDebug debug;
    TAboutBox about;
    std::function<void(const QString&)> onSound;
    int closedSignals = 0;
    int boxesAfterClosing = 0;
    int soundsAfterClosing = 0;

  private:
    QString previousDir_;
    QTemporaryDir folder_;
    CuedSound* sound_ = nullptr;
};

int Stones(const GameData& game) {
    int stones = 0;
    for (int y = 1; y <= 8; ++y)
        for (int x = 1; x <= 8; ++x) stones += game.board.At(x, y) != kEmpty ? 1 : 0;
    return stones;
}

}  // namespace

class ClosingTest : public QObject {
    Q_OBJECT

  private slots:
    void duringTheOpeningAnimation();
    void duringTheComputersWait();
    void withTheAboutBoxOpen();
    void withTheDebugWindowOpen();
};

void ClosingTest::duringTheOpeningAnimation() {
    Program program;
    int stones = 0;
    program.onSound = [&](const QString&) {
        if (++stones == 2) program.CloseSoon();  // while the second stone turns
    };
    QCOMPARE(program.Run([&] { program.form->Menu().StartGame->trigger(); }), 0);
    QCOMPARE(program.closedSignals, 1);
    QCOMPARE(program.soundsAfterClosing, 0);
    QCOMPARE(program.boxesAfterClosing, 0);
    QCOMPARE(program.form->Game().GameState, 0);
    QVERIFY(!program.form->isVisible());
}

void ClosingTest::duringTheComputersWait() {
    Program program;
    program.form->FAttackClick(program.form->Menu().A2P);
    program.onSound = [&](const QString& fileName) {
        if (fileName == ui::kComputerSound) program.CloseSoon();
    };
    QCOMPARE(program.Run([&] { program.form->Menu().StartGame->trigger(); }), 0);
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
        program.form->Menu().Version->trigger();
    }),
             0);
    QCOMPARE(program.closedSignals, 1);
    QCOMPARE(program.boxesAfterClosing, 0);
    QVERIFY(!program.form->isVisible());
    QVERIFY(!program.about.isVisible());
}

void ClosingTest::withTheDebugWindowOpen() {
    Program program;
    QCOMPARE(program.Run([&] {
        QKeyEvent shiftF12(QEvent::KeyPress, Qt::Key_F12, Qt::ShiftModifier);
        QApplication::sendEvent(program.form.get(), &shiftF12);
        QVERIFY(program.debug.isVisible());
        program.form->close();
    }),
             0);
    QCOMPARE(program.closedSignals, 1);
    QCOMPARE(program.boxesAfterClosing, 0);
    QVERIFY(!program.form->isVisible());
    QVERIFY(!program.debug.isVisible());
}

QTEST_MAIN(ClosingTest)
#include "closing_test.moc"
