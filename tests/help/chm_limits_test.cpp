// Help files that would make the CHM reader library allocate gigabytes, walk its directory in a
// circle for ever or divide by zero are refused before the library reads them.
#include "chm_limits.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <memory>

#include "chm_file.h"
#include "chm_help.h"

using namespace zorvel::help;

namespace {

const QString kHelpFile = QStringLiteral(ZORVEL_HELP_FILE);
constexpr qsizetype kDirectoryOffsetAt = 0x48;
constexpr qsizetype kContentOffsetAt = 0x58;
constexpr qsizetype kDirectoryHeaderSize = 0x54;
constexpr qsizetype kChunkSizeInDirectory = 0x10;
constexpr qsizetype kIndexRootInDirectory = 0x1C;
constexpr qsizetype kNextInListChunk = 0x10;
constexpr qsizetype kBlockSizeInResetTable = 0x20;
constexpr qsizetype kSignatureInControlData = 0x04;
constexpr qsizetype kVersionInControlData = 0x08;  // 2: sizes in units of 32 KiB, 1: in bytes
constexpr qsizetype kWindowSizeInControlData = 0x10;
const char* const kControlDataPath = "::DataSpace/Storage/MSCompressed/ControlData";

QByteArray HelpFileBytes() {
    QFile file(kHelpFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where an object stored uncompressed lies in the help file.
qsizetype ObjectOffset(const QByteArray& bytes, const char* path) {
    const ChmApi& api = *HelpReader();
    ChmHandle* handle = api.open(QFile::encodeName(kHelpFile).constData());
    ChmUnitInfo unit{};
    const bool found = handle && api.resolve(handle, path, &unit) == 0;
    if (handle) api.close(handle);
    return found ? qFromLittleEndian<qint64>(bytes.constData() + kContentOffsetAt) + unit.start
                 : -1;
}

template <typename T>
QByteArray With(QByteArray bytes, qsizetype offset, T value) {
    qToLittleEndian<T>(value, bytes.data() + offset);
    return bytes;
}

// The first directory chunk made an index chunk whose one entry leads back to itself.
QByteArray WithIndexInACircle(QByteArray bytes, qsizetype directory, quint32 chunkSize) {
    bytes = With<qint32>(bytes, directory + kIndexRootInDirectory, 0);
    const qsizetype chunk = directory + kDirectoryHeaderSize;
    const QByteArray entry("\x01/\x00", 3);
    bytes.replace(chunk, 8 + entry.size(), QByteArray("PMGI\0\0\0\0", 8) + entry);
    return With<quint32>(bytes, chunk + 4, chunkSize - 8 - entry.size());
}

// The directory entry of `path` moved to a section the file does not have (its number follows the
// name, one byte for a small number).
QByteArray InSectionTwo(QByteArray bytes, const char* path) {
    const QByteArray name(path);
    const qsizetype at = bytes.indexOf(QByteArray(1, char(name.size())) + name);
    if (at >= 0) bytes[at + 1 + name.size()] = 2;
    return bytes;
}

// Between the check and the library's opening, the checked file is replaced under its name.
QString replacement;
QString replaced;
ChmHandle* OpenAfterReplacing(const char* fileName) {
    if (!QFile::remove(replaced) || !QFile::rename(replacement, replaced))
        qFatal("cannot replace the test's help file");
    return HelpReader()->open(fileName);
}

}  // namespace

class ChmLimitsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        LoadHelpLibrary();
        QVERIFY(HelpAvailable());
    }
    void dangerousFilesAreRefused_data();
    void dangerousFilesAreRefused();
};

void ChmLimitsTest::dangerousFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("replacedAfterCheck");  // by an empty file, before the library opens it
    const QByteArray real = HelpFileBytes();
    const qsizetype directory = qFromLittleEndian<qint64>(real.constData() + kDirectoryOffsetAt);
    const qsizetype chunkSize = directory + kChunkSizeInDirectory;
    const qsizetype blockSize = ObjectOffset(real, kChmResetTablePath) + kBlockSizeInResetTable;
    const qsizetype control = ObjectOffset(real, kControlDataPath);
    QVERIFY(blockSize > kBlockSizeInResetTable && control > 0);

    QTest::newRow("as compiled") << real << true << false;
    // The library reads the file that was checked, not what lies at its name by then.
    QTest::newRow("as compiled, replaced after the check") << real << true << true;
    QTest::newRow("directory chunks of 4 GiB")
        << With<quint32>(real, chunkSize, 0xf0000000u) << false << false;
    QTest::newRow("directory chunks of 0 bytes")
        << With<quint32>(real, chunkSize, 0) << false << false;
    QTest::newRow("directory beyond the end")
        << With<quint64>(real, kDirectoryOffsetAt, real.size()) << false << false;
    QTest::newRow("entry list in a circle")
        << With<qint32>(real, directory + kDirectoryHeaderSize + kNextInListChunk, 0) << false
        << false;
    QTest::newRow("index in a circle")
        << WithIndexInACircle(real, directory,
                              qFromLittleEndian<quint32>(real.constData() + chunkSize))
        << false << false;
    QTest::newRow("compressed blocks of 4 GiB")
        << With<quint64>(real, blockSize, 0xf0000000u) << false << false;
    QTest::newRow("compressed blocks of 0 bytes")
        << With<quint64>(real, blockSize, 0) << false << false;
    QTest::newRow("compression window of 0 bytes")
        << With<quint32>(real, control + kWindowSizeInControlData, 0) << false << false;
    QTest::newRow("compression window of 2 bytes")
        << With<quint32>(real, control + kVersionInControlData, 1) << false << false;
    QTest::newRow("compression control data unsigned")
        << With<quint32>(real, control + kSignatureInControlData, 0) << false << false;
    QTest::newRow("compression control data in a third section")
        << InSectionTwo(real, kControlDataPath) << false << false;
    QTest::newRow("compression reset table in a third section")
        << InSectionTwo(real, kChmResetTablePath) << false << false;
}

void ChmLimitsTest::dangerousFilesAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    QFETCH(bool, replacedAfterCheck);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zorvel.chm"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    auto api = std::make_shared<ChmApi>(*HelpReader());
    if (replacedAfterCheck) {
        replacement = folder.filePath(QStringLiteral("empty.chm"));
        replaced = path;
        QVERIFY(QFile(replacement).open(QIODevice::WriteOnly));
        api->open = &OpenAfterReplacing;
    }
    const ChmFile help(api, path);
    QCOMPARE(help.isOpen(), opens);
    QCOMPARE(help.Read(QStringLiteral("/index.html")).has_value(), opens);
}

QTEST_MAIN(ChmLimitsTest)
#include "chm_limits_test.moc"
