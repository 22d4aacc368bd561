#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "message_boxes.h"
#include "piece_images.h"
#include "placed_file.h"
#include "window_harness.h"

using namespace zorvel;
using namespace zorvel::testing;

namespace {

QByteArray Bmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QByteArray WithSize(QByteArray bmp, qint32 width, qint32 height) {
    qToLittleEndian(width, bmp.data() + 18);
    qToLittleEndian(height, bmp.data() + 22);
    return bmp;
}

QString WritePatternFile(const QTemporaryDir& folder, const QByteArray& bytes) {
    const QString path = folder.filePath(QStringLiteral("ZorPatn.bmp"));
    PlaceFile(path, FileKind::Regular, bytes);
    return path;
}

}  // namespace

class PictureFileTest : public QObject {
    Q_OBJECT

  private slots:
    void badFilesFailWithThePathAndAReason_data();
    void badFilesFailWithThePathAndAReason();
    void goodFilesLoad_data();
    void goodFilesLoad();
    void errorBoxTextEndsWithAStop_data();
    void errorBoxTextEndsWithAStop();
};

void PictureFileTest::badFilesFailWithThePathAndAReason_data() {
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray good = Bmp(MakePattern());
    const auto row = [](const char* name, const QByteArray& bytes) -> QTestData& {
        return QTest::newRow(name) << FileKind::Regular << bytes;
    };
    row("empty", QByteArray()) << "The file is not a BMP picture";
    row("not a picture", QByteArray(4000, 'x')) << "The file is not a BMP picture";
    row("a PNG", [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        MakePattern().save(&buffer, "PNG");
        return bytes;
    }()) << "The file is not a BMP picture";
    row("header only", good.left(30)) << "The file is not a BMP picture";
    row("truncated", good.left(good.size() / 2)) << "The BMP picture is truncated";
    row("too small", Bmp(MakePattern(400, 120)))
        << "The picture is 400 x 120 pixels, smaller than 440 x 120";
    row("too short", Bmp(MakePattern(440, 80)))
        << "The picture is 440 x 80 pixels, smaller than 440 x 120";
    row("enormous", WithSize(good, 1 << 30, 1 << 30))
        << "The picture is too large (1073741824 x 1073741824 pixels)";
    QByteArray endlessHeader = good;
    qToLittleEndian<quint32>(0xfffffff8u, endlessHeader.data() + 14);
    row("header larger than the file", endlessHeader) << "The BMP picture is truncated";
    row("negative width", WithSize(good, -440, 120))
        << "The picture is -440 x 120 pixels, smaller than 440 x 120";
    row("larger than any pattern file", good + QByteArray(4096 * 4096 * 4 + 4096, '\0'))
        << "The file is too large";
    // Each opens at once and is refused, as a missing file is.
    QTest::newRow("a directory") << FileKind::Directory << QByteArray()
                                 << "The file is not a regular file";
#ifndef _WIN32
    QTest::newRow("a FIFO") << FileKind::Fifo << QByteArray() << "The file is not a regular file";
    QTest::newRow("a link to /dev/zero")
        << FileKind::DeviceLink << QByteArray() << "The file is not a regular file";
#endif
}

void PictureFileTest::badFilesFailWithThePathAndAReason() {
    QFETCH(FileKind, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ZorPatn.bmp"));
    PlaceFile(path, kind, bytes);
    try {
        ui::LoadPieceImages(path);
        QFAIL("the file was accepted");
    } catch (const std::runtime_error& error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("ファイル \"%1\" は開けません。%2")
                                                      .arg(QDir::toNativeSeparators(path), reason));
    }
}

void PictureFileTest::goodFilesLoad_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("24 bits") << Bmp(MakePattern().convertToFormat(QImage::Format_RGB888));
    QTest::newRow("32 bits") << Bmp(MakePattern());
    QTest::newRow("8-bit palette") << Bmp(MakePattern().convertToFormat(QImage::Format_Indexed8));
    QTest::newRow("larger than needed") << Bmp(MakePattern(500, 200));
}

void PictureFileTest::goodFilesLoad() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString path = WritePatternFile(folder, bytes);
    const ui::ImageList images = ui::LoadPieceImages(path);
    QCOMPARE(images.size(), std::size_t{33});
    QCOMPARE(images[12].pixel(20, 20), FrameColour(1, 1));
}

void PictureFileTest::errorBoxTextEndsWithAStop_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "No such file"
                            << "No such file.";
    QTest::newRow("stop") << "Done."
                          << "Done.";
    QTest::newRow("comma sorts below") << "a,"
                                       << "a,";
    QTest::newRow("slash sorts above") << "a/"
                                       << "a/.";
    QTest::newRow("Japanese stop") << "開けません。"
                                   << "開けません。.";
    QTest::newRow("empty") << ""
                           << "";
}

void PictureFileTest::errorBoxTextEndsWithAStop() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(common::ErrorBoxText(message), shown);
}

QTEST_MAIN(PictureFileTest)
#include "picture_file_test.moc"
