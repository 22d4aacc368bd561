// The game's sounds through the real sound output, recorded from a sound server's null sink: each
// one heard, whole, in order. scripts/test starts the server and names its sink in
// ZORVEL_TEST_SINK; without it the test is skipped.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

#include "heard_sounds.h"
#include "module_sound_output.h"
#include "pacer.h"

using namespace zorvel;
using namespace std::chrono_literals;

namespace {

struct Step {
    const QString& sound;
    std::chrono::milliseconds then;  // the wait before the next sound
};

// The opening's four stones, a move that turns one stone, the computer's chime and its second,
// its move, and a stone placed while the chime still sounds.
const Step kPattern[] = {
    {sound::kStoneSound, 500ms},     {sound::kStoneSound, 500ms},  {sound::kStoneSound, 500ms},
    {sound::kStoneSound, 1000ms},    {sound::kStoneSound, 500ms},  {sound::kStoneSound, 500ms},
    {sound::kComputerSound, 1000ms}, {sound::kStoneSound, 500ms},  {sound::kStoneSound, 500ms},
    {sound::kComputerSound, 250ms},  {sound::kStoneSound, 1000ms},
};

test::HeardSound Reference(const QString& fileName) {
    const auto file = test::ReadMonoWave(QDir(ZORVEL_RUNTIME_DIR).filePath(fileName).toStdString());
    if (!file) return {};
    const std::vector<test::HeardSound> sounds = test::FindSounds(*file);
    return sounds.empty() ? test::HeardSound{} : sounds.front();
}

// Waits until the recording holds more than its header: the recorder is then hearing the sink.
bool WaitForRecording(const QString& path, QProcess& recorder) {
    if (!recorder.waitForStarted()) return false;
    for (int i = 0; i < 100 && recorder.state() == QProcess::Running; ++i) {
        if (QFileInfo(path).size() > 1000) return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
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
    if (QStandardPaths::findExecutable(QStringLiteral("parecord")).isEmpty())
        QSKIP("parecord not found (Debian: pulseaudio-utils)");
}

void RecordingTest::everySoundIsHeardWholeAndInOrder() {
    QDir::setCurrent(QStringLiteral(ZORVEL_RUNTIME_DIR));
    const test::HeardSound click = Reference(sound::kStoneSound);
    const test::HeardSound chime = Reference(sound::kComputerSound);
    QVERIFY(click.LengthMs() > 0 && chime.LengthMs() > 2 * click.LengthMs());

    sound::ModuleSoundOutput sound(QStringLiteral(ZORVEL_RUNTIME_DIR),
                                   [] { QFAIL("the default sound was played"); });
    sound.Prepare();
    QTRY_VERIFY(!sound.Preparing());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("heard.wav"));
    QProcess recorder;
    recorder.start(QStringLiteral("parecord"),
                   {QStringLiteral("-d"), sink_ + QStringLiteral(".monitor"),
                    QStringLiteral("--file-format=wav"), QStringLiteral("--rate=8000"),
                    QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20"), path});
    QVERIFY2(WaitForRecording(path, recorder), qPrintable(recorder.readAllStandardError()));

    // Paced as the game paces its stones, with the event loop running.
    ui::EventLoopPacer pacer;
    for (const Step& step : kPattern) {
        sound.Play(step.sound);
        pacer.Pause(static_cast<unsigned>(step.then.count()));
    }
    recorder.terminate();
    QVERIFY(recorder.waitForFinished(5000));

    const auto recording = test::ReadMonoWave(path.toStdString());
    QVERIFY(recording);
    const std::vector<test::HeardSound> heard = test::FindSounds(*recording);
    QString seen;
    for (const test::HeardSound& s : heard)
        seen += QStringLiteral("%1+%2 ").arg(s.onsetMs).arg(s.LengthMs());
    QVERIFY2(heard.size() == std::size(kPattern), qPrintable(seen));
    for (std::size_t i = 0; i < heard.size(); ++i) {
        const bool isChime = &kPattern[i].sound == &sound::kComputerSound;
        const bool heardChime = heard[i].LengthMs() > 2 * click.LengthMs();
        QVERIFY2(heardChime == isChime,
                 qPrintable(QStringLiteral("sound %1: %2").arg(i).arg(seen)));
        const bool cutByTheNext = isChime && kPattern[i].then < 500ms;
        const bool whole = test::IsWhole(heard[i], isChime ? chime : click);
        QVERIFY2(whole || (cutByTheNext && heard[i].cutByNext),
                 qPrintable(QStringLiteral("sound %1 cut short: %2").arg(i).arg(seen)));
    }
}

QTEST_GUILESS_MAIN(RecordingTest)
#include "recording_test.moc"
