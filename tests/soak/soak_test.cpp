// The soak: a seeded monkey on the real main window. By default a few fixed seeds; any seed and
// count with ZORVEL_SOAK_SEED and ZORVEL_SOAK_EVENTS.
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "about_box.h"
#include "chm_help.h"
#include "form_debug.h"
#include "monkey.h"

using namespace zorvel;

namespace {

constexpr long kEventsPerSeed = 5000;

// The offscreen platform says at every raise and keyboard grab that it cannot do them.
QtMessageHandler previousHandler = nullptr;

void DropPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support"))) {
        previousHandler(type, context, text);
    }
}

std::optional<qulonglong> FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return QByteArray(value).toULongLong();
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        previousHandler = qInstallMessageHandler(DropPlatformLimits);
        help::LoadHelpLibrary();
    }
    void monkey_data();
    void monkey();
};

void SoakTest::monkey_data() {
    QTest::addColumn<qulonglong>("seed");
    QTest::addColumn<qlonglong>("events");
    const auto seed = FromEnvironment("ZORVEL_SOAK_SEED");
    const auto events = FromEnvironment("ZORVEL_SOAK_EVENTS");
    if (seed || events) {
        QTest::addRow("seed %llu", seed.value_or(1))
            << seed.value_or(1) << qlonglong(events.value_or(kEventsPerSeed));
        return;
    }
    for (qulonglong fixed : {1, 2, 3, 4})
        QTest::addRow("seed %llu", fixed) << fixed << qlonglong(kEventsPerSeed);
}

void SoakTest::monkey() {
    QFETCH(qulonglong, seed);
    QFETCH(qlonglong, events);
    testing::WindowHarness harness;
    harness.Create();
    harness.form->show();
    debuglog::TFormDebug debug;
    about::TAboutBox about;
    soak::Monkey monkey(seed, harness, debug, about);
    monkey.Run(events);
    const soak::Journal& journal = monkey.Record();
    if (journal.Failed()) {
        std::fputs(journal.Report(seed).c_str(), stderr);
        QFAIL(journal.Failure().c_str());
    }
    QVERIFY(journal.Events() >= events);
    qInfo("seed %llu: %ld events", seed, journal.Events());
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
