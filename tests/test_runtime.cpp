// Number readings, the money format and colours, under English
// settings and under settings that group with "." and mark decimals with ",".

#include "common/cardcolour.h"
#include "common/random.h"
#include "common/runtime.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <set>

class RuntimeTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void regionalReading_data();
    void regionalReading();
    void numberTexts();
    void moneyFormat_data();
    void moneyFormat();
    void colours();
    void randomStaysInRangeAndReseedsNeverRepeat();
};

void RuntimeTest::regionalReading_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("en whole") << "en_US"
                              << "2000" << true << 2000.0;
    QTest::newRow("en leading zero") << "en_US"
                                     << "01" << true << 1.0;
    QTest::newRow("en blanks") << "en_US"
                               << " 6 " << true << 6.0;
    QTest::newRow("en decimal") << "en_US"
                                << "1.5" << true << 1.5;
    QTest::newRow("en grouped") << "en_US"
                                << "2,000" << true << 2000.0;
    QTest::newRow("en negative") << "en_US"
                                 << "-3" << true << -3.0;
    QTest::newRow("en word") << "en_US"
                             << "Poker" << false << 0.0;
    QTest::newRow("en empty") << "en_US"
                              << "" << false << 0.0;
    QTest::newRow("en trailing junk") << "en_US"
                                      << "3x" << false << 0.0;
    QTest::newRow("C decimal") << "C"
                               << "1.5" << true << 1.5;
    QTest::newRow("de decimal comma") << "de_DE"
                                      << "1,5" << true << 1.5;
    QTest::newRow("de grouped") << "de_DE"
                                << "2.000" << true << 2000.0;
    QTest::newRow("de whole") << "de_DE"
                              << "6" << true << 6.0;
    QTest::newRow("de word") << "de_DE"
                             << "sechs" << false << 0.0;
}

void RuntimeTest::regionalReading() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    QLocale::setDefault(QLocale(locale));
    const auto read = runtime::regionalNumber(text);
    QCOMPARE(read.has_value(), ok);
    if (ok)
        QCOMPARE(*read, value);
}

void RuntimeTest::numberTexts() {
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QCOMPARE(runtime::numberText(std::int64_t{4294967296}), QStringLiteral("4294967296"));
    QCOMPARE(runtime::numberText(std::int64_t{-40}), QStringLiteral("-40"));
    QCOMPARE(runtime::floorValue(3.99), 3.0);
    QCOMPARE(runtime::floorValue(-0.5), -1.0);
}

void RuntimeTest::moneyFormat_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("shown");
    QTest::newRow("C zero") << "C" << qint64(0) << "0.00";
    QTest::newRow("C thousands") << "C" << qint64(2000) << "2,000.00";
    QTest::newRow("en small") << "en_US" << qint64(40) << "40.00";
    QTest::newRow("en hundreds") << "en_US" << qint64(999) << "999.00";
    QTest::newRow("en ten thousand") << "en_US" << qint64(10000) << "10,000.00";
    QTest::newRow("en millions") << "en_US" << qint64(2147483647) << "2,147,483,647.00";
    QTest::newRow("en beyond 32 bits") << "en_US" << qint64(4294967296) << "4,294,967,296.00";
    QTest::newRow("en negative") << "en_US" << qint64(-1500) << "-1,500.00";
    QTest::newRow("de thousands") << "de_DE" << qint64(2000) << "2.000,00";
    QTest::newRow("de millions") << "de_DE" << qint64(1234567) << "1.234.567,00";
    QTest::newRow("de zero") << "de_DE" << qint64(0) << "0,00";
}

void RuntimeTest::moneyFormat() {
    QFETCH(QString, locale);
    QFETCH(qint64, amount);
    QFETCH(QString, shown);
    QLocale::setDefault(locale == QLatin1String("C") ? QLocale::c() : QLocale(locale));
    QCOMPARE(runtime::moneyFormat(amount), shown);
}

void RuntimeTest::colours() {
    QCOMPARE(runtime::rgb(256, 0, 0), 255u);
    QCOMPARE(runtime::rgb(0, 0, 256), 16711680u);
    QCOMPARE(runtime::rgb(256, 256, 0), 65535u);
    QCOMPARE(runtime::rgb(0, 256, 0), 65280u);
    QCOMPARE(runtime::rgb(225, 275, 275), runtime::rgb(225, 255, 255));
    QCOMPARE(runtime::rgb(-5, 0, 0), 0u);
    QCOMPARE(colourFromDrawCode(1), std::optional(CardColour::Red));
    QCOMPARE(colourFromDrawCode(4), std::optional(CardColour::Green));
    QVERIFY(!colourFromDrawCode(0));
    QVERIFY(!colourFromDrawCode(5));
}

void RuntimeTest::randomStaysInRangeAndReseedsNeverRepeat() {
    ClockRandom random(42);
    std::set<float> firsts;
    for (int i = 0; i < 2000; ++i) {
        // Re-seeding back to back, far faster than any clock tick.
        random.reseed();
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        firsts.insert(r);
        QVERIFY(std::floor(static_cast<double>(r) * 4 + 1) <= 4);
    }
    // 2000 draws from 2^24 values: a repeat now and then is chance, a restarted
    // sequence would repeat nearly all of them.
    QVERIFY(firsts.size() > 1990);
}

QTEST_GUILESS_MAIN(RuntimeTest)
#include "test_runtime.moc"
