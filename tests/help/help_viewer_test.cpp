// The help link on Windows: the system's viewer is loaded at start-up, and without it, or without
// its entry point, Help does nothing.
#include <QApplication>
#include <QTest>
#include <QWidget>

#include "chm_help.h"

using namespace zorvel::help;

class HelpViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { UnloadHelpLibrary(); }

    void viewerLibrary_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("available");
        QTest::newRow("the system's viewer") << "hhctrl.ocx" << true;
        QTest::newRow("no such library") << "zorvel-no-such-viewer.ocx" << false;
        QTest::newRow("library without the entry point") << "kernel32.dll" << false;
    }

    void viewerLibrary() {
        QFETCH(QString, name);
        QFETCH(bool, available);
        LoadHelpLibrary(name);
        QCOMPARE(HelpAvailable(), available);
        UnloadHelpLibrary();
        QVERIFY(!HelpAvailable());
    }

    void withoutTheViewerHelpDoesNothing() {
        LoadHelpLibrary(QStringLiteral("zorvel-no-such-viewer.ocx"));
        QWidget owner;
        const QWidgetList before = QApplication::topLevelWidgets();
        ShowHelpFile(&owner, QStringLiteral("zorvel.chm"));
        QCOMPARE(QApplication::topLevelWidgets(), before);
    }

    void fileIsBesideTheExecutable() {
        QCOMPARE(HelpFilePath(QStringLiteral("zorvel.chm")),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/zorvel.chm"));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
