// The game's sounds through the real sound outputs, recorded from a sound server's null sink: each
// one heard, whole, in order, and the output at rest between them. scripts/test starts the server
// and names its sink in ZORVEL_TEST_SINK; without it the test is skipped.
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <span>

#include "heard_sounds.h"
#include "module_sound_output.h"
#include "pacer.h"
#include "recorded_pattern.h"
#include "server_proxy.h"
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
        const bool isChime = pattern[i].sound == sound::Sound::Computer;
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

// What befalls the server while the game plays.
enum class Trouble {
    None,
    ServerRestarts,  // halfway through the game
    StreamsDropped,  // the server drops the output's streams at rest
    LongAway,        // gone long enough for the tries to reach it to have grown far apart
};

// The streams of this process on the server, by PipeWire's ids, as pactl lists them.
QStringList OurStreams() {
    QProcess pactl;
    pactl.setProcessEnvironment(test::PastTheProxy());
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("-f"), QStringLiteral("json"),
                                          QStringLiteral("list"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished()) return {};
    QStringList ours;
    const QString pid = QString::number(QCoreApplication::applicationPid());
    for (const QJsonValue& input : QJsonDocument::fromJson(pactl.readAllStandardOutput()).array()) {
        if (input[QStringLiteral("properties")][QStringLiteral("application.process.id")]
                .toString() == pid)
            ours << input[QStringLiteral("properties")][QStringLiteral("object.id")].toString();
    }
    return ours;
}

// As the server drops a stream while the connection holds.
void DropOurStreams() {
    for (const QString& stream : OurStreams()) {
        QProcess::execute(QStringLiteral("pw-cli"), {QStringLiteral("destroy"), stream});
    }
}

}  // namespace

Q_DECLARE_METATYPE(Trouble)

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

// The program's output, and through each trouble a server may bring.
void RecordingTest::everySoundIsHeardWholeAndInOrder_data() {
    QTest::addColumn<Trouble>("trouble");
    QTest::newRow("the program's") << Trouble::None;
    QTest::newRow("the program's, server restarted") << Trouble::ServerRestarts;
    QTest::newRow("the program's, streams dropped") << Trouble::StreamsDropped;
    QTest::newRow("the program's, server long away") << Trouble::LongAway;
}

void RecordingTest::everySoundIsHeardWholeAndInOrder() {
    QFETCH(Trouble, trouble);
    QDir::setCurrent(QStringLiteral(ZORVEL_RUNTIME_DIR));
    QString monitor = sink_ + QStringLiteral(".monitor");
    test::SoundServer server;
    if (trouble == Trouble::ServerRestarts) {
        const QString failure = server.Start();
        if (!failure.isEmpty()) QSKIP(qPrintable(failure));
        server.Use();
        monitor = QStringLiteral("%1.monitor").arg(test::SoundServer::kSink);
    }
    // The output reaches the server through the proxy, which tells what it asks of the server.
    test::ServerProxy proxy;
    const QByteArray userServer = qgetenv("PULSE_SERVER");
    const auto restore = qScopeGuard([&] {
        if (userServer.isNull())
            qunsetenv("PULSE_SERVER");
        else
            qputenv("PULSE_SERVER", userServer);
    });
    qputenv("PULSE_SERVER", proxy.Name());

    sound::ModuleSoundOutput sound(QStringLiteral(ZORVEL_RUNTIME_DIR),
                                   [] { QFAIL("the default sound was played"); });
    const auto play = [&](sound::Sound which) { sound.Play(which); };
    ui::EventLoopPacer pacer;
    // Sounds asked for while the server is away, never to be heard, not even once it is back.
    const auto playWhileAway = [&] {
        for (const test::PatternStep& step : std::span(test::kGamePattern).first(3)) {
            play(step.sound);
            pacer.Pause(step.thenMs);
        }
    };
    sound.Prepare();
    QTRY_VERIFY(!sound.Preparing());
    // Every sound of the pattern comes after a rest, as the first after an hour would.
    sound.Play(sound::Sound::Stone);
    QTRY_VERIFY_WITH_TIMEOUT(OurStreamsRest(), 10'000);
    // At rest the output asks the server for nothing: no timing, no new connection.
    const qint64 sent = proxy.BytesSent();
    const int connections = proxy.Connections();
    pacer.Pause(3000);
    QCOMPARE(proxy.BytesSent(), sent);
    QCOMPARE(proxy.Connections(), connections);

    const std::span<const test::PatternStep> game(test::kGamePattern);
    std::function<bool()> ready = [&] { return !sound.Preparing(); };
    if (trouble == Trouble::StreamsDropped) {
        DropOurStreams();
        QTRY_VERIFY(OurStreams().isEmpty());
        // The output leaves the connection whose streams failed for a new one, with new streams.
        ready = [&] { return !sound.Preparing() && OurStreams().size() == 2; };
    } else if (trouble == Trouble::LongAway) {
        proxy.SetAway(true);
        // Tried again after one second, then three and seven: the next try is due eight seconds
        // after the last.
        const int before = proxy.Connections();
        QTRY_COMPARE_WITH_TIMEOUT(proxy.Connections(), before + 3, 20'000);
        pacer.Pause(500);  // the output hears that the try failed
        // A sound wanting the server tries again within a second, long before that.
        play(sound::Sound::Stone);
        QTRY_COMPARE_WITH_TIMEOUT(proxy.Connections(), before + 4, 5'000);
        playWhileAway();
        pacer.Pause(1500);  // past the tries these sounds bring forward
        // Back once the recorder hears the sink; the next sound is what tries to reach it again.
        ready = [&, back = false]() mutable {
            if (!std::exchange(back, true)) {
                proxy.SetAway(false);
                play(sound::Sound::Stone);
            }
            return !sound.Preparing();
        };
    }
    const auto beforeTheRestart = trouble == Trouble::ServerRestarts ? game.first(6) : game;
    CheckHeard(test::RecordPattern(monitor, play, beforeTheRestart, ready), beforeTheRestart);
    if (QTest::currentTestFailed()) return;
    if (trouble == Trouble::ServerRestarts) {
        server.Stop();
        playWhileAway();
        QCOMPARE(server.Start(), QString());
        CheckHeard(test::RecordPattern(monitor, play, game, ready), game);
        if (QTest::currentTestFailed()) return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(OurStreamsRest(), 10'000);
}

QTEST_GUILESS_MAIN(RecordingTest)
#include "recording_test.moc"
