// The game's sounds through the real sound outputs, recorded from a sound server's null sink: each
// one heard, whole, in order, and the output at rest between them. scripts/test starts the server
// and names its sink in ZORVEL_TEST_SINK; without it the test is skipped.
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QVersionNumber>
#include <span>

#include "heard_sounds.h"
#include "module_sound_output.h"
#include "pacer.h"
#include "recorded_pattern.h"
#include "sound_server.h"

using namespace zorvel;

namespace {

test::HeardSound SoundOfFile(const QString& fileName) {
    return test::SoundOfFile(QDir(ZORVEL_RUNTIME_DIR).filePath(fileName).toStdString());
}

// Whether the sound server has streams of this process and runs none of them: nothing plays, and
// nothing of the output runs. PipeWire says so for streams in either protocol, PulseAudio's or
// its own; a stream of its own names its client, which names the process.
bool OurStreamsRest() {
    QProcess dump;
    dump.start(QStringLiteral("pw-dump"), {});
    if (!dump.waitForFinished()) return false;
    const QJsonArray objects = QJsonDocument::fromJson(dump.readAllStandardOutput()).array();
    const QString ours = QString::number(QCoreApplication::applicationPid());
    const auto props = [](const QJsonValue& object, const char* name) {
        return object[QStringLiteral("info")][QStringLiteral("props")][QLatin1String(name)]
            .toVariant()
            .toString();
    };
    const auto type = [](const QJsonValue& object) {
        return object[QStringLiteral("type")].toString();
    };
    QStringList ourClients;
    for (const QJsonValue& object : objects) {
        if (type(object) == QStringLiteral("PipeWire:Interface:Client") &&
            props(object, "application.process.id") == ours)
            ourClients << object[QStringLiteral("id")].toVariant().toString();
    }
    int streams = 0;
    for (const QJsonValue& object : objects) {
        if (type(object) != QStringLiteral("PipeWire:Interface:Node") ||
            !ourClients.contains(props(object, "client.id")))
            continue;
        ++streams;
        if (object[QStringLiteral("info")][QStringLiteral("state")].toString() ==
            QStringLiteral("running"))
            return false;
    }
    return streams > 0;
}

// The steps of `pattern` as heard: each sound once, whole (a chime may be cut off by the click that
// follows it), in order, and none before it was asked for.
void CheckHeard(const std::optional<std::vector<std::optional<test::HeardStep>>>& steps,
                std::span<const test::PatternStep> pattern) {
    QVERIFY2(steps, "parec did not start or heard nothing");
    const test::HeardSound click = SoundOfFile(sound::kStoneSound);
    const test::HeardSound chime = SoundOfFile(sound::kComputerSound);
    QVERIFY(click.LengthMs() > 0 && chime.LengthMs() > 2 * click.LengthMs());
    QString seen;
    for (const std::optional<test::HeardStep>& step : *steps) {
        seen += step ? QStringLiteral("%1+%2 ").arg(step->sound.onsetMs).arg(step->sound.LengthMs())
                     : QStringLiteral("lost ");
    }
    for (std::size_t i = 0; i < steps->size(); ++i) {
        const std::optional<test::HeardStep>& step = (*steps)[i];
        QVERIFY2(step, qPrintable(QStringLiteral("sound %1 lost: %2").arg(i).arg(seen)));
        QVERIFY2(step->delayMs > -test::kOnsetResolutionMs,
                 qPrintable(QStringLiteral("a sound heard before %1: %2").arg(i).arg(seen)));
        // A virtual machine that does not run the mixing thread in time leaves a dropout of a few
        // milliseconds; the sound is still heard to its end.
        if (step->pieces > 1) qInfo("sound %zu heard in %d pieces", i, step->pieces);
        const bool isChime = &pattern[i].sound == &sound::kComputerSound;
        const bool heardChime = step->sound.LengthMs() > 2 * click.LengthMs();
        QVERIFY2(heardChime == isChime,
                 qPrintable(QStringLiteral("sound %1: %2").arg(i).arg(seen)));
        const bool cutByTheNext = isChime && pattern[i].thenMs < 500;
        const test::HeardSound& file = isChime ? chime : click;
        QVERIFY2(test::IsWhole(step->sound, file) || (cutByTheNext && step->sound.cutByNext),
                 qPrintable(QStringLiteral("sound %1 cut short: %2").arg(i).arg(seen)));
        QVERIFY2(!test::IsMoreThanOne(step->sound, file),
                 qPrintable(QStringLiteral("sound %1 heard more than once: %2").arg(i).arg(seen)));
    }
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

// The program's output, and the one through OpenAL that other systems play through; and each on a
// server of the test's own, restarted halfway through the game.
void RecordingTest::everySoundIsHeardWholeAndInOrder_data() {
    QTest::addColumn<QString>("module");
    QTest::addColumn<bool>("serverRestarts");
    QTest::newRow("the program's") << QStringLiteral(ZORVEL_RUNTIME_DIR) << false;
    QTest::newRow("OpenAL") << QStringLiteral(ZORVEL_OPENAL_SOUND_DIR) << false;
    QTest::newRow("the program's, server restarted") << QStringLiteral(ZORVEL_RUNTIME_DIR) << true;
    QTest::newRow("OpenAL, server restarted") << QStringLiteral(ZORVEL_OPENAL_SOUND_DIR) << true;
}

void RecordingTest::everySoundIsHeardWholeAndInOrder() {
    QFETCH(QString, module);
    QFETCH(bool, serverRestarts);
    QDir::setCurrent(QStringLiteral(ZORVEL_RUNTIME_DIR));
    QString monitor = sink_ + QStringLiteral(".monitor");
    const bool throughOpenAl = module == QStringLiteral(ZORVEL_OPENAL_SOUND_DIR);
    if (serverRestarts && throughOpenAl &&
        QVersionNumber::fromString(QStringLiteral(ZORVEL_OPENAL_VERSION)) >= QVersionNumber(1, 23))
        QSKIP(
            "OpenAL Soft 1.23 and later reach PipeWire directly and wait for ever to resume a "
            "paused device whose server has gone; OpenAL plays the sounds on other systems only");
    test::SoundServer server;
    if (serverRestarts) {
        const QString failure = server.Start();
        if (!failure.isEmpty()) QSKIP(qPrintable(failure));
        server.Use();
        monitor = QStringLiteral("%1.monitor").arg(test::SoundServer::kSink);
    }

    sound::ModuleSoundOutput sound(module, [] { QFAIL("the default sound was played"); });
    const auto play = [&](const QString& file) { sound.Play(file); };
    sound.Prepare();
    QTRY_VERIFY(!sound.Preparing());
    // Every sound of the pattern comes after a rest, as the first after an hour would.
    sound.Play(sound::kStoneSound);
    QTRY_VERIFY_WITH_TIMEOUT(OurStreamsRest(), 10'000);

    const std::span<const test::PatternStep> game(test::kGamePattern);
    const auto beforeTheRestart = serverRestarts ? game.first(6) : game;
    CheckHeard(test::RecordPattern(monitor, play, beforeTheRestart), beforeTheRestart);
    if (QTest::currentTestFailed()) return;
    if (serverRestarts) {
        server.Stop();
        // Asked for while the server is away: never to be heard, not even once it is back.
        ui::EventLoopPacer pacer;
        for (const test::PatternStep& step : game.first(3)) {
            play(step.sound);
            pacer.Pause(step.thenMs);
        }
        QCOMPARE(server.Start(), QString());
        CheckHeard(test::RecordPattern(monitor, play, game, [&] { return !sound.Preparing(); }),
                   game);
        if (QTest::currentTestFailed()) return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(OurStreamsRest(), 10'000);
}

QTEST_GUILESS_MAIN(RecordingTest)
#include "recording_test.moc"
