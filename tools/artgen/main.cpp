// Draws the game's pictures: the pattern file, the program's icons and the help pages' pictures;
// the pattern file, the about box's icons and the help pictures also at twice the resolution, for
// high-resolution screens.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>

#include "colour_reduction.h"
#include "help_images.h"
#include "high_resolution_path.h"
#include "icon_file.h"
#include "icons.h"
#include "pattern_sheet.h"
#include "sheet_layout.h"

namespace {

using namespace zorvel::artwork;

constexpr int kGreen = 0;
constexpr int kRed = 1;
constexpr int kAboutIconSize = 32;
constexpr int kAboutIconColours = 16;
constexpr int kFullColourIconSizes[] = {16, 48, 64, 128, 256};
// The sizes Windows shows its programs' icons in, largest first.
constexpr int kWindowsIconSizes[] = {256, 128, 64, 48, 32, 24, 16};
const char* const kSetNames[] = {"normal", "star", "onigiri"};

class Writer {
  public:
    void Save(const QImage& image, const QString& path) {
        if (!image.save(path)) {
            QTextStream(stderr) << "cannot write " << path << '\n';
            failed_ = true;
        }
    }

    void Save(const QByteArray& bytes, const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            QTextStream(stderr) << "cannot write " << path << '\n';
            failed_ = true;
        }
    }
    bool Failed() const { return failed_; }

  private:
    bool failed_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    // Everything is painted on images and no text is drawn, so no application object, and with it
    // no screen, is needed.
    if (argc != 4) {
        QTextStream(stderr) << "usage: zorvel_artgen PATTERN.bmp ICON_DIR HELP_IMAGE_DIR\n";
        return 2;
    }
    const QString pattern = QString::fromLocal8Bit(argv[1]);
    const QDir icons(QString::fromLocal8Bit(argv[2]));
    const QDir help(QString::fromLocal8Bit(argv[3]));
    for (const QDir& dir : {QFileInfo(pattern).dir(), icons, help}) {
        dir.mkpath(".");
    }

    Writer writer;
    // The 2x pictures are drawn again from the shapes, not enlarged, and named like
    // "set-star@2x.png" beside the 1x ones.
    for (int scale : {1, 2}) {
        const auto named = [scale](const QString& path) {
            return scale == 1 ? path : zorvel::common::HighResolutionPath(path);
        };
        const QImage sheet = PatternSheet(scale);
        writer.Save(sheet, named(pattern));
        for (int set = 0; set < kSetCount; ++set) {
            writer.Save(SetStrip(sheet, set),
                        named(help.filePath(QString("set-%1.png").arg(kSetNames[set]))));
        }
        writer.Save(OpeningBoard(sheet), named(help.filePath("board-opening.png")));

        const int iconSize = kAboutIconSize * scale;
        writer.Save(ReduceColours(StoneIcon(kRed, iconSize), kAboutIconColours),
                    named(icons.filePath("zorvel-32.png")));
        writer.Save(ReduceColours(StoneIcon(kGreen, iconSize), kAboutIconColours),
                    named(icons.filePath("zorvel-green-32.png")));
    }
    for (int size : kFullColourIconSizes) {
        writer.Save(StoneIcon(kRed, size), icons.filePath(QString("zorvel-%1.png").arg(size)));
    }
    QList<QImage> windowsIcon;
    for (int size : kWindowsIconSizes) {
        windowsIcon.append(StoneIcon(kRed, size));
    }
    writer.Save(IconFile(windowsIcon), icons.filePath("zorvel.ico"));
    return writer.Failed() ? 1 : 0;
}
