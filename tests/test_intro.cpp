// The intro: the grey level of both texts tick by tick, its place on the
// desktop, and that it hands over to the main menu on the last tick only,
// whatever the player presses meanwhile.

#include "common/fonts.h"
#include "common/label.h"
#include "common/screentimer.h"
#include "painting.h"
#include "recordingswitcher.h"
#include "startup/introfade.h"
#include "startup/intrro.h"
#include "testsupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <algorithm>

namespace {

const QString toMenu = QStringLiteral("switchTo MainMenu");
const QString unloadIntro = QStringLiteral("unload Intro");

std::uint32_t grey(int level) {
    const int part = std::min(level, 255);
    return std::uint32_t(part) * 0x010101u;
}

// The grey levels of "Zorvak" and "STUDIO" after a given tick, and the phase.
void addFadeRows() {
    QTest::addColumn<int>("tick");
    QTest::addColumn<int>("logo");
    QTest::addColumn<int>("usluge");
    QTest::addColumn<int>("phase"); // 1 brightening, 2 darkening, 3 ended
    QTest::newRow("1") << 1 << 2 << 0 << 1;
    QTest::newRow("2") << 2 << 4 << 2 << 1;
    QTest::newRow("64") << 64 << 128 << 126 << 1;
    QTest::newRow("127") << 127 << 254 << 252 << 1;
    QTest::newRow("128, the name white") << 128 << 256 << 254 << 2;
    QTest::newRow("129, STUDIO white") << 129 << 254 << 256 << 2;
    QTest::newRow("130") << 130 << 252 << 254 << 2;
    QTest::newRow("200") << 200 << 112 << 114 << 2;
    QTest::newRow("255") << 255 << 2 << 4 << 2;
    QTest::newRow("256, the end") << 256 << 0 << 2 << 3;
}

} // namespace

class IntroTest : public QObject {
    Q_OBJECT
private slots:
    void fadeLevels_data() { addFadeRows(); }
    void fadeLevels();
    void fadeStopsAtItsEnd();
    void whiteForExactlyOneTickEach();
    void screenShowsTheLevels_data() { addFadeRows(); }
    void screenShowsTheLevels();
    void loadCentresAndStartsTheFade();
    void menuOpensOnTheLastTickOnly();
    void inputDuringTheFadeChangesNothing();
};

void IntroTest::fadeLevels() {
    QFETCH(int, tick);
    QFETCH(int, logo);
    QFETCH(int, usluge);
    QFETCH(int, phase);
    IntroFade fade;
    fade.load();
    QCOMPARE(fade.logoColour(), grey(0));
    QCOMPARE(fade.studioCaptionColour(), grey(0));
    for (int step = 1; step < tick; ++step)
        QVERIFY2(!fade.tick(), qPrintable(QStringLiteral("ended at tick %1").arg(step)));
    QCOMPARE(fade.tick(), phase == 3);
    QCOMPARE(fade.logoColour(), grey(logo));
    QCOMPARE(fade.studioCaptionColour(), grey(usluge));
    QCOMPARE(int(fade.phase()), phase);
    if (phase != 3)
        QCOMPARE(fade.level(), logo);
}

void IntroTest::fadeStopsAtItsEnd() {
    IntroFade fade;
    fade.load();
    for (int step = 1; step <= 256; ++step)
        fade.tick();
    for (int step = 0; step < 5; ++step)
        QVERIFY(!fade.tick());
    QCOMPARE(fade.level(), 0);
    QCOMPARE(fade.logoColour(), grey(0));
    QCOMPARE(fade.studioCaptionColour(), grey(2));
    // A second load starts the whole fade again.
    fade.load();
    QVERIFY(!fade.tick());
    QCOMPARE(fade.logoColour(), grey(2));
}

void IntroTest::whiteForExactlyOneTickEach() {
    IntroFade fade;
    fade.load();
    QList<int> logoWhite;
    QList<int> uslugeWhite;
    for (int step = 1; step <= 256; ++step) {
        fade.tick();
        if (fade.logoColour() == 0xFFFFFFu)
            logoWhite << step;
        if (fade.studioCaptionColour() == 0xFFFFFFu)
            uslugeWhite << step;
    }
    QCOMPARE(logoWhite, QList<int>{128});
    QCOMPARE(uslugeWhite, QList<int>{129});
}

// The brightest pixel of a text's box on the black screen: its letters' grey.
int brightestIn(const QImage& shown, const QRect& box) {
    int brightest = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            brightest = std::max(brightest, qGray(shown.pixel(x, y)));
    return brightest;
}

// Each tick repaints the two texts alone, never the black screen around
// them, and the window shows both at their levels.
void IntroTest::screenShowsTheLevels() {
    QFETCH(int, tick);
    QFETCH(int, logo);
    QFETCH(int, usluge);
    RecordingSwitcher switcher;
    // The last tick's picture is looked at although the intro ends in it.
    switcher.leaves = false;
    Intrro intro(switcher);
    intro.Form_Load();
    intro.fadeTimer().stop();
    intro.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&intro));
    for (int step = 1; step < tick; ++step)
        intro.Timer1_Timer();
    shownWindow(intro);
    PaintCounter screenPaints(intro);
    intro.Timer1_Timer();
    const QImage shown = shownWindow(intro);
    Label* logoLabel = labelNamed(intro, QStringLiteral("logo"));
    Label* uslugeLabel = labelNamed(intro, QStringLiteral("Usluge"));
    QCOMPARE(logoLabel->foreColour(), grey(logo));
    QCOMPARE(uslugeLabel->foreColour(), grey(usluge));
    QCOMPARE(brightestIn(shown, logoLabel->geometry()), std::min(logo, 255));
    QCOMPARE(brightestIn(shown, uslugeLabel->geometry()), std::min(usluge, 255));
    QCOMPARE(screenPaints.paints, 0);
}

void IntroTest::loadCentresAndStartsTheFade() {
    RecordingSwitcher switcher;
    Intrro intro(switcher);
    Label* logo = labelNamed(intro, QStringLiteral("logo"));
    Label* usluge = labelNamed(intro, QStringLiteral("Usluge"));
    QCOMPARE(logo->caption(), QStringLiteral("Zorvak"));
    QCOMPARE(usluge->caption(), QStringLiteral("STUDIO"));
    QCOMPARE(logo->geometry(), Screen::toPixels(QRect(3570, 2520, 1275, 330)));
    QCOMPARE(usluge->geometry(), Screen::toPixels(QRect(3570, 2835, 1275, 435)));
    QCOMPARE(logo->font().pixelSize(), fonts::sized(14.25).pixelSize());
    QCOMPARE(usluge->font().pixelSize(), fonts::sized(15.75).pixelSize());
    QVERIFY(logo->isBold() && usluge->isBold());
    QVERIFY(logo->alignment() & Qt::AlignHCenter);
    QVERIFY(usluge->alignment() & Qt::AlignHCenter);

    intro.Form_Load();
    QCOMPARE(logo->foreColour(), grey(0));
    QCOMPARE(usluge->foreColour(), grey(0));
    // The fade runs by itself from the load on, and its first ticks centre
    // the window again once it is framed.
    QVERIFY(intro.fadeTimer().isActive());
    intro.Show();
    QTRY_VERIFY(intro.fade().level() >= 2);
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = intro.window()->frameGeometry();
    QVERIFY(qAbs(frame.center().x() - desktop.center().x()) <= 1);
    QVERIFY(qAbs(frame.center().y() - desktop.center().y()) <= 1);
    intro.fadeTimer().stop();
}

void IntroTest::menuOpensOnTheLastTickOnly() {
    RecordingSwitcher switcher;
    Intrro intro(switcher);
    intro.Form_Load();
    intro.fadeTimer().stop();
    for (int step = 1; step <= 255; ++step)
        QVERIFY(intro.Timer1_Timer());
    QVERIFY(switcher.calls.isEmpty());
    // The last tick wants no more ticks: its timer stops with it.
    intro.fadeTimer().wake();
    intro.fadeTimer().fire();
    QVERIFY(!intro.fadeTimer().isActive());
    QCOMPARE(switcher.calls, (QStringList{toMenu, unloadIntro}));
    QCOMPARE(switcher.switches[0].positionFrom, &intro);
    // A stray tick after the end opens nothing more.
    QVERIFY(!intro.Timer1_Timer());
    QCOMPARE(switcher.calls.size(), 2);
}

void IntroTest::inputDuringTheFadeChangesNothing() {
    RecordingSwitcher switcher;
    Intrro intro(switcher);
    intro.Form_Load();
    intro.fadeTimer().stop();
    intro.Show();
    for (int step = 1; step <= 100; ++step)
        intro.Timer1_Timer();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_F1})
        QTest::keyClick(&intro, key);
    QTest::mouseClick(&intro, Qt::LeftButton);
    QTest::mouseClick(labelNamed(intro, QStringLiteral("logo")), Qt::LeftButton);
    QTest::mouseDClick(&intro, Qt::LeftButton);
    QVERIFY(switcher.calls.isEmpty());
    QCOMPARE(intro.fade().level(), 200);
    QVERIFY(intro.isVisible());
}

QTEST_MAIN(IntroTest)
#include "test_intro.moc"
