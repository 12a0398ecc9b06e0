// The main menu's showing fills the image bank's four holders from the theme
// that config.not names, read from a real file in a throw-away program folder,
// with the player's own pictures for theme 6.

#include "common/imagebank.h"
#include "recordingswitcher.h"
#include "startup/glavnimeni.h"
#include "testsupport.h"
#include "userpictures.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QtEndian>
#include <array>

namespace {

QByteArray jpegOf(QColor colour, QSize size = {40, 60}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

const std::array<QColor, 4> userColours{QColor(10, 200, 30), QColor(240, 220, 20),
                                        QColor(20, 40, 230), QColor(220, 20, 20)};

QByteArray userFile(const QString& kind, int picture) {
    if (kind == QLatin1String("jpeg"))
        return jpegOf(userColours[picture - 1], {40 + picture, 60});
    if (kind == QLatin1String("garbage"))
        return QByteArray("\xFF\xD8\xFF\xE0 this is not really a picture", 34);
    if (kind == QLatin1String("text"))
        return QByteArray("Igrac 1\r\n");
    if (kind == QLatin1String("huge"))
        return pngDeclaring(30000, 30000);
    if (kind == QLatin1String("empty"))
        return QByteArray();
    QTest::qFail("unknown kind of user file", __FILE__, __LINE__);
    return {};
}

QImage comparable(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Every holder starts with a picture of its own, so that a holder the theme
// leaves alone is told from one it fills.
std::array<QPixmap, 4> fillWithSentinels(SveSlike& bank) {
    std::array<QPixmap, 4> sentinels;
    for (int i = 0; i < 4; ++i) {
        sentinels[i] = plainPicture(QColor(i * 60, 7, 7), {3, 3});
        bank.setHolder(holderOrder[i], sentinels[i]);
    }
    return sentinels;
}

struct ThemeRig {
    TempProgramFolder folder;
    SveSlike bank;
    RecordingSwitcher switcher;
    glavniMeni menu{switcher, bank};
    std::array<QPixmap, 4> sentinels = fillWithSentinels(bank);

    void setTheme(const QString& theme) {
        folder.write(QStringLiteral("config.not"),
                     settingsBytes(
                         {QStringLiteral("Ana"), QStringLiteral("2"), theme, QStringLiteral("x")}));
    }
    void showMenu() {
        menu.Hide();
        menu.Show();
    }
    // What a holder holds: "S" its sentinel, "T<n>" the built-in picture of
    // theme n, "U" the player's own picture from Grafika, "?" anything else,
    // also an empty picture: a build without its pictures must not pass.
    QString holding(int picture) const {
        const QPixmap& held = bank.holder(holderOrder[picture - 1]);
        if (held.isNull())
            return QStringLiteral("?");
        if (held.cacheKey() == sentinels[picture - 1].cacheKey())
            return QStringLiteral("S");
        for (int theme = 1; theme <= 5; ++theme)
            if (held.cacheKey() == bank.themePicture(theme, picture).cacheKey())
                return QStringLiteral("T%1").arg(theme);
        const QImage user(folder.file(userPictureName(picture)));
        if (!user.isNull() && comparable(held) == shownOnACard(user))
            return QStringLiteral("U");
        return QStringLiteral("?");
    }
    QString holdings() const {
        return QStringList{holding(1), holding(2), holding(3), holding(4)}.join(u' ');
    }
};

} // namespace

class ThemeTest : public QObject {
    Q_OBJECT
private slots:
    void themeOfTheFile_data();
    void themeOfTheFile();
    void everyShowingAppliesTheThemeAnew();
    void missingFileGivesThemeOne();
};

void ThemeTest::themeOfTheFile_data() {
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QStringList>("userFiles"); // "n:kind" for Grafika/temaKorisnicki0n.jpg
    QTest::addColumn<QString>("holders");       // green yellow blue red
    QTest::newRow("1") << "1" << QStringList{} << "T1 T1 T1 T1";
    QTest::newRow("leading zero is numeric") << "01" << QStringList{} << "T1 T1 T1 T1";
    QTest::newRow("a word acts as theme 1") << "jedan" << QStringList{} << "T1 T1 T1 T1";
    QTest::newRow("empty theme gives the defaults") << "" << QStringList{} << "T1 T1 T1 T1";
    QTest::newRow("0 changes nothing") << "0" << QStringList{} << "S S S S";
    QTest::newRow("7 changes nothing") << "7" << QStringList{} << "S S S S";
    QTest::newRow("1.5 changes nothing") << "1.5" << QStringList{} << "S S S S";
    QTest::newRow("5, offered nowhere but valid") << "5" << QStringList{} << "T5 T5 T5 T5";
    QTest::newRow("6, all four pictures")
        << "6" << QStringList{"1:jpeg", "2:jpeg", "3:jpeg", "4:jpeg"} << "U U U U";
    QTest::newRow("6, only the second picture") << "6" << QStringList{"2:jpeg"} << "S U S S";
    QTest::newRow("6 without Grafika") << "6" << QStringList{} << "S S S S";
    QTest::newRow("6, damaged, not pictures, too large")
        << "6" << QStringList{"1:garbage", "2:jpeg", "3:text", "4:huge"} << "S U S S";
    QTest::newRow("6, an empty file") << "6" << QStringList{"1:empty", "4:jpeg"} << "S S S U";
}

void ThemeTest::themeOfTheFile() {
    QFETCH(QString, theme);
    QFETCH(QStringList, userFiles);
    QFETCH(QString, holders);
    ThemeRig rig;
    rig.setTheme(theme);
    for (const QString& file : userFiles) {
        const int picture = file.section(u':', 0, 0).toInt();
        rig.folder.write(userPictureName(picture), userFile(file.section(u':', 1), picture));
    }
    if (userFiles.contains(QStringLiteral("4:huge"))) {
        // The file really declares its size; only that makes it unloadable.
        QCOMPARE(QImageReader(rig.folder.file(userPictureName(4))).size(), QSize(30000, 30000));
    }
    rig.showMenu();
    QCOMPARE(rig.holdings(), holders);
}

void ThemeTest::everyShowingAppliesTheThemeAnew() {
    ThemeRig rig;
    for (int picture = 1; picture <= 4; ++picture)
        rig.folder.write(userPictureName(picture), userFile(QStringLiteral("jpeg"), picture));
    rig.setTheme(QStringLiteral("6"));
    rig.showMenu();
    QCOMPARE(rig.holdings(), QStringLiteral("U U U U"));

    rig.setTheme(QStringLiteral("2"));
    rig.showMenu();
    QCOMPARE(rig.holdings(), QStringLiteral("T2 T2 T2 T2"));

    // A picture changed on disk shows from the next showing on.
    rig.folder.write(userPictureName(3), jpegOf(Qt::white, {93, 145}));
    rig.setTheme(QStringLiteral("6"));
    rig.showMenu();
    QCOMPARE(rig.holdings(), QStringLiteral("U U U U"));
    QCOMPARE(rig.bank.holder(CardColour::Blue).size(), QSize(93, 145));

    // So does a rewrite right after that keeps the file's size.
    const QByteArray grey = plainJpeg({93, 145}, QColor(250, 250, 250));
    QCOMPARE(grey.size(), plainJpeg({93, 145}, Qt::white).size());
    rig.folder.write(userPictureName(3), plainJpeg({93, 145}, Qt::white));
    rig.showMenu();
    rig.folder.write(userPictureName(3), grey);
    rig.showMenu();
    QCOMPARE(rig.holdings(), QStringLiteral("U U U U"));
    QCOMPARE(rig.bank.holder(CardColour::Blue).toImage().pixel(40, 70), qRgb(250, 250, 250));

    // Pictures that stop loading leave the last good ones in their holders.
    rig.folder.write(userPictureName(1), userFile(QStringLiteral("garbage"), 1));
    QDir(rig.folder.path()).remove(userPictureName(4));
    const qint64 greenBefore = rig.bank.holder(CardColour::Green).cacheKey();
    const qint64 redBefore = rig.bank.holder(CardColour::Red).cacheKey();
    rig.showMenu();
    QCOMPARE(rig.bank.holder(CardColour::Green).cacheKey(), greenBefore);
    QCOMPARE(rig.bank.holder(CardColour::Red).cacheKey(), redBefore);
}

void ThemeTest::missingFileGivesThemeOne() {
    ThemeRig rig;
    rig.showMenu();
    QCOMPARE(rig.holdings(), QStringLiteral("T1 T1 T1 T1"));
    QCOMPARE(rig.folder.read(QStringLiteral("config.not")), settingsBytes(Settings::defaults()));
}

QTEST_MAIN(ThemeTest)
#include "test_theme.moc"
