// config.not: its exact bytes, how lines read back, and the main menu's load
// with its defaults and rewrite.

#include "startup/settings.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {
const QByteArray defaultFile = QByteArray::fromHex("224967726163203122"
                                                   "0D0A"
                                                   "223122"
                                                   "0D0A"
                                                   "223122"
                                                   "0D0A"
                                                   "227822"
                                                   "0D0A");
}

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void defaultBytes();
    void valuesReadBackAsWritten_data();
    void valuesReadBackAsWritten();
    void readingLines_data();
    void readingLines();
    void menuLoad_data();
    void menuLoad();
    void writeReplacesWholeFile();
    void writeFailureLeavesFileAndSaysSo();
    void readersOfAMissingFile();
};

void SettingsTest::defaultBytes() {
    QCOMPARE(defaultFile.size(), 26);
    QCOMPARE(settingsBytes(Settings::defaults()), defaultFile);
}

void SettingsTest::valuesReadBackAsWritten_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Igrac 1";
    QTest::newRow("comma") << "Marko, Ana";
    QTest::newRow("blank") << " ";
    QTest::newRow("empty") << "";
    QTest::newRow("inner quote") << "Mali \"Zmaj\"";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Đorđe Šćepanović");
}

void SettingsTest::valuesReadBackAsWritten() {
    QFETCH(QString, name);
    TempProgramFolder folder;
    const Settings written{name, QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("x")};
    QVERIFY(writeSettings(folder.path(), written));
    QCOMPARE(readSettings(folder.path()), written);
}

void SettingsTest::readingLines_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("fields"); // "<missing>" marks a missing field
    const QString missing = QStringLiteral("<missing>");
    QTest::newRow("CR LF") << QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n")
                           << QStringList{"a", "b", "c", "d"};
    QTest::newRow("LF only") << QByteArray("\"a\"\n\"b\"\n\"c\"\n\"d\"\n")
                             << QStringList{"a", "b", "c", "d"};
    QTest::newRow("CR only") << QByteArray("\"a\"\r\"b\"\r\"c\"\r\"d\"\r")
                             << QStringList{"a", "b", "c", "d"};
    QTest::newRow("no final line end")
        << QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("three lines") << QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n")
                                 << QStringList{"a", "b", "c", missing};
    QTest::newRow("unquoted") << QByteArray("Ana\r\n2\r\n\"3\"\r\nx\r\n")
                              << QStringList{"Ana", "2", "3", "x"};
    QTest::newRow("one quote") << QByteArray("\"Ana\r\n\"2\"\r\n\"3\"\r\n\"x\"\r\n")
                               << QStringList{"\"Ana", "2", "3", "x"};
    QTest::newRow("text after quote") << QByteArray("\"Ana\" junk\r\n\"2\"\r\n\"3\"\r\n\"x\"\r\n")
                                      << QStringList{"Ana", "2", "3", "x"};
    QTest::newRow("empty lines are fields")
        << QByteArray("\r\n\r\n\"3\"\r\n\"x\"\r\n") << QStringList{"", "", "3", "x"};
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBF\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n")
        << QStringList{"a", "b", "c", "d"};
    QTest::newRow("lines after the fourth")
        << QByteArray("\"a\"\n\"b\"\n\"c\"\n\"d\"\n\"e\"\n") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty file") << QByteArray() << QStringList{missing, missing, missing, missing};
    QTest::newRow("NUL bytes") << QByteArray("\"a\0b\"\n\"1\"\n\"1\"\n\"x\"\n", 17)
                               << QStringList{QString::fromUtf8("a\0b", 3), "1", "1", "x"};
}

void SettingsTest::readingLines() {
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, fields);
    const SettingsFields read = parseSettings(contents);
    for (int i = 0; i < 4; ++i) {
        if (fields[i] == QLatin1String("<missing>"))
            QVERIFY2(!read[i], qPrintable(QStringLiteral("field %1 should be missing").arg(i + 1)));
        else {
            QVERIFY(read[i].has_value());
            QCOMPARE(*read[i], fields[i]);
        }
    }
}

void SettingsTest::menuLoad_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("copies");
    QTest::addColumn<QByteArray>("after"); // empty: unchanged
    const QStringList defaults{"Igrac 1", "1", "1", "x"};
    QTest::newRow("missing file") << false << QByteArray() << defaults << defaultFile;
    QTest::newRow("four good lines") << true << QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n\"o\"\r\n")
                                     << QStringList{"Ana", "3", "2", "o"} << QByteArray();
    QTest::newRow("empty name") << true << QByteArray("\"\"\r\n\"3\"\r\n\"2\"\r\n\"o\"\r\n")
                                << defaults << defaultFile;
    QTest::newRow("empty level") << true << QByteArray("\"Ana\"\r\n\"\"\r\n\"2\"\r\n\"o\"\r\n")
                                 << defaults << defaultFile;
    QTest::newRow("empty theme") << true << QByteArray("\"Ana\"\r\n\"3\"\r\n\"\"\r\n\"o\"\r\n")
                                 << defaults << defaultFile;
    QTest::newRow("two lines") << true << QByteArray("\"Ana\"\r\n\"3\"\r\n") << defaults
                               << defaultFile;
    QTest::newRow("three lines, no fourth") << true << QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n")
                                            << QStringList{"Ana", "3", "2", ""} << QByteArray();
    QTest::newRow("empty fourth") << true << QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n\"\"\r\n")
                                  << QStringList{"Ana", "3", "2", ""} << QByteArray();
    QTest::newRow("blank name is not empty")
        << true << QByteArray("\" \"\r\n\"1\"\r\n\"1\"\r\n\"x\"\r\n")
        << QStringList{" ", "1", "1", "x"} << QByteArray();
    QTest::newRow("more than four lines")
        << true << QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n\"o\"\r\n\"extra\"\r\n")
        << QStringList{"Ana", "3", "2", "o"} << QByteArray();
    QTest::newRow("binary garbage")
        << true << QByteArray("\x00\xFF\xFE\x01", 4) << defaults << defaultFile;
}

void SettingsTest::menuLoad() {
    QFETCH(bool, present);
    QFETCH(QByteArray, before);
    QFETCH(QStringList, copies);
    QFETCH(QByteArray, after);
    TempProgramFolder folder;
    if (present)
        folder.write(QStringLiteral("config.not"), before);
    const Settings loaded = loadMenuSettings(folder.path());
    QCOMPARE(loaded.playerName, copies[0]);
    QCOMPARE(loaded.startingStakeLevel, copies[1]);
    QCOMPARE(loaded.themeNumber, copies[2]);
    QCOMPARE(loaded.holdMarkerCaption, copies[3]);
    QCOMPARE(folder.read(QStringLiteral("config.not")), after.isEmpty() ? before : after);
}

void SettingsTest::writeReplacesWholeFile() {
    TempProgramFolder folder;
    folder.write(QStringLiteral("config.not"),
                 QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n\"o\"\r\n\"extra\"\r\n\"more\"\r\n"));
    QVERIFY(writeSettings(folder.path(), Settings::defaults()));
    QCOMPARE(folder.read(QStringLiteral("config.not")), defaultFile);
    // Three good lines read by the menu, then written back, gain an empty fourth line.
    folder.write(QStringLiteral("config.not"), QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n"));
    QVERIFY(writeSettings(folder.path(), loadMenuSettings(folder.path())));
    QCOMPARE(folder.read(QStringLiteral("config.not")),
             QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n\"\"\r\n"));
}

void SettingsTest::writeFailureLeavesFileAndSaysSo() {
    TempProgramFolder folder;
    // A directory where the file should be: every write must fail cleanly.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("config.not")));
    QVERIFY(!writeSettings(folder.path(), Settings::defaults()));
    QVERIFY(QFileInfo(folder.file(QStringLiteral("config.not"))).isDir());
    // The menu's load still ends with the defaults in its copies.
    QCOMPARE(loadMenuSettings(folder.path()), Settings::defaults());
}

void SettingsTest::readersOfAMissingFile() {
    TempProgramFolder folder;
    QCOMPARE(readSettings(folder.path()), Settings{});
    folder.write(QStringLiteral("config.not"), QByteArray("\"Ana\"\r\n\"2\"\r\n"));
    QCOMPARE(readSettings(folder.path()),
             (Settings{QStringLiteral("Ana"), QStringLiteral("2"), QString(), QString()}));
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
