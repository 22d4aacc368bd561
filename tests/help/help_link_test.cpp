#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QWhatsThis>

#include "chm_help.h"
#include "help_window.h"

using namespace zorvel::help;

namespace {

const QString kHelpFileName = QStringLiteral("zorvel.chm");

QList<HelpWindow*> HelpWindows(const QWidget& owner) {
    return owner.findChildren<HelpWindow*>();
}

}  // namespace

class HelpLinkTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup();
    void readerLibrary_data();
    void readerLibrary();
    void fileIsBesideTheExecutableWhateverTheWorkingFolder();
    void oneWindowOwnedByTheCaller();
    void f1DoesNothing();
    void openWindowKeepsTheReaderAfterUnload();
};

void HelpLinkTest::cleanup() {
    UnloadHelpLibrary();
}

void HelpLinkTest::readerLibrary_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("available");

    QTest::newRow("chmlib") << "chm" << 1 << true;
    QTest::newRow("no such library") << "zorvel-no-such-reader" << 1 << false;
    QTest::newRow("no such version") << "chm" << 99 << false;
    QTest::newRow("library without the entry points") << "m" << 6 << false;
}

void HelpLinkTest::readerLibrary() {
    QFETCH(QString, name);
    QFETCH(int, version);
    QFETCH(bool, available);

    LoadHelpLibrary(name, version);
    QCOMPARE(HelpAvailable(), available);
    QCOMPARE(HelpReader() != nullptr, available);

    QWidget owner;
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
    ShowHelpFile(&owner, kHelpFileName);
    QCOMPARE(HelpWindows(owner).size(), available ? 1 : 0);
    if (available) {
        QVERIFY(HelpWindows(owner).first()->isVisible());
        QVERIFY(HelpWindows(owner).first()->FileReadable());
    } else {
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    }
}

void HelpLinkTest::fileIsBesideTheExecutableWhateverTheWorkingFolder() {
    // A damaged file of the same name in the working folder must not be the one opened.
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QFile decoy(elsewhere.filePath(kHelpFileName));
    QVERIFY(decoy.open(QIODevice::WriteOnly));
    decoy.write("not a help file");
    decoy.close();
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    LoadHelpLibrary();
    QWidget owner;
    ShowHelpFile(&owner, kHelpFileName);
    QDir::setCurrent(previous);

    const QString besideExecutable = QCoreApplication::applicationDirPath() + "/" + kHelpFileName;
    QCOMPARE(HelpFilePath(kHelpFileName), besideExecutable);
    QCOMPARE(HelpWindows(owner).size(), 1);
    QCOMPARE(HelpWindows(owner).first()->FilePath(), besideExecutable);
    QVERIFY(HelpWindows(owner).first()->FileReadable());
}

void HelpLinkTest::oneWindowOwnedByTheCaller() {
    LoadHelpLibrary();
    QWidget owner;
    ShowHelpFile(&owner, kHelpFileName);
    HelpWindow* window = HelpWindows(owner).first();
    QCOMPARE(window->parentWidget(), &owner);
    QVERIFY(window->isWindow());
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("Zorblin Veltor ヘルプ"));

    window->hide();
    ShowHelpFile(&owner, kHelpFileName);
    QCOMPARE(HelpWindows(owner), QList<HelpWindow*>{window});
    QVERIFY(window->isVisible());
}

void HelpLinkTest::f1DoesNothing() {
    LoadHelpLibrary();
    QWidget owner;
    ShowHelpFile(&owner, kHelpFileName);
    HelpWindow* window = HelpWindows(owner).first();
    auto* browser = window->findChild<QTextBrowser*>();
    const QUrl page = browser->source();
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();

    for (QWidget* target : {static_cast<QWidget*>(window), static_cast<QWidget*>(browser),
                            static_cast<QWidget*>(window->findChild<QTreeWidget*>()), &owner}) {
        QTest::keyClick(target, Qt::Key_F1);
        QTest::keyClick(target, Qt::Key_F1, Qt::ShiftModifier);
    }
    QCOMPARE(browser->source(), page);
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    QCOMPARE(HelpWindows(owner).size(), 1);
    QVERIFY(!QWhatsThis::inWhatsThisMode());
}

void HelpLinkTest::openWindowKeepsTheReaderAfterUnload() {
    LoadHelpLibrary();
    QWidget owner;
    ShowHelpFile(&owner, kHelpFileName);
    UnloadHelpLibrary();
    QVERIFY(!HelpAvailable());

    // The window still reads pages from its file; it would crash if the reader were gone.
    HelpWindow* window = HelpWindows(owner).first();
    auto* contents = window->findChild<QTreeWidget*>();
    auto* browser = window->findChild<QTextBrowser*>();
    const QString firstPage = browser->toPlainText();
    contents->setCurrentItem(contents->topLevelItem(contents->topLevelItemCount() - 1));
    QVERIFY(!browser->toPlainText().isEmpty());
    QVERIFY(browser->toPlainText() != firstPage);

    // Help chosen now does nothing, as without the reader.
    window->hide();
    ShowHelpFile(&owner, kHelpFileName);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(HelpLinkTest)
#include "help_link_test.moc"
