// The game's sounds through the real sound output, recorded from a sound server's null sink: each
// one heard, whole, in order. scripts/test starts the server and names its sink in
// ZORVEL_TEST_SINK; without it the test is skipped.
#include <QDir>
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

}  // namespace

class RecordingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
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

void RecordingTest::everySoundIsHeardWholeAndInOrder() {
    QDir::setCurrent(QStringLiteral(ZORVEL_RUNTIME_DIR));
    const test::HeardSound click = SoundOfFile(sound::kStoneSound);
    const test::HeardSound chime = SoundOfFile(sound::kComputerSound);
    QVERIFY(click.LengthMs() > 0 && chime.LengthMs() > 2 * click.LengthMs());

    sound::ModuleSoundOutput sound(QStringLiteral(ZORVEL_RUNTIME_DIR),
                                   [] { QFAIL("the default sound was played"); });
    sound.Prepare();
    QTRY_VERIFY(!sound.Preparing());

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
}

QTEST_GUILESS_MAIN(RecordingTest)
#include "recording_test.moc"
