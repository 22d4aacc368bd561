// Help files that open as files but whose contents are broken: the window shows what can be
// understood of them, within the limits of the contents reader, or says it cannot read the file.
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "chm_help.h"
#include "help_window.h"
#include "sitemap.h"

using namespace zorvel::help;

namespace {

int DepthOf(const QTreeWidgetItem* item) {
    int depth = 1;
    for (; item->parent() != nullptr; item = item->parent()) ++depth;
    return depth;
}

}  // namespace

class BadContentsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        LoadHelpLibrary();
        QVERIFY(HelpAvailable());
    }
    void showsWhatCanBeRead_data();
    void showsWhatCanBeRead();
};

void BadContentsTest::showsWhatCanBeRead_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("firstEntries");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("levels");
    QTest::newRow("malformed") << "malformed" << QStringList{"Top", "Second"} << 2 << 2;
    QTest::newRow("nested 10,100 lists deep")
        << "deep" << QStringList{"Entry", "Entry"} << 100 << kMaxContentsDepth;
    QTest::newRow("5,000 entries") << "long" << QStringList{"Entry"} << kMaxContentsEntries << 1;
    QTest::newRow("no entry") << "empty" << QStringList() << 0 << 0;
}

void BadContentsTest::showsWhatCanBeRead() {
    QFETCH(QString, name);
    QFETCH(QStringList, firstEntries);
    QFETCH(int, entries);
    QFETCH(int, levels);
    QWidget owner;
    auto* window = new HelpWindow(HelpReader(), &owner);
    window->ShowFile(QStringLiteral(ZORVEL_BAD_CONTENTS_DIR "/%1.chm").arg(name));
    QCOMPARE(window->FileReadable(), entries > 0);
    QCOMPARE(window->findChild<QLabel*>()->isVisible(), entries == 0);

    QStringList shown;
    int deepest = 0;
    for (QTreeWidgetItemIterator it(window->findChild<QTreeWidget*>()); *it; ++it) {
        shown.append((*it)->text(0));
        deepest = std::max(deepest, DepthOf(*it));
    }
    QCOMPARE(shown.size(), entries);
    QCOMPARE(shown.mid(0, firstEntries.size()), firstEntries);
    QCOMPARE(deepest, levels);
}

QTEST_MAIN(BadContentsTest)
#include "bad_contents_test.moc"
