// The game's sounds through the real sound outputs, recorded from a sound server's null sink: each
// one heard, whole, in order, and the output at rest between them. scripts/test starts the server
// and names its sink in ZORVEL_TEST_SINK; without it the test is skipped.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "heard_sounds.h"
#include "module_sound_output.h"
#include "recorded_pattern.h"

using namespace zorvel;

namespace {

test::HeardSound SoundOfFile(const QString& fileName) {
    return test::SoundOfFile(QDir(ZORVEL_RUNTIME_DIR).filePath(fileName).toStdString());
}

// Whether the server has streams of this process and keeps them all corked: nothing plays, and
// nothing of the output runs.
bool OurStreamsRest() {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished()) return false;
    const QString ours =
        QStringLiteral("application.process.id = \"%1\"").arg(QCoreApplication::applicationPid());
    int streams = 0;
    for (const QString& input :
         QString::fromUtf8(pactl.readAllStandardOutput()).split(QStringLiteral("Sink Input #"))) {
        if (!input.contains(ours)) continue;
        ++streams;
        if (!input.contains(QStringLiteral("Corked: yes"))) return false;
    }
    return streams > 0;
}

}  // namespace

class RecordingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void everySoundIsHeardWholeAndInOrder_data();
    void everySoundIsHeardWholeAndInOrder();

  private:
    QString sink_;
};

void RecordingTest::initTestCase() {
    sink_ = qEnvironmentVariable("ZORVEL_TEST_SINK");
    if (sink_.isEmpty())
        QSKIP("no sound server: scripts/test starts one and names its sink in ZORVEL_TEST_SINK");
    if (QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty())
        QSKIP("parec not found (Debian: pulseaudio-utils)");
}

// The program's output, and the one through OpenAL that other systems play through.
void RecordingTest::everySoundIsHeardWholeAndInOrder_data() {
    QTest::addColumn<QString>("module");
    QTest::newRow("the program's") << QStringLiteral(ZORVEL_RUNTIME_DIR);
    QTest::newRow("OpenAL") << QStringLiteral(ZORVEL_OPENAL_SOUND_DIR);
}

void RecordingTest::everySoundIsHeardWholeAndInOrder() {
    QFETCH(QString, module);
    QDir::setCurrent(QStringLiteral(ZORVEL_RUNTIME_DIR));
    const test::HeardSound click = SoundOfFile(sound::kStoneSound);
    const test::HeardSound chime = SoundOfFile(sound::kComputerSound);
    QVERIFY(click.LengthMs() > 0 && chime.LengthMs() > 2 * click.LengthMs());

    sound::ModuleSoundOutput sound(module, [] { QFAIL("the default sound was played"); });
    sound.Prepare();
    QTRY_VERIFY(!sound.Preparing());
    // Every sound of the pattern comes after a rest, as the first after an hour would.
    sound.Play(sound::kStoneSound);
    QTRY_VERIFY_WITH_TIMEOUT(OurStreamsRest(), 10'000);

    const auto steps = test::RecordPattern(sink_ + QStringLiteral(".monitor"),
                                           [&](const QString& file) { sound.Play(file); });
    QVERIFY2(steps, "parec did not start or heard nothing");
    QString seen;
    for (const std::optional<test::HeardStep>& step : *steps) {
        seen += step ? QStringLiteral("%1+%2 ").arg(step->sound.onsetMs).arg(step->sound.LengthMs())
                     : QStringLiteral("lost ");
    }
    for (std::size_t i = 0; i < steps->size(); ++i) {
        const std::optional<test::HeardStep>& step = (*steps)[i];
        QVERIFY2(step, qPrintable(QStringLiteral("sound %1 lost: %2").arg(i).arg(seen)));
        // A virtual machine that does not run the mixing thread in time leaves a dropout of a few
        // milliseconds; the sound is still heard to its end.
        if (step->pieces > 1) qInfo("sound %zu heard in %d pieces", i, step->pieces);
        const bool isChime = &test::kGamePattern[i].sound == &sound::kComputerSound;
        const bool heardChime = step->sound.LengthMs() > 2 * click.LengthMs();
        QVERIFY2(heardChime == isChime,
                 qPrintable(QStringLiteral("sound %1: %2").arg(i).arg(seen)));
        const bool cutByTheNext = isChime && test::kGamePattern[i].thenMs < 500;
        const test::HeardSound& file = isChime ? chime : click;
        QVERIFY2(test::IsWhole(step->sound, file) || (cutByTheNext && step->sound.cutByNext),
                 qPrintable(QStringLiteral("sound %1 cut short: %2").arg(i).arg(seen)));
        QVERIFY2(!test::IsMoreThanOne(step->sound, file),
                 qPrintable(QStringLiteral("sound %1 heard more than once: %2").arg(i).arg(seen)));
    }
    QTRY_VERIFY_WITH_TIMEOUT(OurStreamsRest(), 10'000);
}

QTEST_GUILESS_MAIN(RecordingTest)
#include "recording_test.moc"
