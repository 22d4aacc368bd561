#include "sitemap.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

using zorvel::help::ContentsEntry;
using zorvel::help::kMaxContentsDepth;
using zorvel::help::kMaxContentsEntries;
using zorvel::help::ParseSitemap;

namespace {

QString Item(const QString& name, const QString& local) {
    return QStringLiteral(R"(<LI><OBJECT type="text/sitemap"><param name="Name" value="%1">)"
                          R"(<param name="Local" value="%2"></OBJECT>)")
        .arg(name, local);
}

// Depths start at 0, grow by at most one per entry and stay below the limit.
void VerifyDepths(const QList<ContentsEntry>& entries) {
    int previous = -1;
    for (const ContentsEntry& entry : entries) {
        QVERIFY(entry.depth >= 0);
        QVERIFY(entry.depth <= previous + 1);
        QVERIFY(entry.depth < kMaxContentsDepth);
        previous = entry.depth;
    }
}

}  // namespace

class SitemapTest : public QObject {
    Q_OBJECT

  private slots:
    void readsEntries_data();
    void readsEntries();
    void staysBounded_data();
    void staysBounded();
};

void SitemapTest::readsEntries_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QList<ContentsEntry>>("expected");

    QTest::newRow("flat list") << "<UL>" + Item("あ", "a.html") + Item("い", "b.html") + "</UL>"
                               << QList<ContentsEntry>{{0, "あ", "a.html"}, {0, "い", "b.html"}};
    QTest::newRow("nested lists") << "<UL>" + Item("1", "1.html") + "<UL>" +
                                         Item("1.1", "11.html") + "<UL>" +
                                         Item("1.1.1", "111.html") + "</UL></UL>" +
                                         Item("2", "2.html") + "</UL>"
                                  << QList<ContentsEntry>{{0, "1", "1.html"},
                                                          {1, "1.1", "11.html"},
                                                          {2, "1.1.1", "111.html"},
                                                          {0, "2", "2.html"}};
    QTest::newRow("site properties object is not an entry")
        << R"(<OBJECT type="text/site properties"><param name="Name" value="x"></OBJECT>)"
           "<UL>" +
               Item("a", "a.html") + "</UL>"
        << QList<ContentsEntry>{{0, "a", "a.html"}};
    QTest::newRow("any case, single and bare quotes")
        << "<ul><li><object TYPE='Text/Sitemap'><PARAM NAME=name VALUE='Rules'>"
           "<param name=LOCAL value=rules.html#pass></object></ul>"
        << QList<ContentsEntry>{{0, "Rules", "rules.html#pass"}};
    QTest::newRow("entities and a '>' inside a value")
        << "<UL>" + Item("A &amp; B &gt; C &#x3042;&#12356;", "x.html") + "</UL>"
        << QList<ContentsEntry>{{0, "A & B > C あい", "x.html"}};
    QTest::newRow("raw '>' in a quoted value")
        << R"(<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="a > b">)"
           R"(<param name="Local" value="a.html"></OBJECT></UL>)"
        << QList<ContentsEntry>{{0, "a > b", "a.html"}};
    QTest::newRow("first Name and Local win")
        << R"(<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="first">)"
           R"(<param name="Name" value="second"><param name="Local" value="1.html">)"
           R"(<param name="Local" value="2.html"></OBJECT></UL>)"
        << QList<ContentsEntry>{{0, "first", "1.html"}};
    QTest::newRow("heading without a page")
        << "<UL>" + Item("heading", "") + "</UL>" << QList<ContentsEntry>{{0, "heading", ""}};
    QTest::newRow("nameless entry is skipped")
        << "<UL>" + Item("", "a.html") + Item("b", "b.html") + "</UL>"
        << QList<ContentsEntry>{{0, "b", "b.html"}};
    QTest::newRow("comment hides an entry")
        << "<UL><!-- " + Item("hidden", "h.html") + " -->" + Item("shown", "s.html") + "</UL>"
        << QList<ContentsEntry>{{0, "shown", "s.html"}};
    QTest::newRow("entries outside any list")
        << Item("a", "a.html") + Item("b", "b.html")
        << QList<ContentsEntry>{{0, "a", "a.html"}, {0, "b", "b.html"}};
    QTest::newRow("jump of several levels is one level")
        << "<UL>" + Item("a", "a.html") + "<UL><UL><UL>" + Item("b", "b.html") +
               "</UL></UL></UL></UL>"
        << QList<ContentsEntry>{{0, "a", "a.html"}, {1, "b", "b.html"}};
    QTest::newRow("first entry deep inside lists is at the top")
        << "<UL><UL><UL>" + Item("a", "a.html") + "</UL></UL></UL>"
        << QList<ContentsEntry>{{0, "a", "a.html"}};
    QTest::newRow("stray list ends do not go below the top")
        << "</UL></UL></UL><UL>" + Item("a", "a.html") + "<UL>" + Item("b", "b.html")
        << QList<ContentsEntry>{{0, "a", "a.html"}, {1, "b", "b.html"}};
    QTest::newRow("object never closed")
        << R"(<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="a">)"
        << QList<ContentsEntry>{};
    QTest::newRow("cut inside a tag")
        << "<UL>" + Item("a", "a.html") + R"(<LI><OBJECT type="text/si)"
        << QList<ContentsEntry>{{0, "a", "a.html"}};
    QTest::newRow("unterminated quote") << "<UL>" + Item("a", "a.html") + R"(<param name="Name>)"
                                        << QList<ContentsEntry>{{0, "a", "a.html"}};
    QTest::newRow("plain text") << "no sitemap here < at all >" << QList<ContentsEntry>{};
}

void SitemapTest::readsEntries() {
    QFETCH(QString, html);
    QFETCH(QList<ContentsEntry>, expected);
    const QList<ContentsEntry> entries = ParseSitemap(html);
    QCOMPARE(entries.size(), expected.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i].depth, expected[i].depth);
        QCOMPARE(entries[i].name, expected[i].name);
        QCOMPARE(entries[i].local, expected[i].local);
    }
}

void SitemapTest::staysBounded_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<qsizetype>("expectedCount");  // -1: any
    QTest::addColumn<int>("expectedDeepest");      // -1: any

    QString deep;
    for (int level = 0; level < 3000; ++level) {
        deep += "<UL>" + Item(QString::number(level), "p.html");
    }
    QTest::newRow("3000 nested lists") << deep << qsizetype(3000) << kMaxContentsDepth - 1;

    QTest::newRow("too many entries")
        << "<UL>" + Item("x", "x.html").repeated(kMaxContentsEntries + 500) + "</UL>"
        << qsizetype(kMaxContentsEntries) << 0;

    QTest::newRow("a million list starts")
        << QString("<UL>").repeated(1000000) + Item("a", "a.html") << qsizetype(1) << 0;

    QTest::newRow("a million unclosed tags")
        << QString("<a \"").repeated(1000000) << qsizetype(0) << -1;

    QRandomGenerator random(20240601);
    const QString alphabet = QStringLiteral("<>/\"'= &#;ULIOBJECTparmNLocvlu\n");
    for (int sample = 0; sample < 3; ++sample) {
        QString noise;
        for (int i = 0; i < 200000; ++i) {
            noise += alphabet[random.bounded(alphabet.size())];
        }
        QTest::newRow(qPrintable(QStringLiteral("random markup %1").arg(sample)))
            << noise << qsizetype(-1) << -1;
    }
}

void SitemapTest::staysBounded() {
    QFETCH(QString, html);
    QFETCH(qsizetype, expectedCount);
    QFETCH(int, expectedDeepest);
    const QList<ContentsEntry> entries = ParseSitemap(html);
    VerifyDepths(entries);
    QVERIFY(entries.size() <= kMaxContentsEntries);
    if (expectedCount >= 0) {
        QCOMPARE(entries.size(), expectedCount);
    }
    if (expectedDeepest >= 0) {
        const auto deepest = std::max_element(
            entries.begin(), entries.end(),
            [](const ContentsEntry& a, const ContentsEntry& b) { return a.depth < b.depth; });
        QCOMPARE(deepest->depth, expectedDeepest);
    }
}

QTEST_APPLESS_MAIN(SitemapTest)
#include "sitemap_test.moc"
