// Wave files that cannot be played give the default sound at once; none of them blocks the game. No
// audio device is needed.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "module_sound_output.h"
#include "placed_file.h"
#include "pulse_sound_output.h"
#include "wave_file.h"

using namespace zorvel::sound;
using zorvel::testing::FileKind;
using zorvel::testing::PlaceFile;

namespace {

QByteArray Chunk(const char* id, const QByteArray& body) {
    QByteArray chunk(id, 4);
    chunk.resize(8);
    qToLittleEndian<quint32>(body.size(), chunk.data() + 4);
    return chunk + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

// A RIFF file of the given chunks.
QByteArray Riff(const QByteArray& chunks) {
    QByteArray header("RIFF\0\0\0\0WAVE", 12);
    qToLittleEndian<quint32>(4 + chunks.size(), header.data() + 4);
    return header + chunks;
}

// 16-bit mono at 22050 Hz, or another coding, number of channels, sample size or rate.
QByteArray Format(quint16 coding = 1, quint16 channels = 1, quint16 bits = 16,
                  quint32 rate = 22050) {
    const quint32 frameBytes = quint32{channels} * bits / 8;
    QByteArray format(16, '\0');
    qToLittleEndian<quint16>(coding, format.data());
    qToLittleEndian<quint16>(channels, format.data() + 2);
    qToLittleEndian<quint32>(rate, format.data() + 4);
    qToLittleEndian<quint32>(rate * frameBytes, format.data() + 8);
    qToLittleEndian<quint16>(frameBytes, format.data() + 12);
    qToLittleEndian<quint16>(bits, format.data() + 14);
    return format;
}

// The same 16-bit mono as WAVE_FORMAT_EXTENSIBLE, the sub-format of the given coding.
QByteArray Extensible(quint16 coding) {
    QByteArray format = Format(0xfffe) + QByteArray(24, '\0');
    qToLittleEndian<quint16>(22, format.data() + 16);
    qToLittleEndian<quint16>(16, format.data() + 18);
    qToLittleEndian<quint32>(4, format.data() + 20);  // front centre
    qToLittleEndian<quint16>(coding, format.data() + 24);
    format.replace(26, 14, QByteArray("\0\0\0\0\x10\0\x80\0\0\xaa\0\x38\x9b\x71", 14));
    return format;
}

// A sound server, as PULSE_SERVER may name one, that takes the connection and never answers.
class SilentServer {
  public:
    SilentServer() : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        auto* any = reinterpret_cast<sockaddr*>(&address);
        if (::bind(socket_, any, length) != 0 || ::listen(socket_, 4) != 0 ||
            ::getsockname(socket_, any, &length) != 0)
            qFatal("cannot listen as a silent sound server");
        name_ = "tcp:127.0.0.1:" + QByteArray::number(ntohs(address.sin_port));
    }
    ~SilentServer() { ::close(socket_); }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;
    QByteArray Name() const { return name_; }

  private:
    int socket_;
    QByteArray name_;
};

const QByteArray kGood = Riff(Chunk("fmt ", Format()) + Chunk("data", QByteArray(400, '\x10')));

}  // namespace

class SoundFileTest : public QObject {
    Q_OBJECT

  private slots:
    void incompleteFilesAreRefused_data();
    void incompleteFilesAreRefused();
    void unplayableFilesGiveTheDefaultSound_data();
    void unplayableFilesGiveTheDefaultSound();
    void programPlaysThroughTheSoundModule_data();
    void programPlaysThroughTheSoundModule();
};

// A complete file gives the outputs the whole frames of its data.
void SoundFileTest::incompleteFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QByteArray>("played");
    QTest::newRow("good") << kGood << true << QByteArray(400, '\x10');
    QTest::newRow("other chunks first")
        << Riff(Chunk("LIST", "INFO") + Chunk("fmt ", Format()) + Chunk("data", "\1\2\3")) << true
        << QByteArray("\1\2");
    QTest::newRow("odd-sized chunk first, padded")
        << Riff(Chunk("LIST", "odd") + Chunk("fmt ", Format()) + Chunk("data", "\1\2")) << true
        << QByteArray("\1\2");
    QTest::newRow("last frame cut short")
        << Riff(Chunk("fmt ", Format(1, 2)) + Chunk("data", "\1\2\3\4\5\6\7")) << true
        << QByteArray("\1\2\3\4");
    QTest::newRow("not plain PCM")
        << Riff(Chunk("fmt ", Format(0x55)) + Chunk("data", "\1\2")) << true << QByteArray();
    QTest::newRow("empty") << QByteArray() << false << QByteArray();
    QTest::newRow("RIFF header only") << kGood.left(12) << false << QByteArray();
    QTest::newRow("not RIFF") << QByteArray(100, 'x') << false << QByteArray();
    QTest::newRow("not WAVE") << QByteArray("RIFF\4\0\0\0AVI ", 12) << false << QByteArray();
    QTest::newRow("data cut short") << kGood.left(kGood.size() - 1) << false << QByteArray();
    QTest::newRow("headers without data") << kGood.left(44) << false << QByteArray();
    QTest::newRow("no format") << Riff(Chunk("data", "\1\2")) << false << QByteArray();
    QTest::newRow("short format") << Riff(Chunk("fmt ", "\1\0") + Chunk("data", "\1\2")) << false
                                  << QByteArray();
    QTest::newRow("empty data") << Riff(Chunk("fmt ", Format()) + Chunk("data", "")) << false
                                << QByteArray();
    QByteArray huge = kGood;
    qToLittleEndian<quint32>(0xffffffffu, huge.data() + 40);
    QTest::newRow("data size beyond the file") << huge << false << QByteArray();
    QByteArray endless = Riff(Chunk("fmt ", Format()) + Chunk("junk", ""));
    qToLittleEndian<quint32>(0xfffffff0u, endless.data() + 40);
    QTest::newRow("chunk size beyond the file") << endless << false << QByteArray();
}

void SoundFileTest::incompleteFilesAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, complete);
    QFETCH(QByteArray, played);
    QCOMPARE(ReadWave(bytes).has_value(), complete);
    QCOMPARE(PcmSoundOf(bytes).samples, played);
}

void SoundFileTest::unplayableFilesGiveTheDefaultSound_data() {
    QTest::addColumn<bool>("serverSilent");  // PULSE_SERVER names one that never answers
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("beeps");
    const auto row = [](const char* name, FileKind kind = FileKind::Regular,
                        bool silent = false) -> QTestData& {
        return QTest::addRow("server, %s", name) << silent << kind;
    };
    row("missing") << QByteArray() << false << 1;
    row("a FIFO", FileKind::Fifo) << QByteArray() << true << 1;
    row("a directory", FileKind::Directory) << QByteArray() << true << 1;
    row("a link to /dev/zero", FileKind::DeviceLink) << QByteArray() << true << 1;
    row("empty") << QByteArray() << true << 1;
    row("random bytes") << QByteArray(5000, '\x9c') << true << 1;
    row("cut short") << kGood.left(100) << true << 1;
    row("larger than any sound") << Riff(Chunk("fmt ", Format()) +
                                         Chunk("data", QByteArray(kMaxSoundFileBytes, '\0')))
                                 << true << 1;
    row("not plain PCM") << Riff(Chunk("fmt ", Format(0x55)) +
                                 Chunk("data", QByteArray(400, '\x33')))
                         << true << 1;
    row("65535 channels of 65535 bits")
        << Riff(Chunk("fmt ", Format(1, 0xffff, 0xffff)) + Chunk("data", "\1\2")) << true << 1;
    for (const quint32 rate : {0u, quint32{kMaxSampleRate} + 1, 0x80000000u})
        row(qPrintable(QStringLiteral("rate %1").arg(rate)))
            << Riff(Chunk("fmt ", Format(1, 1, 16, rate)) + Chunk("data", "\1\2")) << true << 1;
    row("extensible, not PCM") << Riff(Chunk("fmt ", Extensible(3)) + Chunk("data", "\1\2")) << true
                               << 1;
    row("extensible PCM") << Riff(Chunk("fmt ", Extensible(1)) + Chunk("data", "\1\2")) << true
                          << 0;
    row("good") << kGood << true << 0;
    // Nothing waits for a server that does not answer: at most the sound is not heard.
    row("good, the server silent", FileKind::Regular, true) << kGood << true << 0;
    row("missing, the server silent", FileKind::Regular, true) << QByteArray() << false << 1;
}

void SoundFileTest::unplayableFilesGiveTheDefaultSound() {
    QFETCH(bool, serverSilent);
    QFETCH(FileKind, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    QFETCH(int, beeps);
    const SilentServer silent;
    const QByteArray userServer = qgetenv("PULSE_SERVER");
    const auto restore = qScopeGuard([&] {
        if (userServer.isNull())
            qunsetenv("PULSE_SERVER");
        else
            qputenv("PULSE_SERVER", userServer);
    });
    if (serverSilent) qputenv("PULSE_SERVER", silent.Name());
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    if (exists) PlaceFile(kStoneSound, kind, bytes);
    int beeped = 0;
    PulseSoundOutput sound([&] { ++beeped; });
    QTRY_VERIFY(sound.SoundsRead());
    sound.Play(Sound::Stone);
    QCOMPARE(beeped, beeps);
    sound.Play(Sound::Stone);
    QCOMPARE(beeped, 2 * beeps);
}

void SoundFileTest::programPlaysThroughTheSoundModule_data() {
    QTest::addColumn<bool>("moduleThere");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<int>("beeps");
    QTest::newRow("good file") << true << true << 0;
    QTest::newRow("missing file") << true << false << 1;
    QTest::newRow("no module") << false << true << 1;
}

// The module is loaded from the given folder on the first sound and gets the default sound.
void SoundFileTest::programPlaysThroughTheSoundModule() {
    QFETCH(bool, moduleThere);
    QFETCH(bool, fileThere);
    QFETCH(int, beeps);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    if (fileThere) {
        QFile file(kStoneSound);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kGood);
    }
    int beeped = 0;
    ModuleSoundOutput sound(moduleThere ? QStringLiteral(ZORVEL_RUNTIME_DIR) : folder.path(),
                            [&] { ++beeped; });
    sound.Prepare();
    QTRY_VERIFY(sound.SoundsRead());
    sound.Play(Sound::Stone);
    sound.Play(Sound::Stone);
    QCOMPARE(beeped, 2 * beeps);
}

QTEST_MAIN(SoundFileTest)
#include "sound_file_test.moc"
