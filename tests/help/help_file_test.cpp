#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <memory>

#include "chm_file.h"
#include "chm_help.h"
#include "help_browser.h"
#include "help_picture.h"
#include "help_url.h"
#include "help_window.h"
#include "html_text.h"
#include "placed_file.h"
#include "sitemap.h"

using namespace zorvel::help;
using zorvel::testing::FileKind;
using zorvel::testing::PlaceFile;

namespace {

const QString kHelpFile = QStringLiteral(ZORVEL_HELP_FILE);

QList<ContentsEntry> Contents(const ChmFile& file) {
    const QStringList sitemaps = file.ObjectPaths().filter(QRegularExpression("\\.hhc$"));
    return sitemaps.size() == 1 ? ParseSitemap(DecodeHtml(file.Read(sitemaps.first()).value_or("")))
                                : QList<ContentsEntry>();
}

QByteArray HelpFileBytes() {
    QFile file(kHelpFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString MessageFor(const QString& path) {
    return QStringLiteral("ヘルプファイル \"%1\" を開けません。")
        .arg(QDir::toNativeSeparators(path));
}

// A page the help file might hold, served under kPage; everything it names comes from the file.
const QUrl kPage(QStringLiteral("chm:/hostile/page.html"));

class PageBrowser : public HelpBrowser {
  public:
    explicit PageBrowser(QString page) : page_(std::move(page)) {}
    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name == kPage) return page_;
        return HelpBrowser::loadResource(type, name);
    }

  private:
    QString page_;
};

// Stands in for the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> opened;

  public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// The names of all anchors and the sources of all pictures of a shown page.
struct PageParts {
    QSet<QString> anchors;
    QStringList pictures;
};

// The colour of the page's first top-level heading as drawn.
QColor HeadingColor(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1 && !block.begin().atEnd()) {
            return block.begin().fragment().charFormat().foreground().color();
        }
    }
    return {};
}

// The sizes of a page's pictures as its layout draws them: of what the viewer gave, or of what Qt
// read in its place.
QList<QSizeF> ShownPictureSizes(QTextDocument& document) {
    QList<QSizeF> sizes;
    QTextObjectInterface* pictures =
        document.documentLayout()->handlerForObject(QTextFormat::ImageObject);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                sizes.append(
                    pictures->intrinsicSize(&document, fragment.position(), fragment.charFormat()));
        }
    }
    return sizes;
}

PageParts PartsOf(const QTextDocument& document) {
    PageParts parts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames()) {
                parts.anchors.insert(name);
            }
            if (format.isImageFormat()) {
                parts.pictures.append(format.toImageFormat().name());
            }
        }
    }
    return parts;
}

}  // namespace

class HelpFileTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void contentsListEveryPage();
    void pages_data();
    void pages();
    void links_data();
    void links();
    void picturesForTheScreen_data();
    void picturesForTheScreen();
    void foreignResourcesAreNotLoaded_data();
    void foreignResourcesAreNotLoaded();
    void picturesAreDecodedWithinALimit_data();
    void picturesAreDecodedWithinALimit();
    void unreadableFile_data();
    void unreadableFile();
    void everyTruncationIsReported();
    void fileReadAgainOnceRepaired();

  private:
    std::unique_ptr<ChmFile> file_;
    QWidget owner_;
    HelpWindow* window_ = nullptr;
};

void HelpFileTest::initTestCase() {
    LoadHelpLibrary();
    QVERIFY(HelpAvailable());
    file_ = std::make_unique<ChmFile>(HelpReader(), kHelpFile);
    QVERIFY2(file_->isOpen(), qPrintable(kHelpFile));
    window_ = new HelpWindow(HelpReader(), &owner_);
    window_->ShowFile(kHelpFile);
    QVERIFY(window_->FileReadable());
}

void HelpFileTest::contentsListEveryPage() {
    QSet<QString> listed;
    for (const ContentsEntry& entry : Contents(*file_)) {
        listed.insert(ArchivePath(ArchiveUrl(entry.local)));
    }
    const QStringList pages = file_->ObjectPaths().filter(QRegularExpression("\\.html$"));
    QVERIFY(pages.size() >= 8);
    for (const QString& page : pages) {
        QVERIFY2(listed.contains(page), qPrintable(page));
    }

    QStringList shown;
    for (QTreeWidgetItemIterator it(window_->findChild<QTreeWidget*>()); *it; ++it) {
        shown.append((*it)->text(0));
    }
    QStringList names;
    for (const ContentsEntry& entry : Contents(*file_)) {
        names.append(entry.name);
    }
    QCOMPARE(shown, names);

    // Windows' viewer reads the contents in the Japanese code page, whatever the file declares.
    const QStringList sitemaps = file_->ObjectPaths().filter(QRegularExpression("\\.hhc$"));
    const QByteArray stored = file_->Read(sitemaps.value(0)).value_or("");
    QStringEncoder japanese("windows-31j");
    QVERIFY(stored.contains(QByteArray(japanese.encode(u"コンピュータの考え方"))));
}

void HelpFileTest::pages_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("local");
    for (const ContentsEntry& entry : Contents(ChmFile(HelpReader(), kHelpFile))) {
        QTest::newRow(qPrintable(entry.local)) << entry.name << entry.local;
    }
}

void HelpFileTest::pages() {
    QFETCH(QString, name);
    QFETCH(QString, local);
    auto* contents = window_->findChild<QTreeWidget*>();
    auto* browser = window_->findChild<QTextBrowser*>();
    const QList<QTreeWidgetItem*> items =
        contents->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(items.size(), 1);
    contents->setCurrentItem(items.first());

    const QUrl url = ArchiveUrl(local);
    QCOMPARE(browser->source(), url);
    // Scrolled away, a click on the selected entry shows its place again.
    QScrollBar* scrollBar = browser->verticalScrollBar();
    const int place = scrollBar->value();
    scrollBar->setValue(scrollBar->maximum());
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualItemRect(items.first()).center());
    QCOMPARE(scrollBar->value(), place);
    const QString text = browser->toPlainText();
    QVERIFY(!text.trimmed().isEmpty());
    QVERIFY2(!text.contains(QStringLiteral("はヘルプファイルの中にありません")), qPrintable(text));
    // Decoded correctly: no replacement characters, no UTF-8 read as Latin-1.
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    QVERIFY(!text.contains(QStringLiteral("ã")));

    const PageParts parts = PartsOf(*browser->document());
    if (url.hasFragment()) {
        QVERIFY2(parts.anchors.contains(url.fragment()), qPrintable(url.fragment()));
    }
    static const QRegularExpression headingRule(
        QStringLiteral("h1\\s*\\{[^}]*color:\\s*(#[0-9a-fA-F]{6})"));
    const QString styleSheet = QString::fromUtf8(file_->Read("/style.css").value_or(""));
    QCOMPARE(HeadingColor(*browser->document()), QColor(headingRule.match(styleSheet).captured(1)));
    for (const QString& picture : parts.pictures) {
        const QVariant data = browser->loadResource(QTextDocument::ImageResource, QUrl(picture));
        QVERIFY2(data.value<QImage>() != MissingPicture(), qPrintable(picture));
    }

    // Every page, picture and style sheet that the page's source names is inside the file.
    const QString source = DecodeHtml(file_->Read(ArchivePath(url)).value_or(""));
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& match : reference.globalMatch(source)) {
        const QUrl target = url.resolved(QUrl(match.captured(1)));
        if (!IsWebLink(target)) {
            QVERIFY2(file_->Read(ArchivePath(target)), qPrintable(match.captured(1)));
        }
    }
}

void HelpFileTest::links_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("shownPage");   // empty: the page stays
    QTest::addColumn<QString>("shownEntry");  // the contents entry selected afterwards
    QTest::addColumn<QString>("openedUrl");   // handed to the desktop's browser

    const QString welcome = QStringLiteral("Zorblin Veltor へようこそ");
    QTest::newRow("page") << "rules.html"
                          << "chm:/rules.html"
                          << "ルール"
                          << "";
    QTest::newRow("place on a page") << "options.html#attack"
                                     << "chm:/options.html#attack"
                                     << "First Attack"
                                     << "";
    QTest::newRow("place not in the contents") << "howto.html#nowhere"
                                               << "chm:/howto.html#nowhere"
                                               << "遊び方"
                                               << "";
    QTest::newRow("rooted page") << "/menus.html"
                                 << "chm:/menus.html"
                                 << "メニュー"
                                 << "";
    QTest::newRow("cannot climb out of the file") << "../../debug.html"
                                                  << "chm:/debug.html"
                                                  << "デバッグ ウィンドウ"
                                                  << "";
    QTest::newRow("web page") << "https://example.org/zorvel"
                              << "" << welcome << "https://example.org/zorvel";
    QTest::newRow("plain web page") << "http://example.org/"
                                    << "" << welcome << "http://example.org/";
    QTest::newRow("web scheme without a host") << "http:zorvel"
                                               << "" << welcome << "";
    QTest::newRow("mail") << "mailto:someone@example.org"
                          << "" << welcome << "";
    QTest::newRow("local file") << "file:///etc/passwd"
                                << "" << welcome << "";
    QTest::newRow("local file in capitals") << "FILE:///etc/passwd"
                                            << "" << welcome << "";
    QTest::newRow("path without a scheme") << "/etc/passwd"
                                           << "chm:/etc/passwd" << welcome << "";
    QTest::newRow("script") << "javascript:alert(1)"
                            << "" << welcome << "";
}

void HelpFileTest::links() {
    QFETCH(QString, link);
    QFETCH(QString, shownPage);
    QFETCH(QString, shownEntry);
    QFETCH(QString, openedUrl);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    auto* contents = window_->findChild<QTreeWidget*>();
    auto* browser = window_->findChild<QTextBrowser*>();
    contents->setCurrentItem(contents->topLevelItem(0));
    const QUrl first = browser->source();

    emit browser->anchorClicked(QUrl(link));
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("https");

    QCOMPARE(browser->source(), shownPage.isEmpty() ? first : QUrl(shownPage));
    QCOMPARE(contents->currentItem()->text(0), shownEntry);
    QCOMPARE(catcher.opened, openedUrl.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(openedUrl)});
}

// Run at QT_SCALE_FACTOR=2 too: there a picture comes from its 2x twin, at the same logical size.
void HelpFileTest::picturesForTheScreen_data() {
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QSize>("size");  // logical pixels
    QTest::newRow("set strip") << QUrl("chm:/images/set-star.png") << QSize(440, 40);
    QTest::newRow("board") << QUrl("chm:/images/board-opening.png") << QSize(320, 320);
}

void HelpFileTest::picturesForTheScreen() {
    QFETCH(QUrl, url);
    QFETCH(QSize, size);
    auto* browser = window_->findChild<QTextBrowser*>();
    const QVariant data = browser->loadResource(QTextDocument::ImageResource, url);
    const QImage picture = data.value<QImage>();
    const qreal ratio = browser->devicePixelRatioF();
    QCOMPARE(picture.devicePixelRatio(), ratio);
    QCOMPARE(picture.size(), size * ratio);
}

// A page of the file that names a picture and a style sheet outside it, in the folder of the test:
// a real one, a FIFO or a link to /dev/zero. Nothing is read from there; the picture is shown as
// missing and the style sheet is not applied.
void HelpFileTest::foreignResourcesAreNotLoaded_data() {
    QTest::addColumn<QString>("picture");  // %1: the folder
    QTest::addColumn<QString>("styleSheet");
    QTest::newRow("file: URLs") << "file://%1/picture.png"
                                << "file://%1/style.css";
    QTest::newRow("FILE: URLs") << "FILE://%1/picture.png"
                                << "FILE://%1/style.css";
    QTest::newRow("file: URLs without a host") << "file:%1/picture.png"
                                               << "file:%1/style.css";
    QTest::newRow("paths without a scheme") << "%1/picture.png"
                                            << "%1/style.css";
    QTest::newRow("relative paths") << "../../../../../../../..%1/picture.png"
                                    << "../../../../../../../..%1/style.css";
    QTest::newRow("FIFOs") << "file://%1/fifo.png"
                           << "file://%1/fifo.css";
    QTest::newRow("links to /dev/zero") << "file://%1/zero.png"
                                        << "file://%1/zero.css";
    // Qt keeps what it loaded by its URL, whatever it was loaded as, and reads a picture by its
    // name itself when what it kept is none.
    QTest::newRow("a picture by the style sheet's name") << "%1/picture.png"
                                                         << "%1/picture.png";
    QTest::newRow("a FIFO by the style sheet's name") << "%1/fifo.png"
                                                      << "%1/fifo.png";
    QTest::newRow("program resources") << "qrc:/qt-project.org/qmessagebox/images/qtlogo-64.png"
                                       << "qrc:/qt-project.org/qmessagebox/images/qtlogo-64.png";
    QTest::newRow("program resources by path")
        << ":/qt-project.org/qmessagebox/images/qtlogo-64.png"
        << ":/qt-project.org/qmessagebox/images/qtlogo-64.png";
    QTest::newRow("web") << "http://example.org/picture.png"
                         << "http://example.org/style.css";
    QTest::newRow("missing objects") << "chm:/images/none.png"
                                     << "chm:/none.css";
}

void HelpFileTest::foreignResourcesAreNotLoaded() {
    QFETCH(QString, picture);
    QFETCH(QString, styleSheet);
    QTemporaryDir folder;
    QImage(7, 5, QImage::Format_RGB32).save(folder.filePath(QStringLiteral("picture.png")));
    QFile css(folder.filePath(QStringLiteral("style.css")));
    QVERIFY(css.open(QIODevice::WriteOnly));
    css.write("h1 { color: #123456 }");
    css.close();
    for (const char* kind : {"png", "css"}) {
        PlaceFile(folder.filePath(QStringLiteral("fifo.%1").arg(kind)), FileKind::Fifo);
        PlaceFile(folder.filePath(QStringLiteral("zero.%1").arg(kind)), FileKind::DeviceLink);
    }
    PageBrowser browser(
        QStringLiteral("<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"%1\"></head>"
                       "<body><h1>Heading</h1><p><img src=\"%2\"></p></body></html>")
            .arg(styleSheet.replace(QStringLiteral("%1"), folder.path()),
                 picture.replace(QStringLiteral("%1"), folder.path())));
    browser.SetHelpFile(file_.get());
    browser.setSource(kPage);

    QVERIFY(HeadingColor(*browser.document()) != QColor(0x12, 0x34, 0x56));
    QCOMPARE(ShownPictureSizes(*browser.document()), QList<QSizeF>{MissingPicture().size()});
}

// A picture of the file that would take more memory than any help page's is not decoded: a few
// kilobytes of PNG can claim gigabytes.
void HelpFileTest::picturesAreDecodedWithinALimit_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("decoded");
    const auto picture = [](int width, int height, const char* kind) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, kind);
        return data;
    };
    QTest::newRow("PNG of 2048 x 2048") << picture(2048, 2048, "PNG") << true;
    QTest::newRow("PNG of 2049 x 2048") << picture(2049, 2048, "PNG") << false;
    QTest::newRow("JPEG") << picture(16, 16, "JPEG") << true;
    QTest::newRow("BMP") << picture(16, 16, "BMP") << true;
    QTest::newRow("SVG, which may name other files")
        << QByteArray(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\">"
               "<rect width=\"16\" height=\"16\"/></svg>")
        << false;
}

void HelpFileTest::picturesAreDecodedWithinALimit() {
    QFETCH(QByteArray, data);
    QFETCH(bool, decoded);
    QCOMPARE(!DecodePicture(data).isNull(), decoded);
}

void HelpFileTest::unreadableFile_data() {
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");

    const QByteArray real = HelpFileBytes();
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    QRandomGenerator random(5);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);

    QTest::newRow("missing") << FileKind::Regular << QByteArray() << false;
    QTest::newRow("empty") << FileKind::Regular << QByteArray() << true;
    QTest::newRow("header only") << FileKind::Regular << real.left(100) << true;
    QTest::newRow("random bytes") << FileKind::Regular << noise << true;
    QTest::newRow("real header, random rest")
        << FileKind::Regular << real.left(0x60) + noise << true;
    QTest::newRow("plain text") << FileKind::Regular << QByteArray("<html>not compiled</html>")
                                << true;
    QTest::newRow("a FIFO") << FileKind::Fifo << QByteArray() << true;
    QTest::newRow("a directory") << FileKind::Directory << QByteArray() << true;
    QTest::newRow("a link to /dev/zero") << FileKind::DeviceLink << QByteArray() << true;
}

void HelpFileTest::unreadableFile() {
    QFETCH(FileKind, kind);
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zorvel.chm"));
    if (exists) PlaceFile(path, kind, content);

    QWidget owner;
    auto* window = new HelpWindow(HelpReader(), &owner);
    window->ShowFile(path);
    QVERIFY(window->isVisible());
    QVERIFY(!window->FileReadable());
    auto* message = window->findChild<QLabel*>();
    QVERIFY(message->isVisible());
    QCOMPARE(message->text(), MessageFor(path));
    QVERIFY(!window->findChild<QTextBrowser*>()->isVisible());
}

void HelpFileTest::everyTruncationIsReported() {
    const QByteArray real = HelpFileBytes();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cut.chm"));
    QWidget owner;
    auto* window = new HelpWindow(HelpReader(), &owner);
    for (qsizetype length = 0; length < real.size(); length += 1499) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(real.left(length));
        file.close();
        window->ShowFile(path);
        QVERIFY2(!window->FileReadable(), qPrintable(QString::number(length)));
    }
}

void HelpFileTest::fileReadAgainOnceRepaired() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zorvel.chm"));
    QWidget owner;
    auto* window = new HelpWindow(HelpReader(), &owner);
    window->ShowFile(path);
    QVERIFY(!window->FileReadable());

    QVERIFY(QFile::copy(kHelpFile, path));
    window->showMinimized();
    window->ShowFile(path);
    QVERIFY(window->FileReadable());
    QVERIFY(!window->isMinimized());
    QVERIFY(window->findChild<QTextBrowser*>()->isVisible());
    QVERIFY(!window->findChild<QLabel*>()->isVisible());
}

QTEST_MAIN(HelpFileTest)
#include "help_file_test.moc"
